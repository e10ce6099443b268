// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldreader.h"

#include "ansi.h"

#include <QIODevice>

FieldReader::FieldReader(QIODevice *device)
{
    constexpr qint64 Block = 64 * 1024;
    while (device && !m_tooLarge) {
        const QByteArray block = device->read(Block);
        if (block.isEmpty())
            break;
        m_bytes += block;
        m_tooLarge = m_bytes.size() > MaxBytes;
    }
    if (m_tooLarge)
        m_bytes.clear();
    m_utf8 = m_bytes.startsWith(ansi::Utf8Mark);
    if (m_utf8)
        m_pos = qsizetype(sizeof ansi::Utf8Mark) - 1;
}

bool FieldReader::peek(char *c) const
{
    if (atEnd())
        return false;
    *c = m_bytes.at(m_pos);
    return true;
}

bool FieldReader::get(char *c)
{
    if (!peek(c))
        return false;
    ++m_pos;
    return true;
}

void FieldReader::skipLineEnd(char first)
{
    char next;
    if (first == '\r' && peek(&next) && next == '\n')
        get(&next);
}

void FieldReader::readToEndOfField(QByteArray *kept)
{
    m_lastFieldEnded = true;
    char c;
    while (get(&c)) {
        if (c == ',')
            return;
        if (c == '\r' || c == '\n') {
            skipLineEnd(c);
            return;
        }
        if (kept)
            kept->append(c);
    }
    m_lastFieldEnded = false;
}

bool FieldReader::read(QString *field)
{
    char c;
    if (!peek(&c))
        return false;
    while (peek(&c) && c == ' ')
        get(&c);

    QByteArray bytes;
    if (peek(&c) && c == '"') {
        get(&c);
        while (get(&c) && c != '"')
            bytes.append(c);
        // Whatever follows the closing quote up to the end of the field is dropped.
        readToEndOfField(nullptr);
    } else {
        readToEndOfField(&bytes);
    }
    *field = m_utf8 ? QString::fromUtf8(bytes) : ansi::decode(bytes);
    return true;
}

bool FieldReader::readNumber(int *value)
{
    QString text;
    if (!read(&text))
        return false;
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    *value = n;
    return true;
}
