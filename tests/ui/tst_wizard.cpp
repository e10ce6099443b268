// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "catalogue.h"
#include "labelbutton.h"
#include "questionfile.h"
#include "twips.h"
#include "worksheetwizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

static const QString Click = QStringLiteral("wav\\click.wav");
static const QString Saved = QStringLiteral("Your worksheet has been saved.");
static const QString Problem = QStringLiteral("There was a problem saving your worksheet");

class TestWizard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void typedTextFitsItsBox_data();
    void typedTextFitsItsBox();
    void filledTextShowsFromItsStart();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void checksStopTheSave_data();
    void checksStopTheSave();
    void saveWritesQuestionFileAndCatalogue();
    void savedWorksheetLoadsAsQuiz();
    void savingTwiceListsOnce();
    void editedWorksheetReplacesItsFile();
    void failedSaveReportsAndLosesNothing_data();
    void failedSaveReportsAndLosesNothing();
    void unsafeTitleWritesNothing_data();
    void unsafeTitleWritesNothing();
    void exitUnloads();
    void clickSoundFollowsSoundSetting_data();
    void clickSoundFollowsSoundSetting();
};

// Fills every box: question q is "Question text q", its answers "Answer q.a", answer B ticked.
static void fill(WorksheetWizard *w, const QString &title)
{
    control<QLineEdit>(w, "titleBox")->setText(title);
    for (int q = 0; q < 10; ++q) {
        control<QLineEdit>(w, "questionBoxes", q)
            ->setText(QStringLiteral("Question text %1").arg(q + 1));
        for (int a = 0; a < 4; ++a) {
            control<QLineEdit>(w, "answerBoxes", 4 * q + a)
                ->setText(QStringLiteral("Answer %1.%2").arg(q + 1).arg(a));
            control<QCheckBox>(w, "rightAnswerTicks", 4 * q + a)->setChecked(a == 1);
        }
    }
}

static QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

static QStringList folder(const Harness &h)
{
    return QDir(h.file(QStringLiteral("multiple")))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

void TestWizard::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twipRect");
    QTest::newRow("title") << "titleBox" << QRect(7560, 120, 4215, 375);
    QTest::newRow("question 1") << "questionBoxes(0)" << QRect(240, 840, 5655, 375);
    QTest::newRow("question 6, right column") << "questionBoxes(5)" << QRect(6120, 840, 5655, 375);
    QTest::newRow("question 5, last row") << "questionBoxes(4)" << QRect(240, 6600, 5655, 375);
    QTest::newRow("answer A of question 1") << "answerBoxes(0)" << QRect(720, 1230, 2295, 330);
    QTest::newRow("answer D of question 10") << "answerBoxes(39)" << QRect(9480, 7320, 2295, 330);
    QTest::newRow("answer B of question 2") << "answerBoxes(5)" << QRect(3600, 2670, 2295, 330);
    QTest::newRow("tick C of question 1") << "rightAnswerTicks(2)" << QRect(480, 1560, 255, 315);
    QTest::newRow("tick B of question 7") << "rightAnswerTicks(25)" << QRect(9210, 2670, 255, 315);
    QTest::newRow("save") << "buttons(1)" << QRect(240, 7920, 3165, 495);
    QTest::newRow("exit") << "buttons(0)" << QRect(10560, 7920, 1245, 495);
}

static QWidget *control(WorksheetWizard *w, const QString &name)
{
    const int open = name.indexOf(QLatin1Char('('));
    const int index = open < 0 ? 0 : name.mid(open + 1, name.size() - open - 2).toInt();
    const QString kind = name.left(open);
    if (name == QLatin1String("titleBox"))
        return control<QLineEdit>(w, "titleBox");
    if (kind == QLatin1String("questionBoxes"))
        return control<QLineEdit>(w, "questionBoxes", index);
    if (kind == QLatin1String("answerBoxes"))
        return control<QLineEdit>(w, "answerBoxes", index);
    if (kind == QLatin1String("rightAnswerTicks"))
        return control<QCheckBox>(w, "rightAnswerTicks", index);
    return control<LabelButton>(w, "buttons", index);
}

void TestWizard::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, twipRect);
    Harness h;
    WorksheetWizard *w = h.ctx->screens.get<WorksheetWizard>();
    QCOMPARE(::control(w, control)->geometry(), twips::rect(twipRect));
}

void TestWizard::typedTextFitsItsBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typical"); // a teacher's text of a usual length shows in full
    QTest::newRow("title") << "titleBox" << 25 << "Forces and friction 2";
    QTest::newRow("question") << "questionBoxes(3)" << 60
                              << "Which of these is the best conductor of electricity?";
    QTest::newRow("answer") << "answerBoxes(17)" << 30 << "Gravity pulls it down";
}

void TestWizard::typedTextFitsItsBox()
{
    QFETCH(QString, control);
    QFETCH(int, maxLength);
    QFETCH(QString, typical);
    Harness h;
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    auto *box = qobject_cast<QLineEdit *>(::control(w, control));
    QVERIFY(box);
    // Typing stops at the box's length; longer texts scroll inside the box.
    const QString typed = typical.leftJustified(maxLength + 10, QLatin1Char('e'));
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text().size(), maxLength);
    const QFontMetrics metrics(box->font());
    QVERIFY2(
        metrics.height() <= box->contentsRect().height(),
        qPrintable(
            QStringLiteral("%1 > %2").arg(metrics.height()).arg(box->contentsRect().height())));
    QVERIFY2(metrics.horizontalAdvance(typical) <= box->contentsRect().width() - 4,
             qPrintable(typical));
}

void TestWizard::filledTextShowsFromItsStart()
{
    // The catalogue's edit path fills the boxes: a long text shows its beginning.
    Harness h;
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    control<QLineEdit>(w, "questionBoxes", 2)->setText(QString(60, QLatin1Char('W')));
    QCOMPARE(control<QLineEdit>(w, "questionBoxes", 2)->cursorPosition(), 0);
}

void TestWizard::enterMovesFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("title") << "titleBox"
                           << "questionBoxes(0)";
    QTest::newRow("question to answer A") << "questionBoxes(3)"
                                          << "answerBoxes(12)";
    QTest::newRow("answer A to B") << "answerBoxes(12)"
                                   << "answerBoxes(13)";
    QTest::newRow("answer C to D") << "answerBoxes(14)"
                                   << "answerBoxes(15)";
    QTest::newRow("answer D of question 5 to question 6") << "answerBoxes(19)"
                                                          << "questionBoxes(5)";
    QTest::newRow("answer D of question 10 stays") << "answerBoxes(39)"
                                                   << "answerBoxes(39)";
}

void TestWizard::enterMovesFocus()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    Harness h;
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    QApplication::setActiveWindow(w);
    auto *box = qobject_cast<QLineEdit *>(control(w, from));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control(w, to));
    QCOMPARE(box->text(), QStringLiteral("ab")); // nothing swallowed or added
}

void TestWizard::checksStopTheSave_data()
{
    QTest::addColumn<int>("emptiedAnswer"); // -1 for none
    QTest::addColumn<int>("extraTick");     // -1 for none
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("no title") << -1 << -1 << ""
                              << "You have not chosen a title for your worksheet";
    QTest::newRow("answer D of question 3 empty") << 11 << -1 << "Magnets"
                                                  << "You have not completed Question 3";
    QTest::newRow("A and D of question 7")
        << -1 << 24 << "Magnets"
        << "You have ticked more than one correct answer for Question 7";
}

void TestWizard::checksStopTheSave()
{
    QFETCH(int, emptiedAnswer);
    QFETCH(int, extraTick);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Harness h;
    const QStringList before = folder(h);
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, title);
    if (emptiedAnswer >= 0)
        control<QLineEdit>(w, "answerBoxes", emptiedAnswer)->clear();
    if (extraTick >= 0) {
        control<QCheckBox>(w, "rightAnswerTicks", extraTick)->setChecked(true);
        control<QCheckBox>(w, "rightAnswerTicks", extraTick + 3)->setChecked(true);
        control<QCheckBox>(w, "rightAnswerTicks", extraTick + 1)->setChecked(false);
    }
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, QStringList{message});
    QCOMPARE(folder(h), before);
}

void TestWizard::saveWritesQuestionFileAndCatalogue()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light", "Sound"}));
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Magnets, iron"));
    control<QLineEdit>(w, "titleBox")->setText(QStringLiteral("Magnets"));
    control<QLineEdit>(w, "questionBoxes", 0)
        ->setText(QStringLiteral("Which, of these, is a magnet?"));
    control<QLineEdit>(w, "answerBoxes", 2)->setText(QStringLiteral("Iron, nickel"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, QStringList{Saved});

    QByteArray expected = "Magnets\r\n \r\n";
    for (int q = 1; q <= 10; ++q) {
        expected += q == 1 ? QByteArray("Which& of these& is a magnet?")
                           : "Question text " + QByteArray::number(q);
        expected += "\r\n";
        for (int a = 0; a < 4; ++a) {
            if (q == 1 && a == 2)
                expected += "Iron& nickel\r\n";
            else
                expected +=
                    "Answer " + QByteArray::number(q) + "." + QByteArray::number(a) + "\r\n";
        }
        expected += "2\r\n \r\n";
    }
    QCOMPARE(readFile(h.file(QStringLiteral("multiple/Magnets.txt"))), expected);
    QCOMPARE(readFile(h.file(QStringLiteral("multiple/track.txt"))),
             QByteArray(" 3 \r\nLight\r\nSound\r\nMagnets\r\n"));
    QCOMPARE(int(h.ctx->state.worksheetCount), 3);
    // The wizard keeps its contents for another save.
    QCOMPARE(control<QLineEdit>(w, "questionBoxes", 0)->text(),
             QStringLiteral("Which, of these, is a magnet?"));
}

void TestWizard::savedWorksheetLoadsAsQuiz()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({}));
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Forces 2"));
    control<QLineEdit>(w, "questionBoxes", 9)->setText(QStringLiteral("Push, or pull?"));
    control<QCheckBox>(w, "rightAnswerTicks", 37)->setChecked(false);
    control<QCheckBox>(w, "rightAnswerTicks", 39)->setChecked(true);
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, QStringList{Saved});

    QFile file(h.ctx->platform.paths.path(questionfile::fileName(QStringLiteral("Forces 2"))));
    QVERIFY(file.open(QIODevice::ReadOnly));
    questionfile::Worksheet sheet;
    QVERIFY(questionfile::LoadQuestionFile(&file, sheet).ok());
    QCOMPARE(sheet.title, QStringLiteral("Forces 2"));
    QCOMPARE(sheet.question(1).text, QStringLiteral("Question text 1"));
    QCOMPARE(sheet.question(4).answers[2], QStringLiteral("Answer 4.2"));
    QCOMPARE(sheet.question(1).rightAnswer(), 2);
    QCOMPARE(sheet.question(10).text, QStringLiteral("Push, or pull?"));
    QCOMPARE(sheet.question(10).rightAnswer(), 4);
}

void TestWizard::savingTwiceListsOnce()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light"}));
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Magnets"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    control<QLineEdit>(w, "questionBoxes", 0)->setText(QStringLiteral("Changed"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, (QStringList{Saved, Saved}));
    QVERIFY(readFile(h.file(QStringLiteral("multiple/Magnets.txt"))).contains("Changed\r\n"));
    QCOMPARE(readFile(h.file(QStringLiteral("multiple/track.txt"))),
             catalogue::format({"Light", "Magnets"}));
}

void TestWizard::editedWorksheetReplacesItsFile()
{
    // Filled as the catalogue screen fills it for editing, then saved under a new title: both
    // worksheets stay, both are listed.
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light"}));
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Light"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    const QByteArray light = readFile(h.file(QStringLiteral("multiple/Light.txt")));
    control<QLineEdit>(w, "titleBox")->setText(QStringLiteral("Light 2"));
    control<QLineEdit>(w, "answerBoxes", 0)->setText(QStringLiteral("Mirror"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, (QStringList{Saved, Saved}));
    QCOMPARE(readFile(h.file(QStringLiteral("multiple/Light.txt"))), light);
    QVERIFY(readFile(h.file(QStringLiteral("multiple/Light 2.txt"))).contains("Mirror\r\n"));
    QCOMPARE(readFile(h.file(QStringLiteral("multiple/track.txt"))),
             catalogue::format({"Light", "Light 2"}));
}

void TestWizard::failedSaveReportsAndLosesNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("why");
    QTest::newRow("full catalogue") << "full"
                                    << "The catalogue of worksheets is full.";
    QTest::newRow("catalogue missing") << "missing"
                                       << "The catalogue of worksheets cannot be opened.";
    QTest::newRow("catalogue short") << "short"
                                     << "The catalogue of worksheets is shorter than its count.";
    QTest::newRow("worksheet file cannot be replaced")
        << "blocked"
        << "There is already a worksheet called Magnets.";
}

void TestWizard::failedSaveReportsAndLosesNothing()
{
    QFETCH(QString, failure);
    QFETCH(QString, why);
    Harness h;
    const QString track = QStringLiteral("multiple/track.txt");
    QByteArray catalogueBefore = catalogue::format({"Light"});
    if (failure == QLatin1String("full")) {
        QStringList names;
        for (int i = 1; i <= 1000; ++i)
            names << QStringLiteral("Sheet %1").arg(i);
        catalogueBefore = catalogue::format(names);
    } else if (failure == QLatin1String("short")) {
        catalogueBefore = " 3 \r\nLight\r\n";
    }
    if (failure == QLatin1String("missing"))
        QFile::remove(h.file(track));
    else
        h.writeFile(track, catalogueBefore);
    if (failure == QLatin1String("blocked")) // a folder where the file would go
        QVERIFY(QDir(h.file(QStringLiteral("multiple"))).mkdir(QStringLiteral("Magnets.txt")));

    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Magnets"));
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown.size(), 1);
    QVERIFY2(h.boxes.shown[0].startsWith(Problem + QStringLiteral("\n\n") + why),
             qPrintable(h.boxes.shown[0]));
    if (failure == QLatin1String("missing"))
        QVERIFY(!QFile::exists(h.file(track)));
    else
        QCOMPARE(readFile(h.file(track)), catalogueBefore);
    // Nothing is written that the catalogue does not list; the teacher's work stays in the boxes.
    QVERIFY(!QFileInfo(h.file(QStringLiteral("multiple/Magnets.txt"))).isFile());
    QCOMPARE(control<QLineEdit>(w, "questionBoxes", 9)->text(), QStringLiteral("Question text 10"));
    const QStringList leftovers =
        QDir(h.file(QStringLiteral("multiple"))).entryList({QStringLiteral("*.txt.*")});
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
}

void TestWizard::unsafeTitleWritesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("outside the folder") << "../Magnets";
    QTest::newRow("the catalogue itself") << "track";
    QTest::newRow("a topic's quiz") << "Electricity";
    QTest::newRow("comma") << "Magnets, 2";
    QTest::newRow("leading quote") << "\"Magnets";
    QTest::newRow("leading blank") << " Magnets";
    QTest::newRow("case of a listed title") << "LIGHT";
}

void TestWizard::unsafeTitleWritesNothing()
{
    QFETCH(QString, title);
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light"}));
    const QStringList before = folder(h);
    QMap<QString, QByteArray> contents;
    for (const QString &f : before)
        contents[f] = readFile(h.file(QStringLiteral("multiple/") + f));
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, title);
    w->buttonClicked(WorksheetWizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown.size(), 1);
    QVERIFY(h.boxes.shown[0] != Saved && h.boxes.shown[0] != Problem);
    QCOMPARE(folder(h), before);
    for (const QString &f : before)
        QCOMPARE(readFile(h.file(QStringLiteral("multiple/") + f)), contents[f]);
    QVERIFY(!QFile::exists(h.file(QStringLiteral("Magnets.txt"))));
}

void TestWizard::exitUnloads()
{
    Harness h;
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    fill(w, QStringLiteral("Magnets"));
    w->buttonClicked(WorksheetWizard::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<WorksheetWizard>());
    // Opened again, it is empty.
    w = h.ctx->screens.show<WorksheetWizard>();
    QVERIFY(control<QLineEdit>(w, "titleBox")->text().isEmpty());
    QVERIFY(!control<QCheckBox>(w, "rightAnswerTicks", 1)->isChecked());
}

void TestWizard::clickSoundFollowsSoundSetting_data()
{
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("played");
    QTest::newRow("save, sound on")
        << 1 << int(WorksheetWizard::SaveWorksheet) << QStringList{Click};
    QTest::newRow("exit, sound on") << 1 << int(WorksheetWizard::Exit) << QStringList{Click};
    QTest::newRow("save, sound off") << 0 << int(WorksheetWizard::SaveWorksheet) << QStringList{};
    QTest::newRow("exit, sound off") << 0 << int(WorksheetWizard::Exit) << QStringList{};
}

void TestWizard::clickSoundFollowsSoundSetting()
{
    QFETCH(int, soundOn);
    QFETCH(int, button);
    QFETCH(QStringList, played);
    Harness h;
    h.ctx->state.soundOn = static_cast<qint16>(soundOn);
    WorksheetWizard *w = h.ctx->screens.show<WorksheetWizard>();
    // A real click on the label button.
    QTest::mouseClick(control<LabelButton>(w, "buttons", button), Qt::LeftButton);
    settle();
    QCOMPARE(h.sound.played, played);
    if (button == WorksheetWizard::SaveWorksheet)
        QCOMPARE(h.boxes.shown,
                 QStringList{QStringLiteral("You have not chosen a title for your worksheet")});
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
