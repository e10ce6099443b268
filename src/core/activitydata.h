// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// The content of the six activity screens, as designed: texts, boxes, start positions, pictures,
// lines, fonts and colours. Positions are twips (Left, Top, Width, Height; lines X1, Y1, X2, Y2).
namespace activity
{

struct FontDesign {
    QString family;
    double points = 0;
    bool bold = true;
};

// A draggable item: its target box (whose text label i takes at load) and the start
// position of label i, with its group for the grouped rule. box names the target box for screen
// readers by what it stands for (English, translated in the context "ActivityScreen"); empty for
// "Box i of n".
struct ItemDesign {
    QString text;
    QRect target;
    QRect start;
    int group = 0;
    QString box;
};

// The two picture control arrays of the activity screens.
enum class PictureArray { BackPictures, FrontPictures };

// A picture control (BackPictures or FrontPictures, by index) with the file it shows at load.
// Listed back to front: later pictures are drawn over earlier ones.
struct PictureDesign {
    PictureArray control = PictureArray::BackPictures;
    int index = 0;
    QString file;
    QRect frame;
};

// A text label; index -1 for a label that is not part of a control array.
struct TextDesign {
    int index = -1;
    QString caption;
    QRect rect;
    FontDesign font;
    QColor color;
    Qt::Alignment align = Qt::AlignHCenter;
};

// A line drawn on the window, 3 pixels wide.
struct LineDesign {
    QString control;
    int index = -1;
    QLine line;
    QColor color;
};

// The clickable experiment a labelling screen has beside its boxes, if any.
enum class Experiment { None, CircuitSwitch, FaradayBench };

struct ActivityDesign {
    QString name;
    Experiment experiment = Experiment::None;
    std::optional<QColor> background; // none: the standard background of applyStandardLook
    FontDesign itemFont;              // boxes and labels
    Scoring scoring = Scoring::OneToOne;
    std::vector<ItemDesign> items;
    std::vector<PictureDesign> pictures;
    std::vector<TextDesign> texts; // the heading is always the first
    std::vector<LineDesign> lines;
    bool startSound = false; // plays "wav\eagle6.wav" shortly after loading

    int count() const { return int(items.size()); }
    // The engine at the design arrangement.
    Engine engine() const;
};

// The label buttons shared by every activity screen, by index.
struct ButtonDesign {
    QString caption;
    QRect rect;
};
const ButtonDesign &buttonDesign(int index);

// Light cyan, green, yellow, orange, as designed.
QColor yellow();
QColor green();
QColor lightCyan();
QColor orange();

const ActivityDesign &introductionlabDesign();
const ActivityDesign &electricitylabDesign();
const ActivityDesign &faradaylabDesign();
const ActivityDesign &introductionordDesign();
const ActivityDesign &electricityordDesign();
const ActivityDesign &faradayordDesign();

// All six, labelling screens first.
std::vector<const ActivityDesign *> allDesigns();

// The experiment pictures.
namespace pictures
{
inline const char *const CircuitOff = "Images\\circuit0.bmp";
inline const char *const CircuitOn = "Images\\circuit1.bmp";
inline const char *const SwitchOff = "Images\\circuit6.bmp";
inline const char *const SwitchOn = "Images\\circuit4.bmp";
inline const char *const CompassOff = "Images\\compass2.jpg";
inline const char *const CompassOn = "Images\\compass1.jpg";
// The generator's meter: needle at zero, swung one way while the magnet goes into the coil and
// the other way while it comes out.
inline const char *const GeneratorRest = "Images\\circuit5.bmp";
inline const char *const GeneratorIn = "Images\\circuit7.bmp";
inline const char *const GeneratorOut = "Images\\circuit8.bmp";
} // namespace pictures

// Left of the moving magnet for a scroll-bar value 0..100.
constexpr int magnetLeft(int value)
{
    return value * 24 + 4080;
}
constexpr int MagnetTop = 6000;

// Where the generator picture draws its coil on the faradaylab screen (twips): the opening that
// faces the magnet's path, and the windings' top and bottom.
constexpr int CoilOpening = 7905;
constexpr int CoilTop = 5730;
constexpr int CoilBottom = 6840;
// The magnet picture's north end, from the picture's left edge (twips).
constexpr int MagnetNorthEnd = 2182;
// How far from the opening the north pole still changes the field through the coil enough to
// move the needle (about the coil's radius).
constexpr int CoilReach = 450;

// Whether the magnet at a scroll-bar value is in the coil or near enough its opening to drive a
// current when it moves; from the value 50 on.
constexpr bool magnetNearCoil(int value)
{
    return magnetLeft(value) + MagnetNorthEnd >= CoilOpening - CoilReach;
}

} // namespace activity
