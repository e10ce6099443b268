// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/wmfrecords.h"

namespace wmf
{

const char *functionName(quint16 function)
{
    switch (function) {
    case META_EOF:
        return "META_EOF";
    case META_REALIZEPALETTE:
        return "META_REALIZEPALETTE";
    case META_SETPALENTRIES:
        return "META_SETPALENTRIES";
    case META_SAVEDC:
        return "META_SAVEDC";
    case META_CREATEPALETTE:
        return "META_CREATEPALETTE";
    case META_SETBKMODE:
        return "META_SETBKMODE";
    case META_SETMAPMODE:
        return "META_SETMAPMODE";
    case META_SETROP2:
        return "META_SETROP2";
    case META_SETRELABS:
        return "META_SETRELABS";
    case META_SETPOLYFILLMODE:
        return "META_SETPOLYFILLMODE";
    case META_SETSTRETCHBLTMODE:
        return "META_SETSTRETCHBLTMODE";
    case META_SETTEXTCHAREXTRA:
        return "META_SETTEXTCHAREXTRA";
    case META_RESTOREDC:
        return "META_RESTOREDC";
    case META_INVERTREGION:
        return "META_INVERTREGION";
    case META_PAINTREGION:
        return "META_PAINTREGION";
    case META_SELECTCLIPREGION:
        return "META_SELECTCLIPREGION";
    case META_SELECTOBJECT:
        return "META_SELECTOBJECT";
    case META_SETTEXTALIGN:
        return "META_SETTEXTALIGN";
    case META_RESIZEPALETTE:
        return "META_RESIZEPALETTE";
    case META_DIBCREATEPATTERNBRUSH:
        return "META_DIBCREATEPATTERNBRUSH";
    case META_SETLAYOUT:
        return "META_SETLAYOUT";
    case META_DELETEOBJECT:
        return "META_DELETEOBJECT";
    case META_CREATEPATTERNBRUSH:
        return "META_CREATEPATTERNBRUSH";
    case META_SETBKCOLOR:
        return "META_SETBKCOLOR";
    case META_SETTEXTCOLOR:
        return "META_SETTEXTCOLOR";
    case META_SETTEXTJUSTIFICATION:
        return "META_SETTEXTJUSTIFICATION";
    case META_SETWINDOWORG:
        return "META_SETWINDOWORG";
    case META_SETWINDOWEXT:
        return "META_SETWINDOWEXT";
    case META_SETVIEWPORTORG:
        return "META_SETVIEWPORTORG";
    case META_SETVIEWPORTEXT:
        return "META_SETVIEWPORTEXT";
    case META_OFFSETWINDOWORG:
        return "META_OFFSETWINDOWORG";
    case META_OFFSETVIEWPORTORG:
        return "META_OFFSETVIEWPORTORG";
    case META_LINETO:
        return "META_LINETO";
    case META_MOVETO:
        return "META_MOVETO";
    case META_OFFSETCLIPRGN:
        return "META_OFFSETCLIPRGN";
    case META_FILLREGION:
        return "META_FILLREGION";
    case META_SETMAPPERFLAGS:
        return "META_SETMAPPERFLAGS";
    case META_SELECTPALETTE:
        return "META_SELECTPALETTE";
    case META_CREATEPENINDIRECT:
        return "META_CREATEPENINDIRECT";
    case META_CREATEFONTINDIRECT:
        return "META_CREATEFONTINDIRECT";
    case META_CREATEBRUSHINDIRECT:
        return "META_CREATEBRUSHINDIRECT";
    case META_POLYGON:
        return "META_POLYGON";
    case META_POLYLINE:
        return "META_POLYLINE";
    case META_SCALEWINDOWEXT:
        return "META_SCALEWINDOWEXT";
    case META_SCALEVIEWPORTEXT:
        return "META_SCALEVIEWPORTEXT";
    case META_EXCLUDECLIPRECT:
        return "META_EXCLUDECLIPRECT";
    case META_INTERSECTCLIPRECT:
        return "META_INTERSECTCLIPRECT";
    case META_ELLIPSE:
        return "META_ELLIPSE";
    case META_FLOODFILL:
        return "META_FLOODFILL";
    case META_RECTANGLE:
        return "META_RECTANGLE";
    case META_SETPIXEL:
        return "META_SETPIXEL";
    case META_FRAMEREGION:
        return "META_FRAMEREGION";
    case META_ANIMATEPALETTE:
        return "META_ANIMATEPALETTE";
    case META_TEXTOUT:
        return "META_TEXTOUT";
    case META_POLYPOLYGON:
        return "META_POLYPOLYGON";
    case META_EXTFLOODFILL:
        return "META_EXTFLOODFILL";
    case META_ROUNDRECT:
        return "META_ROUNDRECT";
    case META_PATBLT:
        return "META_PATBLT";
    case META_ESCAPE:
        return "META_ESCAPE";
    case META_CREATEREGION:
        return "META_CREATEREGION";
    case META_ARC:
        return "META_ARC";
    case META_PIE:
        return "META_PIE";
    case META_CHORD:
        return "META_CHORD";
    case META_BITBLT:
        return "META_BITBLT";
    case META_DIBBITBLT:
        return "META_DIBBITBLT";
    case META_EXTTEXTOUT:
        return "META_EXTTEXTOUT";
    case META_STRETCHBLT:
        return "META_STRETCHBLT";
    case META_DIBSTRETCHBLT:
        return "META_DIBSTRETCHBLT";
    case META_SETDIBTODEV:
        return "META_SETDIBTODEV";
    case META_STRETCHDIB:
        return "META_STRETCHDIB";
    default:
        return "";
    }
}

int unitsPerInch(quint16 mapMode)
{
    switch (mapMode) {
    case MM_LOMETRIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

} // namespace wmf
