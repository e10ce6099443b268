#include "fieldreader.h"

#include "ansi.h"

#include <QIODevice>

FieldReader::FieldReader(QIODevice *device) : m_device(device) {}

bool FieldReader::peek(char *c) const
{
    return m_device && m_device->peek(c, 1) == 1;
}

bool FieldReader::get(char *c)
{
    return m_device && m_device->getChar(c);
}

bool FieldReader::atEnd() const
{
    char c;
    return !peek(&c);
}

void FieldReader::skipLineEnd(char first)
{
    char next;
    if (first == '\r' && peek(&next) && next == '\n')
        get(&next);
}

void FieldReader::readToEndOfField(QByteArray *kept)
{
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
    *field = ansi::decode(bytes);
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
