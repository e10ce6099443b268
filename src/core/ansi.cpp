// SPDX-License-Identifier: GPL-3.0-or-later
#include "ansi.h"

namespace
{

// Code page 1252 differs from Latin-1 only in 0x80..0x9F. Zero marks an unassigned byte, which is
// passed through as the C1 control of the same value.
constexpr char16_t HighTable[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

namespace ansi
{

QString decode(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && HighTable[b - 0x80] != 0)
            out.append(QChar(HighTable[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (HighTable[i] == u || (HighTable[i] == 0 && u == 0x80 + i)) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(mapped);
    }
    return out;
}

bool fits(const QString &text)
{
    return decode(encode(text)) == text;
}

QByteArray encodeFile(const QString &text)
{
    if (fits(text))
        return encode(text);
    return QByteArray(Utf8Mark) + text.toUtf8();
}

} // namespace ansi
