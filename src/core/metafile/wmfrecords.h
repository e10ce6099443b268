// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Record function numbers and the constants their parameters use, shared by the metafile reader,
// renderer and writer. The high byte of a function number is, for most records, its usual size
// in words without the 3-word record header; do not rely on it.
namespace wmf
{

// Placeable header key, little-endian at offset 0.
constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
constexpr int PlaceableHeaderBytes = 22;
constexpr int StandardHeaderBytes = 18;
// A record: 32-bit size in words, 16-bit function, then parameters.
constexpr int RecordHeaderWords = 3;

enum RecordFunction : quint16 {
    META_EOF = 0x0000,
    META_REALIZEPALETTE = 0x0035,
    META_SETPALENTRIES = 0x0037,
    META_SAVEDC = 0x001E,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETRELABS = 0x0105,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_SETTEXTCHAREXTRA = 0x0108,
    META_RESTOREDC = 0x0127,
    META_INVERTREGION = 0x012A,
    META_PAINTREGION = 0x012B,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_RESIZEPALETTE = 0x0139,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_SETLAYOUT = 0x0149,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETTEXTJUSTIFICATION = 0x020A,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETVIEWPORTORG = 0x0211,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_OFFSETCLIPRGN = 0x0220,
    META_FILLREGION = 0x0228,
    META_SETMAPPERFLAGS = 0x0231,
    META_SELECTPALETTE = 0x0234,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_SCALEVIEWPORTEXT = 0x0412,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_FLOODFILL = 0x0419,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_FRAMEREGION = 0x0429,
    META_ANIMATEPALETTE = 0x0436,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_EXTFLOODFILL = 0x0548,
    META_ROUNDRECT = 0x061C,
    META_PATBLT = 0x061D,
    META_ESCAPE = 0x0626,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_BITBLT = 0x0922,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHBLT = 0x0B23,
    META_DIBSTRETCHBLT = 0x0B41,
    META_SETDIBTODEV = 0x0D33,
    META_STRETCHDIB = 0x0F43,
};

// The record's name ("META_POLYGON"), or an empty string for an unknown function.
const char *functionName(quint16 function);

enum MapMode : quint16 {
    MM_TEXT = 1,
    MM_LOMETRIC = 2,
    MM_HIMETRIC = 3,
    MM_LOENGLISH = 4,
    MM_HIENGLISH = 5,
    MM_TWIPS = 6,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

// Logical units per inch of a fixed map mode (MM_LOMETRIC to MM_TWIPS); 0 for MM_TEXT, whose unit
// is the device's pixel, and for the scalable modes.
int unitsPerInch(quint16 mapMode);

enum BackgroundMode : quint16 {
    TRANSPARENT = 1,
    OPAQUE = 2,
};

enum PolyFillMode : quint16 {
    ALTERNATE = 1,
    WINDING = 2,
};

// Text alignment flags (META_SETTEXTALIGN).
enum TextAlign : quint16 {
    TA_NOUPDATECP = 0x0000,
    TA_UPDATECP = 0x0001,
    TA_LEFT = 0x0000,
    TA_RIGHT = 0x0002,
    TA_CENTER = 0x0006,
    TA_TOP = 0x0000,
    TA_BOTTOM = 0x0008,
    TA_BASELINE = 0x0018,
    TA_RTLREADING = 0x0100,
};
constexpr quint16 TA_HORIZONTAL_MASK = 0x0006;
constexpr quint16 TA_VERTICAL_MASK = 0x0018;

// META_EXTTEXTOUT options.
enum ExtTextOutOption : quint16 {
    ETO_OPAQUE = 0x0002,
    ETO_CLIPPED = 0x0004,
    ETO_GLYPH_INDEX = 0x0010,
    ETO_RTLREADING = 0x0080,
    ETO_NUMERICSLOCAL = 0x0400,
    ETO_NUMERICSLATIN = 0x0800,
    ETO_PDY = 0x2000,
};

enum PenStyle : quint16 {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};
constexpr quint16 PS_STYLE_MASK = 0x000F;

enum BrushStyle : quint16 {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
    BS_DIBPATTERN = 5,
    BS_DIBPATTERNPT = 6,
};

enum HatchStyle : quint16 {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

// Font weights and character sets (LOGFONT in META_CREATEFONTINDIRECT).
constexpr quint16 FW_NORMAL = 400;
constexpr quint16 FW_BOLD = 700;
enum CharacterSet : quint8 {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};
// LOGFONT's face name field, in bytes.
constexpr int LF_FACESIZE = 32;

// DIB colour usage in bitmap records.
enum ColorUsage : quint16 {
    DIB_RGB_COLORS = 0,
    DIB_PAL_COLORS = 1,
};

// Raster operations used with bitmaps.
constexpr quint32 SRCCOPY = 0x00CC0020u;
constexpr quint32 SRCPAINT = 0x00EE0086u;
constexpr quint32 SRCAND = 0x008800C6u;
constexpr quint32 PATCOPY = 0x00F00021u;
constexpr quint32 BLACKNESS = 0x00000042u;
constexpr quint32 WHITENESS = 0x00FF0062u;

// BITMAPINFOHEADER compression.
constexpr quint32 BI_RGB = 0;
constexpr quint32 BI_RLE8 = 1;
constexpr quint32 BI_RLE4 = 2;
constexpr quint32 BI_BITFIELDS = 3;

} // namespace wmf
