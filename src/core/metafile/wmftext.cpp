// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/wmftext.h"

#include <QStringDecoder>

#include "ansi.h"
#include "metafile/wmfrecords.h"

namespace
{

// The symbol font's letters are Greek; the common mathematical signs are mapped too, and the rest
// pass through as Latin-1.
QChar symbolToUnicode(unsigned char b)
{
    static constexpr char16_t Upper[26] = {
        0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399, 0x3D1, 0x39A, 0x39B, 0x39C,
        0x39D, 0x39F, 0x3A0, 0x398, 0x3A1, 0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
    static constexpr char16_t Lower[26] = {
        0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9, 0x3D5, 0x3BA, 0x3BB, 0x3BC,
        0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1, 0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};
    if (b >= 'A' && b <= 'Z')
        return QChar(Upper[b - 'A']);
    if (b >= 'a' && b <= 'z')
        return QChar(Lower[b - 'a']);
    switch (b) {
    case 0x22:
        return QChar(0x2200);
    case 0x24:
        return QChar(0x2203);
    case 0x2D:
        return QChar(0x2212);
    case 0xA3:
        return QChar(0x2264);
    case 0xA5:
        return QChar(0x221E);
    case 0xAC:
        return QChar(0x2190);
    case 0xAD:
        return QChar(0x2191);
    case 0xAE:
        return QChar(0x2192);
    case 0xAF:
        return QChar(0x2193);
    case 0xB3:
        return QChar(0x2265);
    case 0xB4:
        return QChar(0x00D7);
    case 0xB7:
        return QChar(0x2022);
    case 0xB8:
        return QChar(0x00F7);
    case 0xB9:
        return QChar(0x2260);
    case 0xBB:
        return QChar(0x2248);
    case 0xD6:
        return QChar(0x221A);
    default:
        return QChar(char16_t(b));
    }
}

} // namespace

namespace wmf
{

int codePageForCharset(quint8 charset)
{
    switch (charset) {
    case SYMBOL_CHARSET:
        return 42;
    case MAC_CHARSET:
        return 10000;
    case SHIFTJIS_CHARSET:
        return 932;
    case HANGUL_CHARSET:
        return 949;
    case JOHAB_CHARSET:
        return 1361;
    case GB2312_CHARSET:
        return 936;
    case CHINESEBIG5_CHARSET:
        return 950;
    case GREEK_CHARSET:
        return 1253;
    case TURKISH_CHARSET:
        return 1254;
    case VIETNAMESE_CHARSET:
        return 1258;
    case HEBREW_CHARSET:
        return 1255;
    case ARABIC_CHARSET:
        return 1256;
    case BALTIC_CHARSET:
        return 1257;
    case RUSSIAN_CHARSET:
        return 1251;
    case THAI_CHARSET:
        return 874;
    case EASTEUROPE_CHARSET:
        return 1250;
    case OEM_CHARSET:
        return 437;
    default:
        return 1252;
    }
}

QString decodeText(const QByteArray &bytes, quint8 charset)
{
    const int cp = codePageForCharset(charset);
    if (cp == 1252)
        return ansi::decode(bytes);
    if (cp == 42) {
        QString out;
        out.reserve(bytes.size());
        for (char c : bytes)
            out.append(symbolToUnicode(static_cast<unsigned char>(c)));
        return out;
    }
    const char *name = nullptr;
    switch (cp) {
    case 10000:
        name = "macintosh";
        break;
    case 932:
        name = "Shift_JIS";
        break;
    case 949:
        name = "windows-949";
        break;
    case 1361:
        name = "johab";
        break;
    case 936:
        name = "GBK";
        break;
    case 950:
        name = "Big5";
        break;
    case 437:
        name = "IBM437";
        break;
    case 874:
        name = "windows-874";
        break;
    default:
        break;
    }
    const QByteArray windowsName = "windows-" + QByteArray::number(cp);
    QStringDecoder decoder(name ? name : windowsName.constData());
    if (!decoder.isValid())
        return ansi::decode(bytes);
    return decoder.decode(bytes);
}

} // namespace wmf
