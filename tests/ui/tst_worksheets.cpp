// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "classresults.h"
#include "importlist.h"
#include "journal.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "picturebox.h"
#include "questionfile.h"
#include "quizscreen.h"
#include "twips.h"
#include "worksheetcatalogue.h"
#include "worksheetwizard.h"

#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

static const QString Click = QStringLiteral("wav\\click.wav");
static const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");
static const QString Track = QStringLiteral("multiple/track.txt");

namespace
{

QByteArray catalogueBytes(const QStringList &titles)
{
    QByteArray bytes = " " + QByteArray::number(titles.size()) + " \r\n";
    for (const QString &t : titles)
        bytes += t.toLatin1() + "\r\n";
    return bytes;
}

QStringList numberedTitles(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

// A complete worksheet whose texts name its title, with the correct answer of question q at
// answer (q mod 4).
QByteArray worksheetBytes(const QString &title)
{
    questionfile::Worksheet sheet;
    sheet.title = title;
    for (int q = 0; q < 10; ++q) {
        questionfile::Question &question = sheet.questions[q];
        question.text = QStringLiteral("%1, question %2").arg(title).arg(q + 1);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QStringLiteral("answer %1%2").arg(q + 1).arg(QChar('A' + a));
        question.ticks[q % 4] = true;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    questionfile::write(&buffer, sheet);
    return buffer.data();
}

QStringList shownSlots(const WorksheetCatalogue *screen)
{
    QStringList shown;
    for (int k = 1; k <= WorksheetCatalogue::Slots; ++k) {
        if (!control<LabelButton>(screen, "titleButtons", k)->isHidden())
            shown << control<LabelButton>(screen, "titleButtons", k)->text();
    }
    return shown;
}

int slotOf(const WorksheetCatalogue *screen, const QString &title)
{
    for (int k = 1; k <= WorksheetCatalogue::Slots; ++k) {
        if (!control<LabelButton>(screen, "titleButtons", k)->isHidden() &&
            control<LabelButton>(screen, "titleButtons", k)->text() == title)
            return k;
    }
    return -1;
}

} // namespace

class TestWorksheets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void paging_data();
    void paging();
    void missingCatalogueKeepsTitlesHeld();
    void ticksExcludeEachOther_data();
    void ticksExcludeEachOther();
    void hover();
    void runsWorksheetAsQuiz();
    void realClickRunsWorksheet();
    void unreadableWorksheet_data();
    void unreadableWorksheet();
    void nameLeavingTheFolderIsNotOpened();
    void deleteWorksheet_data();
    void deleteWorksheet();
    void deleteCancelled();
    void deleteOnLaterPage_data();
    void deleteOnLaterPage();
    void deleteWithCatalogueGone();
    void classResults();
    void editOpensWizard();
    void exitBringsBackMenu();
    void addedControlsCoverNothing();
    void importMakesWorksheets();
    void answerKeyWithoutPrinter_data();
    void answerKeyWithoutPrinter();

private:
    WorksheetCatalogue *open(Harness &h, const QStringList &titles, bool withFiles = false);
};

WorksheetCatalogue *TestWorksheets::open(Harness &h, const QStringList &titles, bool withFiles)
{
    h.writeFile(Track, catalogueBytes(titles));
    if (withFiles) {
        for (const QString &t : titles)
            h.writeFile(questionfile::fileName(t), worksheetBytes(t));
    }
    h.ctx->state.soundOn = 1;
    return h.ctx->screens.show<WorksheetCatalogue>();
}

void TestWorksheets::layout_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QRect>("twipRect");
    QTest::newRow("1: left column, top") << 1 << QRect(120, 720, 5715, 375);
    QTest::newRow("12: left column, bottom") << 12 << QRect(120, 7320, 5715, 375);
    QTest::newRow("13: right column, top") << 13 << QRect(6120, 720, 5715, 375);
    QTest::newRow("24: right column, bottom") << 24 << QRect(6120, 7320, 5715, 375);
    QTest::newRow("0: Exit") << 0 << QRect(10560, 7920, 1245, 495);
}

void TestWorksheets::layout()
{
    QFETCH(int, slot);
    QFETCH(QRect, twipRect);
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(24));
    QCOMPARE(control<LabelButton>(screen, "titleButtons", slot)->geometry(), twips::rect(twipRect));
    QCOMPARE(screen->windowTitle(), QStringLiteral("Quorvel: Worksheet Catalogue"));
    QCOMPARE(control<QLabel>(screen, "headline")->text(), QStringLiteral("Worksheets Catalogue"));
    QCOMPARE(control<QLabel>(screen, "pageNumber")->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QCOMPARE(control<QLabel>(screen, "pageNumber")->palette().color(QPalette::Window),
             QColor(Qt::white));
}

void TestWorksheets::paging_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("nextClicks");
    QTest::addColumn<int>("firstShown"); // catalogue entry in slot 1, 0 for none
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("pageLabel");
    QTest::newRow("empty catalogue") << 0 << 0 << 0 << 0 << false << false << "Page 1";
    QTest::newRow("5: one page") << 5 << 0 << 1 << 5 << false << false << "Page 1";
    QTest::newRow("24: one full page") << 24 << 0 << 1 << 24 << false << false << "Page 1";
    QTest::newRow("25: next page offered") << 25 << 0 << 1 << 24 << false << true << "Page 1";
    QTest::newRow("25: page 2 holds one") << 25 << 1 << 25 << 1 << true << false << "Page 2";
    QTest::newRow("48: page 2 full, last") << 48 << 1 << 25 << 24 << true << false << "Page 2";
    QTest::newRow("49: page 2 leads on") << 49 << 1 << 25 << 24 << true << true << "Page 2";
    QTest::newRow("1000: page 41") << 1000 << 40 << 961 << 24 << true << true << "Page 41";
    QTest::newRow("1000: page 42 holds the last 16")
        << 1000 << 41 << 985 << 16 << true << false << "Page 42";
    QTest::newRow("Next on the last page does nothing")
        << 30 << 3 << 25 << 6 << true << false << "Page 2";
}

void TestWorksheets::paging()
{
    QFETCH(int, count);
    QFETCH(int, nextClicks);
    QFETCH(int, firstShown);
    QFETCH(int, shown);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QString, pageLabel);
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(count));
    for (int i = 0; i < nextClicks; ++i)
        screen->pageButtonClicked(WorksheetCatalogue::NextPage);

    const QStringList titles = shownSlots(screen);
    QCOMPARE(titles.size(), shown);
    if (firstShown > 0) {
        QCOMPARE(control<LabelButton>(screen, "titleButtons", 1)->text(),
                 QStringLiteral("Sheet %1").arg(firstShown));
        QCOMPARE(titles.last(), QStringLiteral("Sheet %1").arg(firstShown + shown - 1));
    }
    // Shown slots are the first ones, with no gaps.
    for (int k = 1; k <= WorksheetCatalogue::Slots; ++k)
        QCOMPARE(control<LabelButton>(screen, "titleButtons", k)->isHidden(), k > shown);
    QCOMPARE(
        !control<LabelButton>(screen, "pageButtons", WorksheetCatalogue::PreviousPage)->isHidden(),
        previous);
    QCOMPARE(!control<LabelButton>(screen, "pageButtons", WorksheetCatalogue::NextPage)->isHidden(),
             next);
    QCOMPARE(control<QLabel>(screen, "pageNumber")->text(), pageLabel);

    if (nextClicks > 0) {
        const int clicks = h.sound.played.count(Click);
        screen->pageButtonClicked(WorksheetCatalogue::PreviousPage);
        QCOMPARE(h.sound.played.count(Click), clicks + 1);
        QCOMPARE(int(h.ctx->state.cataloguePage), int(pageLabel.mid(5).toInt()) - 2);
    }
}

void TestWorksheets::missingCatalogueKeepsTitlesHeld()
{
    Harness h;
    QFile::remove(h.file(Track));
    AppState &s = h.ctx->state;
    s.worksheetCount = 2;
    s.worksheetTitles[1] = QStringLiteral("Light");
    s.worksheetTitles[2] = QStringLiteral("Sound");
    WorksheetCatalogue *screen = h.ctx->screens.show<WorksheetCatalogue>();
    QCOMPARE(shownSlots(screen), (QStringList{QStringLiteral("Light"), QStringLiteral("Sound")}));
    QVERIFY(h.boxes.shown.isEmpty());
}

void TestWorksheets::ticksExcludeEachOther_data()
{
    QTest::addColumn<QString>("clicks"); // the ticks clicked in order: 1 Edit, 2 Delete, 3 Export,
                                         // 4 Print Answer Key
    QTest::addColumn<QString>("ticked"); // the ticks left ticked
    QTest::newRow("edit") << "1"
                          << "1";
    QTest::newRow("delete") << "2"
                            << "2";
    QTest::newRow("edit then delete") << "12"
                                      << "2";
    QTest::newRow("delete then edit") << "21"
                                      << "1";
    QTest::newRow("edit ticked and cleared") << "11" << QString();
    QTest::newRow("delete cleared leaves edit clear") << "122" << QString();
    QTest::newRow("edit then export") << "13"
                                      << "3";
    QTest::newRow("export then answer key") << "34"
                                            << "4";
    QTest::newRow("answer key then delete") << "42"
                                            << "2";
}

void TestWorksheets::ticksExcludeEachOther()
{
    QFETCH(QString, clicks);
    QFETCH(QString, ticked);
    Harness h;
    WorksheetCatalogue *screen = open(h, {});
    const QCheckBox *boxes[] = {
        control<QCheckBox>(screen, "editTick"), control<QCheckBox>(screen, "deleteTick"),
        control<QCheckBox>(screen, "exportTick"), control<QCheckBox>(screen, "answerKeyTick")};
    for (QChar c : clicks)
        const_cast<QCheckBox *>(boxes[c.digitValue() - 1])->click();
    QString now;
    for (int i = 0; i < 4; ++i) {
        if (boxes[i]->isChecked())
            now += QString::number(i + 1);
    }
    QCOMPARE(now, ticked);
}

void TestWorksheets::hover()
{
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(3));
    // Between the two columns of slots: bare background.
    const QPointF gap(twips::px(5900), twips::px(1500));
    QVERIFY(!screen->childAt(gap.toPoint()));
    QMouseEvent background(QEvent::MouseMove, gap, gap, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(screen, &background);
    for (LabelButton *label : controls<LabelButton>(screen, "titleButtons"))
        QVERIFY(!label->isOpaque());
    QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control<LabelButton>(screen, "titleButtons", 2), &over);
    QVERIFY(control<LabelButton>(screen, "titleButtons", 2)->isOpaque());
    QVERIFY(!control<LabelButton>(screen, "titleButtons", 1)->isOpaque());
}

void TestWorksheets::runsWorksheetAsQuiz()
{
    Harness h;
    const QStringList titles = {QStringLiteral("Light"), QStringLiteral("Magnets 1")};
    WorksheetCatalogue *screen = open(h, titles, true);
    h.ctx->state.soundOn = 0;
    const int slot = slotOf(screen, titles[1]);
    QVERIFY(slot > 0);
    screen->titleClicked(slot);

    QuizScreen *quiz = h.ctx->screens.loaded<QuizScreen>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(control<QLabel>(quiz, "worksheetTitle")->text(), titles[1]);
    QCOMPARE(control<QLabel>(quiz, "questionText")->text(),
             QStringLiteral("Magnets 1, question 1"));
    QCOMPARE(control<QLabel>(quiz, "topicText")->text(), QStringLiteral("Quorvel Demo"));
    QVERIFY(control<PictureBox>(quiz, "topicPicture")->hasPicture());
    // The menu was touched for its picture and caption: loaded, hidden, sound back on.
    MainMenu *menu = h.ctx->screens.loaded<MainMenu>();
    QVERIFY(menu && !menu->isVisible());
    QCOMPARE(int(h.ctx->state.soundOn), 1);
    QVERIFY(h.sound.played.isEmpty()); // the click came first, while sound was off
    QVERIFY(screen->isVisible());      // the catalogue stays beneath the quiz
    QVERIFY(h.boxes.shown.isEmpty());

    // A second worksheet replaces the first quiz rather than leaving its questions on show.
    quiz->buttonClicked(QuizScreen::NextQuestion);
    screen->titleClicked(slotOf(screen, titles[0]));
    settle();
    quiz = h.ctx->screens.loaded<QuizScreen>();
    QCOMPARE(control<QLabel>(quiz, "worksheetTitle")->text(), titles[0]);
    QCOMPARE(int(h.ctx->state.questionNumber), 1);
}

void TestWorksheets::realClickRunsWorksheet()
{
    Harness h;
    WorksheetCatalogue *screen = open(h, {QStringLiteral("Friction")}, true);
    QTest::mouseClick(control<LabelButton>(screen, "titleButtons", 1), Qt::LeftButton, {},
                      control<LabelButton>(screen, "titleButtons", 1)->rect().center());
    QuizScreen *quiz = h.ctx->screens.loaded<QuizScreen>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(control<QLabel>(quiz, "worksheetTitle")->text(), QStringLiteral("Friction"));
    QCOMPARE(h.sound.played, QStringList{Click});
}

void TestWorksheets::unreadableWorksheet_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::addColumn<int>("ticked");       // 0 none, 1 edit, 2 delete
    QByteArray badDigit("Broken\r\n \r\n");
    for (int q = 0; q < 10; ++q)
        badDigit += "q\r\na\r\nb\r\nc\r\nd\r\n" + QByteArray(q == 6 ? "5" : "2") + "\r\n \r\n";
    const QByteArray shortFile = worksheetBytes(QStringLiteral("Broken")).left(200);
    for (int ticked = 0; ticked <= 2; ++ticked) {
        const char *box[] = {"run", "edit", "delete"};
        QTest::addRow("missing, %s", box[ticked]) << QByteArray() << ticked;
        QTest::addRow("short, %s", box[ticked]) << shortFile << ticked;
        QTest::addRow("correct answer 5, %s", box[ticked]) << badDigit << ticked;
    }
}

void TestWorksheets::unreadableWorksheet()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, ticked);
    Harness h;
    const QStringList titles = {QStringLiteral("Light"), QStringLiteral("Broken")};
    WorksheetCatalogue *screen = open(h, titles);
    if (!bytes.isEmpty())
        h.writeFile(questionfile::fileName(titles[1]), bytes);
    if (ticked == 1)
        control<QCheckBox>(screen, "editTick")->click();
    if (ticked == 2)
        control<QCheckBox>(screen, "deleteTick")->click();
    AppState &s = h.ctx->state;
    s.quiz.title = QStringLiteral("before");
    s.quiz.question(7).text = QStringLiteral("before 7");

    screen->titleClicked(2);
    QCOMPARE(s.quiz.title, QStringLiteral("before"));
    QCOMPARE(s.quiz.question(7).text, QStringLiteral("before 7"));
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
    QVERIFY(!h.ctx->screens.loaded<WorksheetWizard>());
    QFile track(h.file(Track));
    QVERIFY(track.open(QIODevice::ReadOnly));
    if (ticked == 2) {
        // A worksheet that cannot be read can still be taken off the catalogue.
        QCOMPARE(h.boxes.shown.size(), 1);
        QVERIFY(h.boxes.shown.first().contains(QLatin1String("delete the worksheet Broken")));
        QCOMPARE(track.readAll(), catalogueBytes({QStringLiteral("Light")}));
        QCOMPARE(shownSlots(screen), QStringList{QStringLiteral("Light")});
    } else {
        QCOMPARE(h.boxes.shown, QStringList{Corrupted});
        QCOMPARE(track.readAll(), catalogueBytes(titles));
        QCOMPARE(shownSlots(screen), titles);
    }
    QCOMPARE(h.sound.played, QStringList{Click});

    // The screen stays usable.
    screen->titleClicked(WorksheetCatalogue::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<WorksheetCatalogue>());
}

void TestWorksheets::nameLeavingTheFolderIsNotOpened()
{
    Harness h;
    h.writeFile(QStringLiteral("outside.txt"), worksheetBytes(QStringLiteral("outside")));
    WorksheetCatalogue *screen = open(h, {QStringLiteral("../outside")});
    screen->titleClicked(1);
    QCOMPARE(h.boxes.shown, QStringList{Corrupted});
    QVERIFY(h.ctx->state.quiz.title.isEmpty());
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
}

void TestWorksheets::deleteWorksheet_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("after");
    const QStringList five = numberedTitles(5);
    QTest::newRow("third of five")
        << five << "Sheet 3" << QStringList{"Sheet 1", "Sheet 2", "Sheet 4", "Sheet 5"};
    QTest::newRow("last of five") << five << "Sheet 5"
                                  << QStringList{"Sheet 1", "Sheet 2", "Sheet 3", "Sheet 4"};
    QTest::newRow("the only one") << QStringList{"Light"} << "Light" << QStringList{};
    QTest::newRow("listed twice: the later goes")
        << QStringList{"Light", "Sound", "Light"} << "Light" << QStringList{"Light", "Sound"};
}

void TestWorksheets::deleteWorksheet()
{
    QFETCH(QStringList, titles);
    QFETCH(QString, chosen);
    QFETCH(QStringList, after);
    Harness h;
    WorksheetCatalogue *screen = open(h, titles, true);
    control<QCheckBox>(screen, "deleteTick")->click();
    screen->titleClicked(slotOf(screen, chosen));

    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("Are you sure that you want to delete the worksheet ") +
                         chosen + QStringLiteral("?")});
    QCOMPARE(h.ctx->state.chosenWorksheet, chosen);
    QCOMPARE(shownSlots(screen), after);
    QFile track(h.file(Track));
    QVERIFY(track.open(QIODevice::ReadOnly));
    QCOMPARE(track.readAll(), catalogueBytes(after));
    QVERIFY(QFile::exists(h.file(questionfile::fileName(chosen)))); // the file stays
    QVERIFY(control<QCheckBox>(screen, "deleteTick")->isChecked()); // the tick stays
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
}

void TestWorksheets::deleteCancelled()
{
    Harness h;
    const QStringList titles = numberedTitles(3);
    WorksheetCatalogue *screen = open(h, titles, true);
    control<QCheckBox>(screen, "deleteTick")->click();
    h.boxes.okCancelReplies = {false};
    screen->titleClicked(2);
    QCOMPARE(h.boxes.shown.size(), 1);
    QFile track(h.file(Track));
    QVERIFY(track.open(QIODevice::ReadOnly));
    QCOMPARE(track.readAll(), catalogueBytes(titles));
    QCOMPARE(shownSlots(screen), titles);
    QVERIFY(h.ctx->state.chosenWorksheet.isEmpty());
}

void TestWorksheets::deleteOnLaterPage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("pageAfter");
    QTest::addColumn<int>("firstShown"); // entry of the catalogue before the deletion
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("next");
    QTest::newRow("40 entries, page 1") << 40 << 0 << 3 << 0 << 1 << 24 << true;
    QTest::newRow("25 entries, page 1: no page 2 left") << 25 << 0 << 1 << 0 << 2 << 24 << false;
    QTest::newRow("25 entries, the one on page 2") << 25 << 1 << 25 << 0 << 1 << 24 << false;
    QTest::newRow("30 entries, page 2") << 30 << 1 << 26 << 1 << 25 << 5 << false;
    QTest::newRow("full catalogue, the last title")
        << 1000 << 41 << 1000 << 41 << 985 << 15 << false;
}

void TestWorksheets::deleteOnLaterPage()
{
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(int, entry);
    QFETCH(int, pageAfter);
    QFETCH(int, firstShown);
    QFETCH(int, shown);
    QFETCH(bool, next);
    Harness h;
    const QStringList titles = numberedTitles(count);
    WorksheetCatalogue *screen = open(h, titles);
    const QString chosen = titles[entry - 1];
    h.writeFile(questionfile::fileName(chosen), worksheetBytes(chosen));
    for (int i = 0; i < page; ++i)
        screen->pageButtonClicked(WorksheetCatalogue::NextPage);
    control<QCheckBox>(screen, "deleteTick")->click();
    screen->titleClicked(slotOf(screen, chosen));

    QCOMPARE(int(h.ctx->state.worksheetCount), count - 1);
    QCOMPARE(int(h.ctx->state.cataloguePage), pageAfter);
    const QStringList onPage = shownSlots(screen);
    QCOMPARE(onPage.size(), shown);
    QVERIFY(!onPage.contains(chosen));
    QCOMPARE(onPage.first(), titles[firstShown - 1]);
    QCOMPARE(!control<LabelButton>(screen, "pageButtons", WorksheetCatalogue::NextPage)->isHidden(),
             next);
    QCOMPARE(
        !control<LabelButton>(screen, "pageButtons", WorksheetCatalogue::PreviousPage)->isHidden(),
        pageAfter > 0);
    QCOMPARE(control<QLabel>(screen, "pageNumber")->text(),
             QStringLiteral("Page %1").arg(pageAfter + 1));
}

void TestWorksheets::deleteWithCatalogueGone()
{
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(3), true);
    QFile::remove(h.file(Track));
    control<QCheckBox>(screen, "deleteTick")->click();
    screen->titleClicked(1);
    QCOMPARE(h.boxes.shown.size(), 2);
    QCOMPARE(h.boxes.shown.last(), Corrupted);
    QVERIFY(!QFile::exists(h.file(Track))); // never created by a deletion
    QCOMPARE(shownSlots(screen), numberedTitles(3));
}

void TestWorksheets::editOpensWizard()
{
    Harness h;
    const QStringList titles = {QStringLiteral("Magnets 1"), QStringLiteral("Light")};
    WorksheetCatalogue *screen = open(h, titles, true);

    // A wizard already open with other ticks keeps none of them.
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    for (QCheckBox *box : controls<QCheckBox>(w, "rightAnswerTicks"))
        box->setChecked(true);

    control<QCheckBox>(screen, "editTick")->click();
    screen->titleClicked(slotOf(screen, titles[0]));
    QVERIFY(w->isVisible());
    QCOMPARE(control<QLineEdit>(w, "titleBox")->text(), titles[0]);
    for (int q = 0; q < 10; ++q) {
        QCOMPARE(control<QLineEdit>(w, "questionBoxes", q)->text(),
                 QStringLiteral("Magnets 1, question %1").arg(q + 1));
        for (int a = 0; a < 4; ++a) {
            QCOMPARE(control<QLineEdit>(w, "answerBoxes", 4 * q + a)->text(),
                     QStringLiteral("answer %1%2").arg(q + 1).arg(QChar('A' + a)));
            QCOMPARE(control<QCheckBox>(w, "rightAnswerTicks", 4 * q + a)->isChecked(), a == q % 4);
        }
    }
    QVERIFY(
        control<QCheckBox>(screen, "editTick")->isChecked()); // the tick stays for the next title
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
    QVERIFY(h.boxes.shown.isEmpty());
}

void TestWorksheets::exitBringsBackMenu()
{
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(2));
    h.ctx->state.soundOn = 0; // as if "Sound Off" had been chosen before the menu closed
    screen->titleClicked(WorksheetCatalogue::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<WorksheetCatalogue>());
    MainMenu *menu = h.ctx->screens.loaded<MainMenu>();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(int(h.ctx->state.soundOn), 1);
    QVERIFY(h.sound.played.isEmpty());

    // The window frame's close button is the same way out.
    screen = h.ctx->screens.show<WorksheetCatalogue>();
    h.ctx->screens.unload<MainMenu>();
    settle();
    screen->close();
    settle();
    QVERIFY(!h.ctx->screens.loaded<WorksheetCatalogue>());
    QVERIFY(h.ctx->screens.loaded<MainMenu>());
}

void TestWorksheets::addedControlsCoverNothing()
{
    Harness h;
    WorksheetCatalogue *screen = open(h, numberedTitles(30));
    screen->pageButtonClicked(WorksheetCatalogue::NextPage); // both page buttons shown
    QList<QWidget *> design{
        control<QLabel>(screen, "headline"), control<QCheckBox>(screen, "editTick"),
        control<QCheckBox>(screen, "deleteTick"), control<QLabel>(screen, "pageNumber")};
    for (QWidget *w : controls<LabelButton>(screen, "titleButtons"))
        design << w;
    for (QWidget *w : controls<LabelButton>(screen, "pageButtons"))
        design << w;
    const QRect window = twips::rect(0, 0, 12000, 9000);
    for (QWidget *added : {static_cast<QWidget *>(control<QCheckBox>(screen, "exportTick")),
                           static_cast<QWidget *>(control<QCheckBox>(screen, "answerKeyTick")),
                           static_cast<QWidget *>(control<LabelButton>(screen, "importButton"))}) {
        QVERIFY(added->isVisible());
        QVERIFY(window.contains(added->geometry()));
        for (QWidget *w : design)
            QVERIFY2(!added->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
    }
}

void TestWorksheets::importMakesWorksheets()
{
    Harness h;
    QByteArray gift = "// made by a quiz maker\n\n::tf::The Sun is a star.{T}\n\n";
    for (int q = 1; q <= 10; ++q)
        gift += QStringLiteral("::q%1::Which is number %1?{~one =number %1 ~two ~three}\n\n")
                    .arg(q)
                    .toUtf8();
    h.writeFile(QStringLiteral("Year 5 forces.gift"), gift);
    h.boxes.fileReplies = {h.file(QStringLiteral("Year 5 forces.gift"))};
    WorksheetCatalogue *screen = open(h, {QStringLiteral("Light")});
    screen->importClicked();

    QCOMPARE(h.boxes.dialogs.size(), 1);
    QVERIFY(h.boxes.dialogs[0].startsWith(QStringLiteral("Import Worksheets||")));
    // Every question listed, the true/false one greyed with its reason.
    QListWidget *list =
        control<QListWidget>(control<ImportList>(screen, "importList"), "questions");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 11);
    QCOMPARE(list->item(0)->text(), QStringLiteral("\"tf\": skipped, it is a true/false question"));
    QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
    QCOMPARE(list->item(10)->checkState(), Qt::Checked);
    control<LabelButton>(control<ImportList>(screen, "importList"), "importTicked")->click();
    QCOMPARE(h.boxes.shown, QStringList{QStringLiteral("Imported the worksheet Year 5 forces.")});
    QCOMPARE(shownSlots(screen),
             (QStringList{QStringLiteral("Light"), QStringLiteral("Year 5 forces")}));
    QFile track(h.file(Track));
    QVERIFY(track.open(QIODevice::ReadOnly));
    QCOMPARE(track.readAll(),
             catalogueBytes({QStringLiteral("Light"), QStringLiteral("Year 5 forces")}));

    // The new worksheet runs as a quiz.
    screen->titleClicked(2);
    QuizScreen *quiz = h.ctx->screens.loaded<QuizScreen>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(h.ctx->state.quiz.question(3).text, QStringLiteral("Which is number 3?"));
    QCOMPARE(h.ctx->state.quiz.question(3).rightAnswer(), 2);
}

void TestWorksheets::answerKeyWithoutPrinter_data()
{
    QTest::addColumn<bool>("hasPrinter");
    QTest::addColumn<bool>("chosen"); // a PDF file is chosen in the dialog
    QTest::addColumn<QString>("caption");
    // The name typed; one without ".pdf" names key.pdf, which is there and not to be replaced.
    QTest::addColumn<QString>("typed");
    QTest::newRow("no printer") << false << true << "No printer: save as PDF"
                                << "key.pdf";
    QTest::newRow("printing fails") << true << true << "Printing failed: save as PDF"
                                    << "key.pdf";
    QTest::newRow("dialog cancelled") << false << false << "No printer: save as PDF"
                                      << "key.pdf";
    QTest::newRow("typed without .pdf, kept") << false << true << "No printer: save as PDF"
                                              << "key";
}

void TestWorksheets::answerKeyWithoutPrinter()
{
    QFETCH(bool, hasPrinter);
    QFETCH(bool, chosen);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    Harness h;
    h.printer.hasPrinter = hasPrinter;
    h.printer.paperFails = true;
    const QString pdf = h.file(QStringLiteral("key.pdf"));
    const bool asked = !typed.endsWith(QLatin1String(".pdf"));
    if (asked) {
        h.writeFile(QStringLiteral("key.pdf"), "mine");
        h.boxes.okCancelReplies = {false};
    }
    if (chosen)
        h.boxes.fileReplies = {h.file(typed)};
    chosen = chosen && !asked;
    WorksheetCatalogue *screen = open(h, {QStringLiteral("Light: 2")}, true);
    control<QCheckBox>(screen, "answerKeyTick")->click();
    screen->titleClicked(1);

    const QString documents = documentsFolder();
    // The suggested name leaves out what a file name cannot hold.
    QCOMPARE(h.boxes.dialogs,
             QStringList{caption + QLatin1Char('|') + documents +
                         QStringLiteral("/Light 2 answers.pdf|PDF files (*.pdf)")});
    // Written beside the file chosen, then put in its place.
    QCOMPARE(h.printer.pdfFiles.size(), chosen ? 1 : 0);
    QCOMPARE(QFileInfo(pdf).isFile(), chosen || asked);
    QStringList shown =
        chosen ? QStringList{QStringLiteral("Your answer key has been saved as %1.")
                                 .arg(QDir::toNativeSeparators(pdf))}
               : QStringList{QStringLiteral("There was a problem printing to your printer.")};
    if (asked) {
        shown.prepend(QStringLiteral("The file %1 already exists. Do you want to replace it?")
                          .arg(QDir::toNativeSeparators(pdf)));
        QFile kept(pdf);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }
    QCOMPARE(h.boxes.shown, shown);
    if (chosen)
        QVERIFY(h.printer.printed[0].contains(PrintOp::print(QStringLiteral("Answers"), true)));
}

// The teacher's view of the class folder's results: the table, a pupil's attempts, the CSV
// export and the deletion of a pupil's records.
void TestWorksheets::classResults()
{
    Harness h;
    const QString file =
        h.file(QStringLiteral("multiple/results/") + journal::fileName("t", "lab"));
    journal::Record r;
    r.pupil = QStringLiteral("Ada");
    r.started = QDateTime(QDate(2026, 9, 14), QTime(9, 0));
    r.finished = r.started.addSecs(60);
    r.topic = QStringLiteral("Magnets Y4");
    r.activity = QStringLiteral("Worksheet");
    r.score = 6;
    r.outOf = 10;
    r.wrong = {1, 4, 7, 8};
    QVERIFY(journal::append(file, r));
    r.pupil = QStringLiteral("Bo, \"B\"");
    r.score = 10;
    r.wrong = {};
    QVERIFY(journal::append(file, r));

    h.ctx->screens.show<MainMenu>()->entryClicked(MainMenu::ClassResults);
    ClassResults *s = h.ctx->screens.loaded<ClassResults>();
    QVERIFY(s && s->isVisible());
    QCOMPARE(control<QTableWidget>(s, "pupilTable")->rowCount(), 2);
    QCOMPARE(control<QTableWidget>(s, "pupilTable")->item(0, 0)->text(),
             QStringLiteral("6/10 · 6/10 · 1"));
    control<QTableWidget>(s, "pupilTable")->setCurrentCell(0, 0);
    QCOMPARE(control<QTableWidget>(s, "attemptTable")->rowCount(), 1);
    QCOMPARE(control<QTableWidget>(s, "attemptTable")->item(0, 5)->text(),
             QStringLiteral("1, 4, 7, 8"));

    const QString csv = h.file(QStringLiteral("results.csv"));
    h.boxes.fileReplies.push_back(csv);
    s->buttonClicked(ClassResults::Export);
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("\"Bo, \"\"B\"\"\",2026-09-14 09:00:00,"));

    s->buttonClicked(ClassResults::DeletePupil); // Ada, picked above; OK to the question
    QCOMPARE(h.boxes.shown.last(), QStringLiteral("1 result of Ada has been deleted."));
    QCOMPARE(
        journal::pupils(journal::readFolder(h.file(QStringLiteral("multiple/results"))).records),
        QStringList{QStringLiteral("Bo, \"B\"")});
    QCOMPARE(control<QTableWidget>(s, "pupilTable")->rowCount(), 1);
}

QTEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
