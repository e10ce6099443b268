// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundsynth.h"

#include "soundrecipes.h"
#include "synthesis.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace soundsynth
{
namespace
{

using namespace synthesis;

void appendLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void appendLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QStringList soundNames()
{
    QStringList names;
    for (const auto &e : recipes::all())
        names.append(QString::fromLatin1(e.name));
    return names;
}

QVector<qint16> synthesise(const QString &name)
{
    for (const auto &e : recipes::all()) {
        if (name == QLatin1String(e.name)) {
            Random rng(seedFor(name));
            return finish(e.make(rng), name == QLatin1String("eagle6") ? EagleDbfs : TargetDbfs);
        }
    }
    return {};
}

QByteArray wavFile(const QVector<qint16> &samples, int sampleRate)
{
    constexpr quint64 maxData = std::numeric_limits<quint32>::max() - 36u;
    const quint64 dataBytes = static_cast<quint64>(samples.size()) * 2u;
    if (sampleRate <= 0 || dataBytes > maxData)
        return {};
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    appendLe32(out, static_cast<quint32>(36 + dataBytes));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    appendLe32(out, 16);                                   // fmt chunk size
    appendLe16(out, 1);                                    // PCM
    appendLe16(out, 1);                                    // mono
    appendLe32(out, static_cast<quint32>(sampleRate));     // frames per second
    appendLe32(out, static_cast<quint32>(sampleRate) * 2); // bytes per second
    appendLe16(out, 2);                                    // bytes per frame
    appendLe16(out, 16);                                   // bits per sample
    out.append("data", 4);
    appendLe32(out, static_cast<quint32>(dataBytes));
    for (const qint16 v : samples)
        appendLe16(out, static_cast<quint16>(v));
    return out;
}

} // namespace soundsynth
