// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads the comma-and-line fields that every text file of the program is made of:
//  - leading spaces are skipped;
//  - a field that starts with a double quote runs to the next double quote, after which the rest
//    up to and including the next comma or line end is skipped;
//  - otherwise a field runs up to (not including) the next comma or line end (CR LF, lone CR or
//    lone LF), and the terminator is consumed;
//  - a line holding only spaces yields one empty field;
//  - asking for a field when no characters are left fails (input past end of file).
// Bytes are decoded as Windows ANSI, or as UTF-8 when the input starts with a UTF-8 byte-order
// mark (which is not part of the first field). Trailing spaces of an unquoted field are kept.
//
// The text files are small: the reader takes in everything the device has left, in blocks, up to
// MaxBytes. A device holding more is refused as a whole: tooLarge() is true and every read fails.
class FieldReader
{
public:
    static constexpr qint64 MaxBytes = 1024 * 1024;

    explicit FieldReader(QIODevice *device);

    bool tooLarge() const { return m_tooLarge; }

    // False when the input was exhausted before the field started; *field is then left alone.
    bool read(QString *field);
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // Whether the last field read was closed by a comma or a line end rather than by the end of
    // the input (a file cut off in the middle of its last line).
    bool lastFieldEnded() const { return m_lastFieldEnded; }

    // Reads a field as a whole number, as the count lines of the catalogue are read: leading
    // blanks skipped, digits with an optional sign, trailing blanks allowed. Text that is not a
    // number fails.
    bool readNumber(int *value);

private:
    bool peek(char *c) const;
    bool get(char *c);
    void skipLineEnd(char first);
    // Consumes up to and including the next comma or line end, appending what comes before it to
    // *kept unless kept is null.
    void readToEndOfField(QByteArray *kept);

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_tooLarge = false;
    bool m_lastFieldEnded = false;
    bool m_utf8 = false;
};
