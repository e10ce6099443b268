// SPDX-License-Identifier: GPL-3.0-or-later
#include "activitydata.h"

namespace activity
{

QColor yellow()
{
    return QColor(255, 255, 0); // &H0000FFFF
}

QColor green()
{
    return QColor(0, 255, 0); // &H0000FF00
}

QColor lightCyan()
{
    return QColor(128, 255, 255); // &H00FFFF80
}

QColor orange()
{
    return QColor(255, 128, 0); // &H000080FF
}

namespace
{

const QString Tahoma = QStringLiteral("Tahoma");
const QString Times = QStringLiteral("Times New Roman");

FontDesign tahoma(double points)
{
    return {Tahoma, points, true};
}

FontDesign timesRegular(double points)
{
    return {Times, points, false};
}

FontDesign timesBold(double points)
{
    return {Times, points, true};
}

TwipRect twipRect(const QRect &r)
{
    return {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
}

// Items whose boxes and labels share one size.
ItemDesign item(const char *text, int w, int h, QPoint target, QPoint start, int group = 0)
{
    return {QString::fromUtf8(text), QRect(target, QSize(w, h)), QRect(start, QSize(w, h)), group,
            QString()};
}

// Names the target boxes, in item order, by what they stand for.
void nameBoxes(ActivityDesign &d, std::initializer_list<const char *> names)
{
    size_t i = 0;
    for (const char *name : names)
        d.items.at(i++).box = QString::fromUtf8(name);
}

TextDesign text(int index, const char *caption, QRect rect, const FontDesign &font, QColor color,
                Qt::Alignment align = Qt::AlignHCenter)
{
    return {index, QString::fromUtf8(caption), rect, font, color, align};
}

constexpr PictureArray BackPictures = PictureArray::BackPictures;
constexpr PictureArray FrontPictures = PictureArray::FrontPictures;

PictureDesign picture(PictureArray control, int index, const char *file, QRect frame)
{
    return {control, index, QString::fromLatin1(file), frame};
}

LineDesign line(const char *control, int index, int x1, int y1, int x2, int y2)
{
    return {QString::fromLatin1(control), index, QLine(x1, y1, x2, y2), yellow()};
}

const char *const DragHint = "Drag the labels into the correct boxes.";

ActivityDesign makeIntroductionlab()
{
    ActivityDesign d;
    d.name = QStringLiteral("introductionlab");
    d.itemFont = tahoma(11.25);
    const int w = 2340, h = 375;
    d.items = {
        item("Friction", w, h, {4860, 7380}, {720, 1290}),
        item("Magnetism", w, h, {8700, 1760}, {720, 2640}),
        item("The Electric Force", w, h, {4620, 3920}, {720, 2190}),
        item("Gravity", w, h, {690, 7380}, {720, 1740}),
        item("Rocket Engine", w, h, {8880, 7380}, {720, 840}),
    };
    nameBoxes(
        d,
        {QT_TRANSLATE_NOOP("ActivityScreen", "Box 1 of 5, under the picture of a match"),
         QT_TRANSLATE_NOOP("ActivityScreen", "Box 2 of 5, under the picture of a magnet"),
         QT_TRANSLATE_NOOP("ActivityScreen", "Box 3 of 5, under the picture of lightning"),
         QT_TRANSLATE_NOOP("ActivityScreen", "Box 4 of 5, under the picture of a roller coaster"),
         QT_TRANSLATE_NOOP("ActivityScreen", "Box 5 of 5, under the picture of a rocket")});
    d.pictures = {
        picture(BackPictures, 0, "Images\\magnetsm.jpg", {8040, 300, 3660, 1380}),
        picture(BackPictures, 1, "Images\\matchbox.jpg", {4200, 4560, 3660, 2760}),
        picture(BackPictures, 2, "Images\\roller.jpg", {360, 3240, 3060, 4095}),
        picture(BackPictures, 3, "Images\\lightningsm.jpg", {3960, 1095, 3660, 2760}),
        picture(BackPictures, 4, "Images\\blastoff.jpg", {8640, 2460, 2820, 4860}),
    };
    d.texts = {
        text(-1, "Introduction", {120, 120, 2745, 705}, timesRegular(24), yellow()),
        text(1, "Label these pictures that illustrate a variety of forces.", {3480, 120, 3945, 825},
             timesRegular(15.75), yellow()),
        text(0, DragHint, {600, 7920, 2385, 585}, tahoma(11.25), lightCyan(), Qt::AlignRight),
    };
    return d;
}

ActivityDesign makeElectricitylab()
{
    ActivityDesign d;
    d.name = QStringLiteral("electricitylab");
    d.experiment = Experiment::CircuitSwitch;
    d.itemFont = tahoma(14.25);
    const int w = 1440, h = 495;
    d.items = {
        item("battery", w, h, {2760, 2880}, {8280, 7200}),
        item("switch", w, h, {5880, 3720}, {8280, 6600}),
        item("wire", w, h, {4200, 1200}, {9840, 7200}),
        item("bulb", w, h, {7800, 720}, {9840, 6600}),
    };
    // By how each part looks, so that the names do not give the answers away.
    nameBoxes(d, {QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 1 of 4, beside the orange part marked plus and minus on "
                                    "the left of the circuit"),
                  QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 2 of 4, above the lever at the bottom of the circuit"),
                  QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 3 of 4, above the red line along the top of the circuit"),
                  QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 4 of 4, beside the glass globe at the top right of the "
                                    "circuit")});
    d.pictures = {
        picture(BackPictures, 0, pictures::CircuitOff, {0, -1320, 12000, 9000}),
    };
    d.texts = {
        text(-1, "Electricity", {240, 120, 4305, 705}, timesRegular(27.75), yellow(),
             Qt::AlignLeft),
        text(1, "Click the switch to turn the electric current on and off.", {3000, 120, 4185, 825},
             timesRegular(15.75), green()),
        text(0,
             "Drag the labels into the correct boxes to label the parts of this electric circuit.",
             {1440, 6840, 6585, 945}, timesBold(18), green()),
    };
    return d;
}

ActivityDesign makeFaradaylab()
{
    ActivityDesign d;
    d.name = QStringLiteral("faradaylab");
    d.experiment = Experiment::FaradayBench;
    d.background = QColor(40, 65, 136);
    d.itemFont = tahoma(9.75);
    const int w = 2640, h = 855;
    d.items = {
        item("An electric current will deflect a compass needle.", w, h, {840, 5640}, {9060, 2760}),
        item("A moving magnet will generate an electric current.", w, h, {5160, 4920},
             {9060, 5640}),
        item("A bar magnet will attract iron filings.", w, h, {5040, 2880}, {9060, 3720}),
        item("An electric current will light a bulb.", w, h, {840, 2880}, {9060, 4680}),
    };
    nameBoxes(d, {QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 1 of 4, in the lower circuit, whose wire runs over a "
                                    "compass"),
                  QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 2 of 4, between the meter and the coil that the magnet "
                                    "moves into"),
                  QT_TRANSLATE_NOOP("ActivityScreen",
                                    "Box 3 of 4, under the picture of iron filings round a bar "
                                    "magnet"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Box 4 of 4, in the upper circuit")});
    // The compass and the magnet (FrontPictures) lie over the circuits (BackPictures).
    d.pictures = {
        picture(BackPictures, 0, pictures::SwitchOff, {-360, 1200, 4800, 3600}),
        picture(BackPictures, 1, "Images\\magnet2sm.jpg", {4560, 1680, 3600, 1320}),
        picture(BackPictures, 2, pictures::SwitchOff, {-360, 3960, 4800, 3600}),
        picture(BackPictures, 3, pictures::GeneratorRest, {4080, 3240, 4800, 3600}),
        picture(FrontPictures, 0, pictures::CompassOff, {1320, 6720, 1410, 1335}),
        picture(FrontPictures, 1, "Images\\mag.jpg", {magnetLeft(0), MagnetTop, 2385, 1410}),
    };
    d.texts = {
        text(-1, "Michael Faraday", {120, 120, 4305, 705}, timesRegular(27.75), yellow(),
             Qt::AlignLeft),
        text(0,
             "The experiments of Oersted and Faraday showed that there is a close connection "
             "between the electric and magnetic forces.",
             // At 15.75 pt the sentence runs a few pixels past two lines and its third line
             // would fall over the instruction below; 15 pt keeps it to two.
             {4080, 120, 7665, 945}, timesRegular(15), yellow()),
        text(1,
             "Click the switches to turn the electric currents on and off. Drag the scroll bar "
             "to move the magnet.",
             {360, 960, 7665, 825}, timesRegular(15.75), green()),
        text(2, "Drag the labels into the correct boxes to label the illustrations.",
             {9000, 1680, 2745, 1065}, timesRegular(15.75), yellow()),
    };
    return d;
}

ActivityDesign makeIntroductionord()
{
    ActivityDesign d;
    d.name = QStringLiteral("introductionord");
    d.itemFont = tahoma(11.25);
    d.startSound = true;
    const int w = 2835, h = 435;
    d.items = {
        item("Plastic surface", w, h, {8160, 3840}, {8940, 7320}),
        item("Edge of a matchbox", w, h, {8160, 1200}, {6000, 7320}),
        item("Wet bar of soap", w, h, {8160, 5160}, {3060, 7320}),
        item("Piece of wood", w, h, {8160, 2520}, {120, 7320}),
    };
    // Top to bottom: most friction to least.
    nameBoxes(d,
              {QT_TRANSLATE_NOOP("ActivityScreen", "Friction scale, place 3 of 4"),
               QT_TRANSLATE_NOOP("ActivityScreen", "Friction scale, place 1 of 4, most friction"),
               QT_TRANSLATE_NOOP("ActivityScreen", "Friction scale, place 4 of 4, least friction"),
               QT_TRANSLATE_NOOP("ActivityScreen", "Friction scale, place 2 of 4")});
    d.texts = {
        text(-1, "Introduction", {120, 120, 2985, 705}, timesRegular(24), yellow()),
        text(-1, "Most friction", {5520, 1200, 2025, 345}, tahoma(14.25), yellow(), Qt::AlignRight),
        text(-1, "Least friction", {5640, 5160, 1905, 345}, tahoma(14.25), yellow(),
             Qt::AlignRight),
        text(-1,
             "Put these items in order of the amount of friction that you would feel if you ran "
             "your finger across them.",
             {360, 2280, 4800, 2505}, timesRegular(20.25), yellow()),
        text(-1, DragHint, {120, 7920, 2745, 825}, tahoma(12), lightCyan()),
    };
    d.lines = {line("Line1", -1, 7680, 1440, 7680, 5400)};
    int index = 0;
    for (int y : {1440, 2760, 4080, 5400})
        d.lines.push_back(line("Line2", index++, 7920, y, 7680, y));
    return d;
}

ActivityDesign makeElectricityord()
{
    ActivityDesign d;
    d.name = QStringLiteral("electricityord");
    d.itemFont = tahoma(11.25);
    d.scoring = Scoring::Grouped;
    const int w = 1605, h = 375;
    enum { Insulators = 0, Conductors = 1 };
    d.items = {
        item("Wood", w, h, {7080, 3960}, {6840, 7320}, Insulators),
        item("Plastic", w, h, {7080, 3360}, {3480, 7320}, Insulators),
        item("Rubber", w, h, {7080, 2760}, {5160, 6840}, Insulators),
        item("Glass", w, h, {7080, 4560}, {5160, 7320}, Insulators),
        item("Wool", w, h, {7080, 5160}, {6840, 6840}, Insulators),
        item("Silver", w, h, {3240, 3360}, {8520, 7320}, Conductors),
        item("Graphite", w, h, {3240, 3960}, {1800, 7320}, Conductors),
        item("Saltwater", w, h, {3240, 4560}, {8520, 6840}, Conductors),
        item("Copper", w, h, {3240, 2760}, {1800, 6840}, Conductors),
        item("Steel", w, h, {3240, 5160}, {3480, 6840}, Conductors),
    };
    nameBoxes(d, {QT_TRANSLATE_NOOP("ActivityScreen", "Insulators, place 3 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Insulators, place 2 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Insulators, place 1 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Insulators, place 4 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Insulators, place 5 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Conductors, place 2 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Conductors, place 3 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Conductors, place 4 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Conductors, place 1 of 5"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Conductors, place 5 of 5")});
    d.texts = {
        text(-1, "Electricity", {0, 0, 3105, 825}, timesRegular(27.75), yellow()),
        text(0, "Conductors", {1140, 2160, 5865, 585}, timesRegular(20.25), orange()),
        text(2, "Insulators", {4980, 2160, 5745, 555}, timesRegular(20.25), green()),
        text(-1,
             "Order the materials below into those that will conduct electricity and those that "
             "won't.",
             {1680, 840, 8625, 1305}, timesRegular(24), yellow()),
        text(-1, DragHint, {120, 7860, 2505, 585}, tahoma(12), lightCyan(), Qt::AlignLeft),
    };
    return d;
}

ActivityDesign makeFaradayord()
{
    ActivityDesign d;
    d.name = QStringLiteral("faradayord");
    d.itemFont = tahoma(11.25);
    d.startSound = true;
    const int w = 3915, h = 675;
    d.items = {
        item("Faraday started the Royal Institution Christmas Lectures.", w, h, {7800, 2880},
             {1080, 1920}),
        item("Michael Faraday was born, son of a blacksmith.", w, h, {7800, 240}, {1080, 2760}),
        item("Faraday gave his last Royal Institution Christmas Lecture.", w, h, {7800, 5520},
             {1080, 5280}),
        item("Faraday built the first electric motor.", w, h, {7800, 1560}, {1080, 6120}),
        item("Faraday discovered the electric generator.", w, h, {7800, 4200}, {1080, 4440}),
        item("Michael Faraday died.", w, h, {7800, 6840}, {1080, 3600}),
    };
    nameBoxes(d, {QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1826"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1791"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1861"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1821"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1831"),
                  QT_TRANSLATE_NOOP("ActivityScreen", "Timeline, 1867")});
    d.texts = {
        text(-1, "Michael Faraday", {120, 120, 4065, 705}, timesRegular(24), yellow()),
        text(-1, "Place these events correctly along the timeline.", {720, 840, 4800, 945},
             timesRegular(20.25), green()),
        text(-1, DragHint, {120, 7800, 2745, 825}, tahoma(12), lightCyan()),
    };
    const struct {
        const char *year;
        int top;
    } years[] = {{"1791", 480},  {"1821", 1800}, {"1826", 3120},
                 {"1831", 4440}, {"1861", 5760}, {"1867", 6960}};
    for (const auto &y : years)
        d.texts.push_back(
            text(-1, y.year, {6120, y.top, 1065, 345}, tahoma(12), yellow(), Qt::AlignRight));
    d.lines = {line("Line1", -1, 7320, 600, 7320, 7200)};
    const struct {
        int index;
        int y;
    } ticks[] = {{0, 600}, {1, 1920}, {2, 3240}, {3, 4560}, {4, 5880}, {6, 7200}};
    for (const auto &t : ticks)
        d.lines.push_back(line("Line2", t.index, 7560, t.y, 7320, t.y));
    return d;
}

} // namespace

Engine ActivityDesign::engine() const
{
    std::vector<TwipRect> targets;
    std::vector<TwipRect> starts;
    std::vector<int> groups;
    for (const ItemDesign &i : items) {
        targets.push_back(twipRect(i.target));
        starts.push_back(twipRect(i.start));
        groups.push_back(i.group);
    }
    return Engine(std::move(targets), std::move(starts), scoring, std::move(groups));
}

const ButtonDesign &buttonDesign(int index)
{
    static const ButtonDesign buttons[] = {
        {QString::fromLatin1(QT_TRANSLATE_NOOP("Buttons", "Exit")), {10560, 7920, 1245, 495}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("Buttons", "Start Again")), {3360, 7920, 2565, 495}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("Buttons", "Check Score")), {6000, 7920, 2565, 495}},
    };
    return buttons[index];
}

const ActivityDesign &introductionlabDesign()
{
    static const ActivityDesign d = makeIntroductionlab();
    return d;
}

const ActivityDesign &electricitylabDesign()
{
    static const ActivityDesign d = makeElectricitylab();
    return d;
}

const ActivityDesign &faradaylabDesign()
{
    static const ActivityDesign d = makeFaradaylab();
    return d;
}

const ActivityDesign &introductionordDesign()
{
    static const ActivityDesign d = makeIntroductionord();
    return d;
}

const ActivityDesign &electricityordDesign()
{
    static const ActivityDesign d = makeElectricityord();
    return d;
}

const ActivityDesign &faradayordDesign()
{
    static const ActivityDesign d = makeFaradayord();
    return d;
}

std::vector<const ActivityDesign *> allDesigns()
{
    return {&introductionlabDesign(), &electricitylabDesign(), &faradaylabDesign(),
            &introductionordDesign(), &electricityordDesign(), &faradayordDesign()};
}

} // namespace activity
