// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/textlines.h"

#include "ansi.h"
#include "exchange/exchange.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

namespace exchange
{

namespace
{

// UTF-8, with any byte that does not belong to a well-formed sequence read as Windows-1252.
// Counts the well-formed sequences of more than one byte and the bytes read the other way.
QString decodeMixed(const QByteArray &bytes, int *multiByte, int *strays)
{
    QString out;
    out.reserve(bytes.size());
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (c < 0x80) {
            out.append(QChar(c));
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            length = 2, code = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, code = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, code = c & 0x07, least = 0x10000;
        }
        bool good = length > 0 && i + length <= n;
        for (int k = 1; good && k < length; ++k) {
            good = (b[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (b[i + k] & 0x3F);
        }
        good = good && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (good) {
            out.append(QString::fromUcs4(&code, 1));
            ++*multiByte;
            i += length;
        } else {
            out.append(ansi::decode(QByteArray(1, char(c))));
            ++*strays;
            ++i;
        }
    }
    return out;
}

// The file's bytes as text, by the rule of readLines. *encoding names what was used, for the
// report.
// Whether bytes without a byte-order mark are UTF-16 (little-endian when *little): an even
// number of them, with a zero byte in every other place of the first characters, as the letters
// and signs of the first 256 give.
bool unmarkedUtf16(const QByteArray &bytes, bool *little)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 64);
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    bool low = true, high = true;
    for (qsizetype i = 0; i + 1 < n; i += 2) {
        low = low && bytes[i + 1] == 0 && bytes[i] != 0;
        high = high && bytes[i] == 0 && bytes[i + 1] != 0;
    }
    *little = low;
    return low || high;
}

QString decodeText(QByteArray bytes, QString *encoding)
{
    bool little = false;
    const bool marked16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (marked16 || unmarkedUtf16(bytes, &little)) {
        *encoding = QStringLiteral("UTF-16");
        if (marked16)
            little = bytes.startsWith("\xFF\xFE");
        QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16.decode(marked16 ? bytes.mid(2) : bytes);
    }
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    if (marked)
        bytes.remove(0, 3);
    int multiByte = 0;
    int strays = 0;
    QString text = decodeMixed(bytes, &multiByte, &strays);
    if (strays == 0 || marked || multiByte >= strays) {
        *encoding = strays == 0 ? QStringLiteral("UTF-8")
                    : strays == 1
                        ? QCoreApplication::translate(
                              "Import", "UTF-8 (1 byte that is not UTF-8 read as Windows-1252)")
                        : QCoreApplication::translate("Import",
                                                      "UTF-8 (%1 bytes that are not UTF-8 read as "
                                                      "Windows-1252)")
                              .arg(strays);
        return text;
    }
    *encoding = QStringLiteral("Windows-1252");
    return ansi::decode(bytes);
}

} // namespace

TextLines readLines(QIODevice *device)
{
    TextLines result;
    const QByteArray bytes = device->read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize) {
        result.error =
            QCoreApplication::translate(
                "Import", "The file is larger than %1 MB, too large for a question file.")
                .arg(MaxFileSize / (1024 * 1024));
        return result;
    }
    result.text = decodeText(bytes, &result.encoding);
    const QString &text = result.text;
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
            c != QLatin1Char('\t')) {
            result.error = QCoreApplication::translate("Import", "The file is not a text file.");
            return result;
        }
    }
    qsizetype from = 0;
    int number = 0;
    bool blank = false;
    while (from <= text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        ++number;
        const QStringView line = QStringView(text).mid(from, end - from);
        const bool isBlank = line.trimmed().isEmpty();
        if (!isBlank || !blank)
            result.lines.append({number, line});
        blank = isBlank;
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        from = end + 1;
    }
    return result;
}

} // namespace exchange
