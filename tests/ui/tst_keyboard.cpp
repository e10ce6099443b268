// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard on every kind of screen but the activities (tst_activities): Tab order, Enter,
// Escape, the quiz's answer keys, and double-clicks made of real window events.

#include "uitest.h"

#include "activityscreens.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "navigation.h"
#include "pageviewer.h"
#include "quizscreen.h"
#include "resultsscreen.h"
#include "titlescreen.h"
#include "topichub.h"
#include "worksheetcatalogue.h"
#include "worksheetwizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>

namespace
{

QString nameOf(const QWidget *w)
{
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    return QString::fromLatin1(w->metaObject()->className());
}

// The controls Tab visits from the screen's first focus until it comes round again.
QStringList tabCycle()
{
    QStringList names;
    QWidget *first = QApplication::focusWidget();
    if (!first)
        return names;
    QWidget *w = first;
    do {
        names << nameOf(w);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    } while (w && w != first && names.size() < 80);
    return names;
}

// The screen on top: the visible one shown last.
QString topScreen()
{
    QWidget *w = QApplication::activeWindow();
    return w ? QString::fromLatin1(w->metaObject()->className()) : QString();
}

Screen *open(Harness &h, const QString &which)
{
    auto &r = h.ctx->screens;
    if (which == QLatin1String("TitleScreen"))
        return r.show<TitleScreen>();
    r.show<MainMenu>();
    if (which == QLatin1String("MainMenu"))
        return r.loaded<MainMenu>();
    if (which == QLatin1String("electricity"))
        return r.show<TopicHub>(1);
    if (which == QLatin1String("QuizScreen")) {
        r.show<TopicHub>(1)->buttonClicked(TopicHub::MultipleChoice);
        return r.loaded<QuizScreen>();
    }
    if (which == QLatin1String("ResultsScreen")) {
        h.ctx->state.score = 4;
        h.ctx->state.outOf = 4;
        return r.show<ResultsScreen>();
    }
    if (which == QLatin1String("PageViewer")) {
        r.show<TopicHub>(1)->buttonClicked(TopicHub::KeyFacts);
        return r.loaded<PageViewer>();
    }
    if (which == QLatin1String("WorksheetWizard"))
        return r.show<WorksheetWizard>();
    if (which == QLatin1String("electricitylab")) {
        r.show<TopicHub>(1)->buttonClicked(TopicHub::LabellingActivity);
        return r.loaded<LabellingActivity>(1);
    }
    if (which == QLatin1String("introductionord")) {
        r.show<TopicHub>(0)->buttonClicked(TopicHub::OrderingActivity);
        return r.loaded<OrderingActivity>(0);
    }
    return r.show<WorksheetCatalogue>();
}

void press(const QString &name)
{
    for (int i = 0; i < 80 && nameOf(QApplication::focusWidget()) != name; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(nameOf(QApplication::focusWidget()), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyScreen_data();
    void everyScreen();
    void quizAnswerKeys();
    void readAloud_data();
    void readAloud();
    void focusOutline();
    void doubleClicks();
};

void TestKeyboard::everyScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order"); // from the first focus, in reading order
    QTest::addColumn<QString>("enter");     // pressed with Enter ...
    QTest::addColumn<QString>("opens");     // ... brings this screen to the top
    QTest::addColumn<QString>("escape");    // the screen on top after Escape on a fresh one
    QTest::newRow("title") << "TitleScreen" << QStringList{"OK", "Exit"} << "OK"
                           << "MainMenu"
                           << "TitleScreen";
    QTest::newRow("menu") << "MainMenu"
                          << QStringList{"Sound On", // the arrows reach "Sound Off"
                                         "Read to me",
                                         "Teachers' Guide",
                                         "Introduction",
                                         "Electricity",
                                         "Michael Faraday",
                                         "Multiple Choice Wizard",
                                         "Worksheet Catalogue",
                                         "Class Results",
                                         "Language",
                                         "Acknowledgments",
                                         "Exit"}
                          << "Michael Faraday"
                          << "TopicHub"
                          << "TitleScreen";
    QTest::newRow("hub") << "electricity" << QStringList{"Key Facts",         "Teacher's Notes",
                                                         "Multiple Choice",   "Labelling Activity",
                                                         "Ordering Activity", "Exit"}
                         << "Teacher's Notes"
                         << "PageViewer"
                         << "MainMenu";
    QTest::newRow("results") << "ResultsScreen"
                             << QStringList{"Print Certificate", "QLineEdit", "Exit"} << "Exit"
                             << "MainMenu"
                             << "MainMenu";
    QTest::newRow("page viewer") << "PageViewer"
                                 << QStringList{"MetafileView", "Next Page", "Exit", "Print"}
                                 << "Exit"
                                 << "TopicHub"
                                 << "TopicHub";
    QTest::newRow("catalogue") << "WorksheetCatalogue"
                               << QStringList{"Edit Worksheet", "Delete Worksheet",
                                              "Import Worksheets"} // below "Exit"
                               << "Exit"
                               << "MainMenu"
                               << "MainMenu";
}

void TestKeyboard::everyScreen()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, order);
    QFETCH(QString, enter);
    QFETCH(QString, opens);
    QFETCH(QString, escape);
    Harness h;
    Screen *s = open(h, screen);
    QVERIFY(QTest::qWaitForWindowActive(s));
    const QStringList cycle = tabCycle();
    // The catalogue lists the WorksheetCatalogue of the run folder between its ticks and its way
    // out.
    if (screen == QLatin1String("WorksheetCatalogue"))
        QCOMPARE(QStringList({cycle.first(), cycle.at(1), cycle.last()}), order);
    else
        QCOMPARE(cycle, order);
    press(enter);
    settle();
    QCOMPARE(topScreen(), opens);

    Harness fresh;
    s = open(fresh, screen);
    QVERIFY(QTest::qWaitForWindowActive(s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    QCOMPARE(topScreen(), escape);
    QCOMPARE(fresh.ended, 0);
}

void TestKeyboard::quizAnswerKeys()
{
    Harness h;
    QuizScreen *quiz = static_cast<QuizScreen *>(open(h, QStringLiteral("QuizScreen")));
    QVERIFY(QTest::qWaitForWindowActive(quiz));
    h.ctx->state.soundOn = 1;
    h.sound.played.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
    QVERIFY(control<QRadioButton>(quiz, "answerButtons", 3)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    QVERIFY(control<QRadioButton>(quiz, "answerButtons", 2)->isChecked());
    QCOMPARE(h.sound.played.count(QStringLiteral("wav\\typekey.wav")), 2);

    // Enter on "Next Question >>" keeps the focus there, so Enter goes on question by question.
    press(QStringLiteral("Next Question >>"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(control<QLabel>(quiz, "questionNumber")->text(), QStringLiteral("Question 3"));
    QCOMPARE(int(h.ctx->state.marks[1]), h.ctx->state.quiz.question(1).rightAnswer() == 2 ? 1 : 0);
}

// With "Read to me" on: a screen opened, then keys pressed on the focus; what the voice is told to
// say, in order.
void TestKeyboard::readAloud_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("quiz: the question, then a chosen answer")
        << "QuizScreen" << QStringList{"C"}
        << QStringList{"Question 1",
                       "What does the cell do in a circuit?",
                       "A: Stores light for the bulb",
                       "B: Stops the current flowing",
                       "C: Pushes the current round",
                       "D: Keeps the wires cool",
                       "You chose C: Pushes the current round"};
    QTest::newRow("quiz: a choice made on a button, then Tab back into the answers lands on it")
        << "QuizScreen" << QStringList{"Tab", "C", "Shift+Tab"}
        << QStringList{"Question 1",
                       "What does the cell do in a circuit?",
                       "A: Stores light for the bulb",
                       "B: Stops the current flowing",
                       "C: Pushes the current round",
                       "D: Keeps the wires cool",
                       "Next Question >>",
                       "You chose C: Pushes the current round",
                       "C: Pushes the current round"};
    QTest::newRow("introduction ordering: the arrows start at the top of the scale, named by its "
                  "place")
        << "introductionord" << QStringList{"Space", "Down"}
        << QStringList{"Introduction",
                       "Most friction",
                       "Put these items in order of the amount of friction that you would feel if "
                       "you ran your finger across them.",
                       "Least friction",
                       "Drag the labels into the correct boxes.",
                       "Piece of wood, picked up. Start box 4 of 4: Piece of wood",
                       "To Friction scale, place 1 of 4, most friction: Piece of wood"};
    QTest::newRow("menu: Tab reads each control")
        << "MainMenu" << QStringList{"Tab", "Tab"} << QStringList{"Read to me", "Teachers' Guide"};
    QTest::newRow("results: the score sentence, F5 again")
        << "ResultsScreen" << QStringList{"F5"}
        << QStringList{"Excellent work. You have scored 4 out of 4.",
                       "Excellent work. You have scored 4 out of 4."};
    QTest::newRow("activity: the instructions, a label picked up, moved and dropped")
        << "electricitylab" << QStringList{"Space", "Right", "Space"}
        << QStringList{"Electricity",
                       "Click the switch to turn the electric current on and off.",
                       "Drag the labels into the correct boxes to label the parts of this electric "
                       "circuit.",
                       "switch, picked up. Start box 2 of 4: switch",
                       "To Box 4 of 4, beside the glass globe at the top right of the circuit: "
                       "switch",
                       "switch, dropped. Box 4 of 4, beside the glass globe at the top right of "
                       "the circuit: switch"};
    QTest::newRow(
        "key facts: the page (focused first, not Print), F5 reads the focused button after a key")
        << "PageViewer" << QStringList{"Tab", "F5"}
        << QStringList{
               "Key Facts: Electricity",
               "Electric circuits",
               "Electricity can only flow round a complete circuit. That is a loop with no "
               "gaps. It goes from the cell, through the wires and the bulb, and back to "
               "the cell. This flow is an electric current.",
               "A simple circuit has:",
               "a cell to push the current round",
               "wires to carry it",
               "a bulb that changes electricity into light",
               "a switch to open or close a gap",
               "When the switch is closed, the bulb lights.",
               "A gap in the loop stops the current, and the bulb goes out. A switch that "
               "is off makes a gap.",
               "Two or more cells joined together make a battery. People often call a cell "
               "a battery too. More cells make a bulb brighter. More bulbs in the loop make "
               "each one dimmer.",
               "Quorvel Page 1 of 2",
               "Next Page",
               "Next Page"};
}

void TestKeyboard::readAloud()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, said);
    Harness h;
    h.ctx->readAloud.setOn(true);
    Screen *s = open(h, screen);
    QVERIFY(QTest::qWaitForWindowActive(s));
    for (const QString &key : keys)
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    QCOMPARE(h.speech.said, said);
}

void TestKeyboard::focusOutline()
{
    Harness h;
    TopicHub *hub = h.ctx->screens.show<TopicHub>(1);
    QVERIFY(QTest::qWaitForWindowActive(hub));
    QWidget *focus = QApplication::focusWidget();
    QTest::mouseClick(hub, Qt::LeftButton, {}, QPoint(5, 595));
    QVERIFY(!h.ctx->accessSupport.focusOutline()); // not for mouse users

    QTest::keyClick(focus, Qt::Key_Tab);
    focus = QApplication::focusWidget();
    const QWidget *outline = h.ctx->accessSupport.focusOutline();
    QVERIFY(outline);
    QCOMPARE(outline->geometry(), focus->geometry().adjusted(-4, -4, 4, 4));
    // Two pixels of white edged in black, on the hub's black, all round the control.
    const QImage shot = hub->grab().toImage();
    const QPoint corner = focus->geometry().topLeft();
    for (const QPoint &p : {QPoint(-2, 10), QPoint(-3, 10), QPoint(10, -2), QPoint(10, -3)})
        QCOMPARE(shot.pixelColor(corner + p), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(corner + QPoint(-1, 10)), QColor(Qt::black));

    QTest::mouseClick(hub, Qt::LeftButton, {}, QPoint(5, 595));
    QVERIFY(!h.ctx->accessSupport.focusOutline());
}

void TestKeyboard::doubleClicks()
{
    // Through the window, as the window system delivers a double-click: the second press
    // arrives as a press followed by a double-click event. (The end-to-end shell test
    // double-clicks an "Exit" that uncovers another screen's "Exit".)
    Harness h;
    QuizScreen *quiz = static_cast<QuizScreen *>(open(h, QStringLiteral("QuizScreen")));
    QVERIFY(QTest::qWaitForWindowExposed(quiz));
    QTest::mouseDClick(
        quiz->windowHandle(), Qt::LeftButton, {},
        control<LabelButton>(quiz, "buttons", QuizScreen::NextQuestion)->geometry().center());
    QCOMPARE(control<QLabel>(quiz, "questionNumber")->text(), QStringLiteral("Question 2"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
