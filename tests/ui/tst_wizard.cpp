// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "catalogue.h"
#include "labelbutton.h"
#include "questionfile.h"
#include "twips.h"
#include "wizard.h"

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
static void fill(wizard *w, const QString &title)
{
    w->Text1->setText(title);
    for (int q = 0; q < 10; ++q) {
        w->Text2[q]->setText(QStringLiteral("Question text %1").arg(q + 1));
        for (int a = 0; a < 4; ++a) {
            w->Text3[4 * q + a]->setText(QStringLiteral("Answer %1.%2").arg(q + 1).arg(a));
            w->Check1[4 * q + a]->setChecked(a == 1);
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
    QTest::newRow("title") << "Text1" << QRect(7560, 120, 4215, 375);
    QTest::newRow("question 1") << "Text2(0)" << QRect(240, 840, 5655, 375);
    QTest::newRow("question 6, right column") << "Text2(5)" << QRect(6120, 840, 5655, 375);
    QTest::newRow("question 5, last row") << "Text2(4)" << QRect(240, 6600, 5655, 375);
    QTest::newRow("answer A of question 1") << "Text3(0)" << QRect(720, 1230, 2295, 330);
    QTest::newRow("answer D of question 10") << "Text3(39)" << QRect(9480, 7320, 2295, 330);
    QTest::newRow("answer B of question 2") << "Text3(5)" << QRect(3600, 2670, 2295, 330);
    QTest::newRow("tick C of question 1") << "Check1(2)" << QRect(480, 1560, 255, 315);
    QTest::newRow("tick B of question 7") << "Check1(25)" << QRect(9210, 2670, 255, 315);
    QTest::newRow("save") << "Label3(1)" << QRect(240, 7920, 3165, 495);
    QTest::newRow("exit") << "Label3(0)" << QRect(10560, 7920, 1245, 495);
}

static QWidget *control(wizard *w, const QString &name)
{
    const int open = name.indexOf(QLatin1Char('('));
    const int index = open < 0 ? 0 : name.mid(open + 1, name.size() - open - 2).toInt();
    const QString kind = name.left(open);
    if (name == QLatin1String("Text1"))
        return w->Text1;
    if (kind == QLatin1String("Text2"))
        return w->Text2[index];
    if (kind == QLatin1String("Text3"))
        return w->Text3[index];
    if (kind == QLatin1String("Check1"))
        return w->Check1[index];
    return w->Label3[index];
}

void TestWizard::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, twipRect);
    Harness h;
    wizard *w = h.ctx->screens.get<wizard>();
    QCOMPARE(::control(w, control)->geometry(), twips::rect(twipRect));
}

void TestWizard::typedTextFitsItsBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typical"); // a teacher's text of a usual length shows in full
    QTest::newRow("title") << "Text1" << 25 << "Forces and friction 2";
    QTest::newRow("question") << "Text2(3)" << 60
                              << "Which of these is the best conductor of electricity?";
    QTest::newRow("answer") << "Text3(17)" << 30 << "Gravity pulls it down";
}

void TestWizard::typedTextFitsItsBox()
{
    QFETCH(QString, control);
    QFETCH(int, maxLength);
    QFETCH(QString, typical);
    Harness h;
    wizard *w = h.ctx->screens.show<wizard>();
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
    wizard *w = h.ctx->screens.show<wizard>();
    w->Text2[2]->setText(QString(60, QLatin1Char('W')));
    QCOMPARE(w->Text2[2]->cursorPosition(), 0);
}

void TestWizard::enterMovesFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("title") << "Text1"
                           << "Text2(0)";
    QTest::newRow("question to answer A") << "Text2(3)"
                                          << "Text3(12)";
    QTest::newRow("answer A to B") << "Text3(12)"
                                   << "Text3(13)";
    QTest::newRow("answer C to D") << "Text3(14)"
                                   << "Text3(15)";
    QTest::newRow("answer D of question 5 to question 6") << "Text3(19)"
                                                          << "Text2(5)";
    QTest::newRow("answer D of question 10 stays") << "Text3(39)"
                                                   << "Text3(39)";
}

void TestWizard::enterMovesFocus()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    Harness h;
    wizard *w = h.ctx->screens.show<wizard>();
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
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, title);
    if (emptiedAnswer >= 0)
        w->Text3[emptiedAnswer]->clear();
    if (extraTick >= 0) {
        w->Check1[extraTick]->setChecked(true);
        w->Check1[extraTick + 3]->setChecked(true);
        w->Check1[extraTick + 1]->setChecked(false);
    }
    w->Label3_Click(wizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, QStringList{message});
    QCOMPARE(folder(h), before);
}

void TestWizard::saveWritesQuestionFileAndCatalogue()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light", "Sound"}));
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Magnets, iron"));
    w->Text1->setText(QStringLiteral("Magnets"));
    w->Text2[0]->setText(QStringLiteral("Which, of these, is a magnet?"));
    w->Text3[2]->setText(QStringLiteral("Iron, nickel"));
    w->Label3_Click(wizard::SaveWorksheet);
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
    QCOMPARE(int(h.ctx->state.WorksheetCount), 3);
    // The wizard keeps its contents for another save.
    QCOMPARE(w->Text2[0]->text(), QStringLiteral("Which, of these, is a magnet?"));
}

void TestWizard::savedWorksheetLoadsAsQuiz()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({}));
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Forces 2"));
    w->Text2[9]->setText(QStringLiteral("Push, or pull?"));
    w->Check1[37]->setChecked(false);
    w->Check1[39]->setChecked(true);
    w->Label3_Click(wizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown, QStringList{Saved});

    QFile file(h.ctx->platform.paths.path(questionfile::fileName(QStringLiteral("Forces 2"))));
    QVERIFY(file.open(QIODevice::ReadOnly));
    AppState state;
    QVERIFY(questionfile::LoadQuestionFile(&file, state).ok);
    QCOMPARE(state.QuizTitle, QStringLiteral("Forces 2"));
    QCOMPARE(state.QuestionText[1], QStringLiteral("Question text 1"));
    QCOMPARE(state.AnswerC[4], QStringLiteral("Answer 4.2"));
    QCOMPARE(state.CorrectAnswer[1], QStringLiteral("2"));
    QCOMPARE(state.QuestionText[10], QStringLiteral("Push, or pull?"));
    QCOMPARE(state.CorrectAnswer[10], QStringLiteral("4"));
}

void TestWizard::savingTwiceListsOnce()
{
    Harness h;
    h.writeFile(QStringLiteral("multiple/track.txt"), catalogue::format({"Light"}));
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Magnets"));
    w->Label3_Click(wizard::SaveWorksheet);
    w->Text2[0]->setText(QStringLiteral("Changed"));
    w->Label3_Click(wizard::SaveWorksheet);
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
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Light"));
    w->Label3_Click(wizard::SaveWorksheet);
    const QByteArray light = readFile(h.file(QStringLiteral("multiple/Light.txt")));
    w->Text1->setText(QStringLiteral("Light 2"));
    w->Text3[0]->setText(QStringLiteral("Mirror"));
    w->Label3_Click(wizard::SaveWorksheet);
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

    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Magnets"));
    w->Label3_Click(wizard::SaveWorksheet);
    QCOMPARE(h.boxes.shown.size(), 1);
    QVERIFY2(h.boxes.shown[0].startsWith(Problem + QStringLiteral("\n\n") + why),
             qPrintable(h.boxes.shown[0]));
    if (failure == QLatin1String("missing"))
        QVERIFY(!QFile::exists(h.file(track)));
    else
        QCOMPARE(readFile(h.file(track)), catalogueBefore);
    // Nothing is written that the catalogue does not list; the teacher's work stays in the boxes.
    QVERIFY(!QFileInfo(h.file(QStringLiteral("multiple/Magnets.txt"))).isFile());
    QCOMPARE(w->Text2[9]->text(), QStringLiteral("Question text 10"));
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
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, title);
    w->Label3_Click(wizard::SaveWorksheet);
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
    wizard *w = h.ctx->screens.show<wizard>();
    fill(w, QStringLiteral("Magnets"));
    w->Label3_Click(wizard::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<wizard>());
    // Opened again, it is empty.
    w = h.ctx->screens.show<wizard>();
    QVERIFY(w->Text1->text().isEmpty());
    QVERIFY(!w->Check1[1]->isChecked());
}

void TestWizard::clickSoundFollowsSoundSetting_data()
{
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("played");
    QTest::newRow("save, sound on") << 1 << int(wizard::SaveWorksheet) << QStringList{Click};
    QTest::newRow("exit, sound on") << 1 << int(wizard::Exit) << QStringList{Click};
    QTest::newRow("save, sound off") << 0 << int(wizard::SaveWorksheet) << QStringList{};
    QTest::newRow("exit, sound off") << 0 << int(wizard::Exit) << QStringList{};
}

void TestWizard::clickSoundFollowsSoundSetting()
{
    QFETCH(int, soundOn);
    QFETCH(int, button);
    QFETCH(QStringList, played);
    Harness h;
    h.ctx->state.SoundOn = static_cast<qint16>(soundOn);
    wizard *w = h.ctx->screens.show<wizard>();
    // A real click on the label button.
    QTest::mouseClick(w->Label3[button], Qt::LeftButton);
    settle();
    QCOMPARE(h.sound.played, played);
    if (button == wizard::SaveWorksheet)
        QCOMPARE(h.boxes.shown,
                 QStringList{QStringLiteral("You have not chosen a title for your worksheet")});
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
