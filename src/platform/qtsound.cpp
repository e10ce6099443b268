// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsound.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(const ContentPaths &paths)
    : m_paths(paths), m_effectsOwner(new QObject)
{
    m_thread.setObjectName(QStringLiteral("Quorvel sounds"));
    m_effectsOwner->moveToThread(&m_thread);
    m_thread.start();
}

QtSoundPlayer::~QtSoundPlayer()
{
    // The effects and their output streams go on the thread that made them.
    QMetaObject::invokeMethod(
        m_effectsOwner,
        [this] {
            m_effects.clear();
            delete m_effectsOwner;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void QtSoundPlayer::play(const QString &contentPath)
{
    const QString file = m_paths.path(contentPath);
    if (file.isEmpty())
        return;
    QMetaObject::invokeMethod(m_effectsOwner, [this, file] {
        QSoundEffect *effect = effectFor(file);
        // A file that failed to decode stays in the Error state and is simply not heard. A new
        // request for a sound still playing starts it again from the beginning.
        if (!effect || effect->status() == QSoundEffect::Error)
            return;
        effect->stop();
        effect->play();
    });
}

void QtSoundPlayer::prepare(const QString &contentPath)
{
    const QString file = m_paths.path(contentPath);
    if (!file.isEmpty())
        QMetaObject::invokeMethod(m_effectsOwner, [this, file] { effectFor(file); });
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return nullptr;
    QSoundEffect *effect = m_effects.value(file);
    if (!effect) {
        QFile wav(file);
        if (!wav.open(QIODevice::ReadOnly) || !isPlayable(wav.read(1 << 22)))
            return nullptr;
        effect = new QSoundEffect(m_effectsOwner);
        const QUrl source = QUrl::fromLocalFile(file);
        effect->setSource(source);
        // Once a sound has ended, its output stream can go on waking the program 50 times a
        // second; setting the source again closes that stream. The decoded sound is kept by the
        // sound library, so the next play starts as quickly.
        QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect, source] {
            if (effect->isPlaying() || effect->status() != QSoundEffect::Ready)
                return;
            effect->setSource(QUrl());
            effect->setSource(source);
        });
        m_effects.insert(file, effect);
    }
    return effect;
}

bool QtSoundPlayer::isPlaying(const QString &contentPath) const
{
    const QString file = m_paths.path(contentPath);
    bool playing = false;
    QMetaObject::invokeMethod(
        m_effectsOwner,
        [this, &file] {
            const QSoundEffect *effect = m_effects.value(file);
            return effect && effect->isPlaying();
        },
        Qt::BlockingQueuedConnection, &playing);
    return playing;
}

bool QtSoundPlayer::isPlayable(const QByteArray &wav)
{
    const auto u16 = [&](int at) {
        return static_cast<quint16>(static_cast<uchar>(wav[at]) | static_cast<uchar>(wav[at + 1])
                                                                      << 8);
    };
    const auto u32 = [&](int at) { return static_cast<quint32>(u16(at) | u16(at + 2) << 16); };
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    qint64 at = 12;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(static_cast<int>(at), 4);
        const qint64 size = u32(static_cast<int>(at) + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > wav.size())
                return false;
            const int b = static_cast<int>(body);
            const quint16 tag = u16(b), channels = u16(b + 2), bits = u16(b + 14);
            const quint32 rate = u32(b + 4);
            format = tag == 1 && (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
                     rate >= 8000 && rate <= 192000;
            if (!format)
                return false;
        } else if (id == "data") {
            return format && size > 0;
        }
        at = body + size + (size & 1);
    }
    return false;
}
