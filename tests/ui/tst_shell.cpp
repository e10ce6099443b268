// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "activityscreens.h"
#include "backdrop.h"
#include "classresults.h"
#include "displayscale.h"
#include "fonts.h"
#include "highcontrast.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "metafile/wmfwriter.h"
#include "pageviewer.h"
#include "picturebox.h"
#include "quizscreen.h"
#include "resultsscreen.h"
#include "reviewscreen.h"
#include "standardlook.h"
#include "titlescreen.h"
#include "topichub.h"
#include "worksheetcatalogue.h"
#include "worksheetwizard.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTimer>

#include <fontconfig/fontconfig.h>

static const QString Click = QStringLiteral("wav\\click.wav");

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void designFacesResolve_data();
    void designFacesResolve();
    void fontConfigurationIsTheMachines_data();
    void fontConfigurationIsTheMachines();
    void boldIsHeavierWithNaturalGaps_data();
    void boldIsHeavierWithNaturalGaps();
    void registryLoadsHiddenAndUnloadResets();
    void dressForm();
    void startSequence();
    void titleFallsBackWithoutItsPicture_data();
    void titleFallsBackWithoutItsPicture();
    void soundGating();
    void hover();
    void greyedEntriesDoNothing();
    void exitCancelExit();
    void exitAtFirstStartIsSilent();
    void catalogueRead_data();
    void catalogueRead();
    void menuTextFitsItsBoxes();
    void displayScale_data();
    void displayScale();
    void screensOnABoard_data();
    void screensOnABoard();
    void oneScreenInFrontOnABoard();
};

void TestShell::designFacesResolve_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("face");
    QTest::newRow("Tahoma") << "Tahoma"
                            << "Tahoma";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
}

void TestShell::designFacesResolve()
{
    QFETCH(QString, design);
    QFETCH(QString, face);
    QCOMPARE(fonts::registerDesignFaces(), QStringList());
    const QFontInfo info(fonts::design(design, 12));
    QCOMPARE(info.family(), face);
    QFont bold = fonts::design(design, 12, true);
    QVERIFY(QFontInfo(bold).bold());
}

void TestShell::fontConfigurationIsTheMachines_data()
{
    QTest::addColumn<QByteArray>("family");
    for (const char *family : {"sans-serif", "serif", "monospace", "Arial", "Times New Roman",
                               "Helvetica", "Courier New"})
        QTest::newRow(family) << QByteArray(family);
}

// The configuration the program loads itself matches each family to the face fontconfig's own
// start-up would.
void TestShell::fontConfigurationIsTheMachines()
{
    QFETCH(QByteArray, family);
    QVERIFY(fonts::loadConfiguration());
    static FcConfig *const machines = FcInitLoadConfigAndFonts();
    const auto face = [&family](FcConfig *config) {
        FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family.constData()));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern *match = FcFontMatch(config, pattern, &result);
        FcChar8 *file = nullptr;
        QByteArray found;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
            found = reinterpret_cast<const char *>(file);
        FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        return found;
    };
    const QByteArray ours = face(FcConfigGetCurrent());
    QVERIFY(!ours.isEmpty());
    QCOMPARE(ours, face(machines));
}

// "newtons" as a label draws it at 15.75 pt, or as a page's text record (Tahoma at the bold face's
// own advances, as pages are composed) drawn four times that size, as on a printed page.
static QImage newtons(bool bold, bool page)
{
    const QString word = QStringLiteral("newtons");
    if (!page) {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(fonts::tahoma(15.75, bold));
        p.drawText(10, 30, word);
        return image;
    }
    const QRawFont face(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"), 100);
    QVector<qint16> dx;
    for (const QPointF &a : face.advancesForGlyphIndexes(face.glyphIndexesForString(word)))
        dx.append(qint16(qRound(a.x())));
    wmf::Writer writer(QRect(0, 0, 950, 190), 1440);
    writer.mapToBounds();
    writer.selectObject(writer.createFont({QStringLiteral("Tahoma"), -100, bold ? 700 : 400}));
    writer.extTextOut(QPoint(48, 40), word.toLatin1(), dx);
    return wmf::renderToImage(wmf::read(writer.finish()).metafile, QSize(800, 160));
}

void TestShell::boldIsHeavierWithNaturalGaps_data()
{
    QTest::addColumn<bool>("page");
    QTest::newRow("screen") << false;
    QTest::newRow("page") << true;
}

// Bold must read as bold: clearly more ink than the regular word, and letters no further apart
// than the regular word's widest gap and a pixel.
void TestShell::boldIsHeavierWithNaturalGaps()
{
    QFETCH(bool, page);
    fonts::registerDesignFaces();
    double ink[2] = {0, 0};
    QVector<int> gaps[2]; // blank column runs between letters
    for (int bold = 0; bold < 2; ++bold) {
        const QImage image = newtons(bold, page);
        int run = -1;
        for (int x = 0; x < image.width(); ++x) {
            bool inked = false;
            for (int y = 0; y < image.height(); ++y) {
                ink[bold] += 255 - qGray(image.pixel(x, y));
                inked = inked || qGray(image.pixel(x, y)) < 160;
            }
            if (inked && run > 0)
                gaps[bold].append(run);
            run = inked ? 0 : run + (run >= 0);
        }
    }
    QVERIFY2(ink[1] > 1.3 * ink[0], qPrintable(QStringLiteral("%1, %2").arg(ink[1]).arg(ink[0])));
    QVERIFY(!gaps[0].isEmpty() && !gaps[1].isEmpty());
    const int widest = *std::max_element(gaps[0].cbegin(), gaps[0].cend());
    for (int gap : gaps[1])
        QVERIFY2(gap <= widest + 1,
                 qPrintable(QStringLiteral("%1 beside %2").arg(gap).arg(widest)));
}

void TestShell::registryLoadsHiddenAndUnloadResets()
{
    Harness h;
    auto &screens = h.ctx->screens;
    QVERIFY(!screens.loaded<MainMenu>());
    MainMenu *menu = screens.get<MainMenu>();
    QVERIFY(menu);
    QVERIFY(!menu->isVisible());
    QCOMPARE(int(h.ctx->state.soundOn), 1);  // the load handler ran
    QCOMPARE(screens.get<MainMenu>(), menu); // touching again does not reload

    // Change its state, unload, touch again: a fresh screen at its design state.
    control<QRadioButton>(menu, "soundOff")->click();
    control<LabelButton>(menu, "entries", MainMenu::Exit)->setOpaque(false);
    QCOMPARE(int(h.ctx->state.soundOn), 0);
    screens.unload<MainMenu>();
    QVERIFY(!screens.loaded<MainMenu>());
    settle();
    MainMenu *again = screens.get<MainMenu>();
    QVERIFY(control<LabelButton>(again, "entries", MainMenu::Exit)->isOpaque());
    QVERIFY(control<QRadioButton>(again, "soundOn")->isChecked());
    QCOMPARE(int(h.ctx->state.soundOn), 1);

    screens.show<MainMenu>();
    QVERIFY(again->isVisible());

    // A screen built ahead is not loaded: its load handler runs at the first touch, once.
    screens.unload<MainMenu>();
    settle();
    h.ctx->state.soundOn = 0;
    MainMenu *built = screens.build<MainMenu>();
    QVERIFY(!screens.loaded<MainMenu>());
    QCOMPARE(int(h.ctx->state.soundOn), 0);
    QCOMPARE(screens.build<MainMenu>(), built);
    QCOMPARE(screens.get<MainMenu>(), built);
    QCOMPARE(int(h.ctx->state.soundOn), 1);
    QCOMPARE(screens.build<MainMenu>(), built);
}

void TestShell::dressForm()
{
    QWidget form;
    auto *picture = new QWidget(&form);
    auto *other = new QWidget(&form);
    applyStandardLook(&form, picture);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(39, 63, 137));
    QCOMPARE(form.windowTitle(), QStringLiteral("Quorvel"));
    QCOMPARE(form.size(), QSize(800, 600));
    QCOMPARE(picture->palette().color(QPalette::Window), QColor(49, 135, 214));
    QVERIFY(!other->autoFillBackground());
}

void TestShell::startSequence()
{
    Harness h;
    auto &screens = h.ctx->screens;
    TitleScreen *title = screens.show<TitleScreen>();
    Backdrop *grey = screens.loaded<Backdrop>();
    QVERIFY(grey && grey->isVisible());
    QCOMPARE(grey->palette().color(QPalette::Window), QColor(48, 133, 214));
    QVERIFY(grey->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(title->isVisible());
    QCOMPARE(title->size(), QSize(364, 438));
    QVERIFY(control<PictureBox>(title, "titlePicture")->hasPicture());
    // Decoded at the size it is drawn (its file is twice that), so no paint scales it.
    QCOMPARE(control<PictureBox>(title, "titlePicture")->picture().size(), QSize(320, 240));
    QCOMPARE(control<QPushButton>(title, "okOrCancel")->text(), QStringLiteral("OK"));

    control<QPushButton>(title, "okOrCancel")->click();
    settle();
    QVERIFY(!screens.loaded<TitleScreen>());
    MainMenu *menu = screens.loaded<MainMenu>();
    QVERIFY(menu && menu->isVisible());
    QVERIFY(control<PictureBox>(menu, "menuPicture")->hasPicture());
    QCOMPARE(menu->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(h.sound.played, QStringList{Click});
}

void TestShell::titleFallsBackWithoutItsPicture_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("folder missing") << QByteArray();
    QTest::newRow("file damaged") << QByteArray("not a picture"); // found only once on view
}

void TestShell::titleFallsBackWithoutItsPicture()
{
    QFETCH(QByteArray, damaged);
    Harness h;
    h.removeFolder(QStringLiteral("Images"));
    if (!damaged.isEmpty())
        h.writeFile(QStringLiteral("Images/lightning2sm.jpg"), damaged);
    TitleScreen *title = h.ctx->screens.show<TitleScreen>();
    QVERIFY(!control<PictureBox>(title, "titlePicture")->hasPicture());
    QCOMPARE(title->size(), QSize(800, 600)); // dressed in the standard look
    QCOMPARE(title->windowTitle(), QStringLiteral("Quorvel: Welcome"));
    control<QPushButton>(title, "okOrCancel")->click();
    settle();
    QVERIFY(h.ctx->screens.loaded<MainMenu>()); // the menu still opens
    QVERIFY(!control<PictureBox>(h.ctx->screens.loaded<MainMenu>(), "menuPicture")->hasPicture());
}

void TestShell::soundGating()
{
    Harness h;
    h.ctx->playSound(Click); // before the menu ever loaded
    QVERIFY(h.sound.played.isEmpty());

    MainMenu *menu = h.ctx->screens.show<MainMenu>();
    h.ctx->playSound(Click);
    QCOMPARE(h.sound.played.size(), 1);

    control<QRadioButton>(menu, "soundOff")->click();
    menu->entryClicked(MainMenu::Electricity);
    menu->entryClicked(MainMenu::Exit);
    QCOMPARE(h.sound.played.size(), 1); // nothing reached the player
    control<QPushButton>(h.ctx->screens.get<TitleScreen>(), "okOrCancel")->click(); // "Cancel"
    QCOMPARE(h.sound.played.size(), 1);
    settle();

    control<QRadioButton>(menu, "soundOn")->click();
    menu->entryClicked(MainMenu::Electricity);
    QCOMPARE(h.sound.played.size(), 2);

    // Off again, then the menu loads afresh: sound is back on.
    control<QRadioButton>(menu, "soundOff")->click();
    h.ctx->screens.unload<MainMenu>();
    settle();
    MainMenu *fresh = h.ctx->screens.show<MainMenu>();
    QVERIFY(control<QRadioButton>(fresh, "soundOn")->isChecked());
    fresh->entryClicked(MainMenu::Introduction);
    QCOMPARE(h.sound.played.size(), 3);
}

void TestShell::hover()
{
    Harness h;
    MainMenu *menu = h.ctx->screens.get<MainMenu>();
    // An entry is drawn once when the screen opens and once when its look changes.
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    control<LabelButton>(menu, "entries", MainMenu::MultipleChoiceWizard)
        ->installEventFilter(&count); // opaque at first
    menu->showScreen();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    settle();
    QCOMPARE(count.paints, 1);
    for (int i : MainMenu::EntryIndices) {
        const bool topic = i <= MainMenu::NuclearForces || i == MainMenu::Introduction;
        QCOMPARE(control<LabelButton>(menu, "entries", i)->isOpaque(), !topic);
    }

    // Real pointer moves: over an entry highlights it; entries stay lit until the background.
    LabelButton *electricity = control<LabelButton>(menu, "entries", MainMenu::Electricity);
    LabelButton *faraday = control<LabelButton>(menu, "entries", MainMenu::MichaelFaraday);
    QTest::mouseMove(menu, QPoint(5, 590));
    settle();
    QCOMPARE(count.paints, 2);
    QTest::mouseMove(electricity, electricity->rect().center());
    QVERIFY(electricity->isOpaque());
    QTest::mouseMove(faraday, faraday->rect().center());
    QVERIFY(electricity->isOpaque());
    QVERIFY(faraday->isOpaque());

    // Over a plain label (the title) is not the background.
    QTest::mouseMove(control<QLabel>(menu, "titleText"),
                     control<QLabel>(menu, "titleText")->rect().center());
    QVERIFY(faraday->isOpaque());

    QTest::mouseMove(menu, QPoint(5, 590));
    for (int i : MainMenu::EntryIndices)
        QVERIFY2(!control<LabelButton>(menu, "entries", i)->isOpaque(),
                 qPrintable(control<LabelButton>(menu, "entries", i)->text()));

    Q_EMIT control<LabelButton>(menu, "entries", MainMenu::Gravity)
        ->mouseMoved(); // greyed: never highlights
    QVERIFY(!control<LabelButton>(menu, "entries", MainMenu::Gravity)->isOpaque());
}

void TestShell::greyedEntriesDoNothing()
{
    Harness h;
    MainMenu *menu = h.ctx->screens.show<MainMenu>();
    for (int i : {0, 1, 2, 3, 4, 5, 6, 9, 10}) {
        QVERIFY(!control<LabelButton>(menu, "entries", i)->isEnabled());
        QTest::mouseClick(control<LabelButton>(menu, "entries", i), Qt::LeftButton);
        menu->entryClicked(i);
    }
    QVERIFY(h.sound.played.isEmpty());
    // An entry whose screen is not in this build still clicks.
    QTest::mouseClick(control<LabelButton>(menu, "entries", MainMenu::MultipleChoiceWizard),
                      Qt::LeftButton);
    QCOMPARE(h.sound.played, QStringList{Click});
}

void TestShell::exitCancelExit()
{
    Harness h;
    auto &screens = h.ctx->screens;
    control<QPushButton>(screens.show<TitleScreen>(), "okOrCancel")->click();
    settle();
    MainMenu *menu = screens.loaded<MainMenu>();
    h.sound.played.clear();

    control<LabelButton>(menu, "entries", MainMenu::Exit)->clicked();
    TitleScreen *exitScreen = screens.loaded<TitleScreen>();
    QVERIFY(exitScreen && exitScreen->isVisible());
    QCOMPARE(control<QPushButton>(exitScreen, "okOrCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(h.sound.played, QStringList{Click});

    control<QPushButton>(exitScreen, "okOrCancel")->click(); // Cancel
    settle();
    QVERIFY(!screens.loaded<TitleScreen>());
    QCOMPARE(screens.loaded<MainMenu>(), menu); // the same menu, never reloaded
    QCOMPARE(h.sound.played.size(), 2);
    QCOMPARE(h.ended, 0);

    menu->entryClicked(MainMenu::Exit);
    QCOMPARE(control<QPushButton>(screens.get<TitleScreen>(), "okOrCancel")->text(),
             QStringLiteral("Cancel"));
    control<QPushButton>(screens.get<TitleScreen>(), "exitProgram")->click(); // Exit
    QCOMPARE(h.ended, 1);
    QCOMPARE(h.sound.played.size(), 4);
    QCOMPARE(h.sound.played.last(), Click);
}

void TestShell::exitAtFirstStartIsSilent()
{
    Harness h;
    control<QPushButton>(h.ctx->screens.show<TitleScreen>(), "exitProgram")->click();
    QCOMPARE(h.ended, 1);
    QVERIFY(h.sound.played.isEmpty());
}

void TestShell::catalogueRead_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no catalogue file at all
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("two titles") << QByteArray(" 2 \r\nLight\r\nSound\r\n") << 2 << "Sound";
    QTest::newRow("missing file") << QByteArray() << 0 << QString();
    QTest::newRow("short file") << QByteArray(" 3 \r\nLight\r\n") << 1 << "Light";
    QTest::newRow("not a number") << QByteArray("lots\r\nLight\r\n") << 0 << QString();
}

void TestShell::catalogueRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, count);
    QFETCH(QString, last);
    Harness h;
    QFile::remove(h.file(QStringLiteral("multiple/track.txt")));
    if (!file.isEmpty())
        h.writeFile(QStringLiteral("multiple/track.txt"), file);
    MainMenu *menu = h.ctx->screens.show<MainMenu>();
    QVERIFY(control<QTimer>(menu, "catalogueTimer")->isActive());
    QTRY_VERIFY(!control<QTimer>(menu, "catalogueTimer")->isActive());
    QCOMPARE(int(h.ctx->state.worksheetCount), count);
    if (count > 0)
        QCOMPARE(h.ctx->state.worksheetTitles[count], last);
    QVERIFY(h.boxes.shown.isEmpty());
}

void TestShell::menuTextFitsItsBoxes()
{
    Harness h;
    QList<QLabel *> labels;
    MainMenu *menu = h.ctx->screens.get<MainMenu>();
    labels << control<QLabel>(menu, "titleText") << control<QLabel>(menu, "footerText");
    for (int i : MainMenu::EntryIndices)
        labels << control<LabelButton>(menu, "entries", i);
    TitleScreen *title = h.ctx->screens.get<TitleScreen>();
    labels << control<QLabel>(title, "titleText") << control<QLabel>(title, "authorsText")
           << control<QLabel>(title, "programmingText") << control<QLabel>(title, "editorText")
           << control<QLabel>(title, "copyrightText");
    for (QLabel *label : labels) {
        const QFontMetrics metrics(label->font());
        const int inner = label->contentsRect().width();
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= inner,
                 qPrintable(QStringLiteral("'%1' is %2 px wide in a %3 px box")
                                .arg(label->text())
                                .arg(metrics.horizontalAdvance(label->text()))
                                .arg(inner)));
        QVERIFY2(metrics.height() <= label->contentsRect().height(), qPrintable(label->text()));
    }
    for (QRadioButton *o :
         {control<QRadioButton>(menu, "soundOn"), control<QRadioButton>(menu, "soundOff")})
        QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
}

void TestShell::displayScale_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("desktop");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<double>("factor");
    // Full screen fills the height (or the width) whatever the desktop's scale.
    QTest::addRow("1080p board") << QSize(1920, 1080) << QSize(1920, 1032) << 1.0 << true << 1.8;
    QTest::addRow("4K board") << QSize(3840, 2160) << QSize(3840, 2112) << 2.0 << true << 3.6;
    QTest::addRow("1440p board") << QSize(2560, 1440) << QSize(2560, 1440) << 1.0 << true << 2.4;
    QTest::addRow("4:3 projector") << QSize(1024, 768) << QSize(1024, 768) << 1.0 << true << 1.28;
    // A window: the desktop's scale, lowered to fit the area the panels leave.
    QTest::addRow("1080p at 200 per cent")
        << QSize(1920, 1080) << QSize(1920, 1032) << 2.0 << false << 1.72;
    QTest::addRow("1080p at 150 per cent")
        << QSize(1920, 1080) << QSize(1920, 1032) << 1.5 << false << 1.5;
    QTest::addRow("800 x 600") << QSize(800, 600) << QSize(800, 600) << 1.0 << false << 1.0;
}

void TestShell::displayScale()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, available);
    QFETCH(double, desktop);
    QFETCH(bool, fullScreen);
    QFETCH(double, factor);
    QCOMPARE(displayscale::factorFor(screen, available, desktop, fullScreen), factor);
}

// Opens a screen of each kind the way a person reaches it.
static Screen *openScreen(Harness &h, const QString &kind)
{
    auto &r = h.ctx->screens;
    const std::map<QString, std::function<Screen *()>> ways = {
        {"title", [&r] { return r.show<TitleScreen>(); }},
        {"menu", [&r] { return r.show<MainMenu>(); }},
        {"hub", [&r] { return r.show<TopicHub>(1); }},
        {"quiz",
         [&r] {
             r.show<TopicHub>(1)->buttonClicked(TopicHub::MultipleChoice);
             return r.loaded<QuizScreen>();
         }},
        {"results", [&r] { return r.show<ResultsScreen>(); }},
        {"review", [&r] { return r.show<ReviewScreen>(); }},
        {"labelling",
         [&r] {
             r.show<TopicHub>(1)->buttonClicked(TopicHub::LabellingActivity);
             return r.loaded<LabellingActivity>(1);
         }},
        {"ordering",
         [&r] {
             r.show<TopicHub>(1)->buttonClicked(TopicHub::OrderingActivity);
             return r.loaded<OrderingActivity>(1);
         }},
        {"key facts",
         [&r] {
             r.show<TopicHub>(1)->buttonClicked(TopicHub::KeyFacts);
             return r.loaded<PageViewer>();
         }},
        {"catalogue", [&r] { return r.show<WorksheetCatalogue>(); }},
        {"wizard", [&r] { return r.show<WorksheetWizard>(); }},
        {"class results", [&r] { return r.show<ClassResults>(); }},
    };
    Screen *screen = ways.at(kind)();
    settle();
    return screen;
}

void TestShell::screensOnABoard_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"title", "menu", "hub", "quiz", "results", "review", "labelling",
                             "ordering", "key facts", "catalogue", "wizard", "class results"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// On a 2560 x 1440 board (the test's own screen) full screen draws the design 2.4 times, centred:
// every control where it is at design size, none outside the screen or under 24 px a side, every
// text whole at the size drawn; with High Contrast every text at 7:1 or more as drawn.
void TestShell::screensOnABoard()
{
    QFETCH(QString, kind);
    const double scale = 2.4;
    struct Restore {
        ~Restore()
        {
            displayscale::setFullScreen(false);
            highcontrast::setOn(false);
        }
    } restore;
    const auto controls = [](Screen *screen) {
        QList<QPair<QWidget *, QRect>> found;
        for (QWidget *w : screen->findChildren<QWidget *>()) {
            if (w->isVisibleTo(screen) && (qobject_cast<QLabel *>(w) || w->focusPolicy()))
                found.append({w, QRect(w->mapTo(screen, QPoint()), w->size())});
        }
        return found;
    };
    QList<QPair<QWidget *, QRect>> atDesignSize;
    {
        Harness h;
        atDesignSize = controls(openScreen(h, kind));
    }
    settle();
    displayscale::setFullScreen(true);
    Harness h;
    Screen *screen = openScreen(h, kind);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QVERIFY(qAbs(screen->devicePixelRatioF() - scale) < 1e-3);
    // Centred on the board's 2560 x 1440 pixels, whichever window it is drawn in.
    const QPoint at = screen->mapToGlobal(QPoint());
    QVERIFY(qAbs((at.x() + screen->width() / 2.0) * scale - 1280) <= scale);
    QVERIFY(qAbs((at.y() + screen->height() / 2.0) * scale - 720) <= scale);
    const auto onBoard = controls(screen);
    QCOMPARE(onBoard.size(), atDesignSize.size());
    for (qsizetype i = 0; i < onBoard.size(); ++i) {
        QWidget *w = onBoard[i].first;
        const QRect place = onBoard[i].second;
        const QString name = QStringLiteral("%1 '%2'").arg(
            QString::fromLatin1(w->metaObject()->className()),
            qobject_cast<QLabel *>(w)            ? qobject_cast<QLabel *>(w)->text()
            : qobject_cast<QAbstractButton *>(w) ? qobject_cast<QAbstractButton *>(w)->text()
                                                 : w->objectName());
        QVERIFY2(place == atDesignSize[i].second, qPrintable(name));
        // Some designs run a label or picture past the window's edge: the part on view counts.
        const QRect shown = place.intersected(screen->rect()).translated(-place.topLeft());
        QVERIFY2(!shown.isEmpty(), qPrintable(name));
        if (w->focusPolicy())
            QVERIFY2(qMin(place.width(), place.height()) * scale >= 24, qPrintable(name));
        // The text as drawn: the font at 2.4 times its size in the box at 2.4 times its size.
        QFont drawn = w->font();
        if (drawn.pixelSize() > 0)
            drawn.setPixelSize(qRound(drawn.pixelSize() * scale));
        else
            drawn.setPointSizeF(drawn.pointSizeF() * scale);
        const QFontMetricsF metrics(drawn);
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const auto scaled = [scale](const QRect &r) {
                return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale);
            };
            const QRectF box = scaled(label->contentsRect());
            QRectF needed = metrics.boundingRect(
                box, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                label->text());
            // A label button draws a text too long for it smaller, down to 70 %.
            if (qobject_cast<LabelButton *>(w))
                needed =
                    QRectF(QPointF(), needed.size() * 0.7)
                        .translated(box.center() - QPointF(needed.width(), needed.height()) * 0.35);
            const QRectF room = scaled(label->contentsRect() & shown).adjusted(-1, -1, 1, 1);
            QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("%1 needs %2 x %3 in %4 x %5")
                                                           .arg(name)
                                                           .arg(needed.width())
                                                           .arg(needed.height())
                                                           .arg(room.width())
                                                           .arg(room.height())));
        } else if (auto *button = qobject_cast<QAbstractButton *>(w);
                   button && !button->text().isEmpty()) {
            const double rest = button->sizeHint().width() -
                                QFontMetricsF(button->font()).horizontalAdvance(button->text());
            QVERIFY2(rest * scale + metrics.horizontalAdvance(button->text()) <=
                         button->width() * scale + 1,
                     qPrintable(name));
        }
    }

    // High Contrast: the strongest contrast between a text's background (the median brightness of
    // its box; the text's own pixels are the fewer) and any of its pixels, as the screen draws it.
    highcontrast::setOn(true);
    settle();
    const QImage drawn = screen->grab().toImage();
    for (const auto &[w, place] : onBoard) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.trimmed().isEmpty())
            continue;
        const QImage part = drawn.copy(
            QRectF(QPointF(place.topLeft()) * scale, QSizeF(place.size()) * scale).toAlignedRect());
        std::vector<std::pair<double, QRgb>> pixels;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                pixels.emplace_back(highcontrast::ratio(part.pixel(x, y), Qt::black),
                                    part.pixel(x, y));
        std::sort(pixels.begin(), pixels.end());
        const QColor back(pixels[pixels.size() / 2].second);
        const double best = std::max(highcontrast::ratio(back, pixels.front().second),
                                     highcontrast::ratio(back, pixels.back().second));
        QVERIFY2(best >= 7, qPrintable(QStringLiteral("%1 at %2:1").arg(text).arg(best)));
    }
}

// Full screen draws the screens in one window: only the one in front is on view, the one under it
// comes back when it is unloaded, and leaving full screen gives each its own window again.
void TestShell::oneScreenInFrontOnABoard()
{
    struct Restore {
        ~Restore() { displayscale::setFullScreen(false); }
    } restore;
    displayscale::setFullScreen(true);
    Harness h;
    auto &screens = h.ctx->screens;
    control<QPushButton>(screens.show<TitleScreen>(), "okOrCancel")->click();
    MainMenu *menu = screens.loaded<MainMenu>();
    TopicHub *hub = screens.show<TopicHub>(1);
    settle();
    QVERIFY(hub->isVisible() && !menu->isVisible());
    QCOMPARE(hub->window(), menu->window());
    QCOMPARE(hub->window()->windowTitle(), hub->windowTitle());

    screens.unload(hub);
    settle();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->window()->windowTitle(), menu->windowTitle());
    // The menu's Exit shows the title over the backdrop's colour, the menu under it not on view.
    control<LabelButton>(menu, "entries", MainMenu::Exit)->clicked();
    TitleScreen *exitScreen = screens.loaded<TitleScreen>();
    QVERIFY(exitScreen->isVisible() && !menu->isVisible());
    control<QPushButton>(exitScreen, "okOrCancel")->click(); // Cancel
    settle();
    QVERIFY(menu->isVisible());

    displayscale::setFullScreen(false);
    settle();
    QVERIFY(menu->isWindow() && menu->isVisible());
    QCOMPARE(menu->size(), displayscale::Design);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
