// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard on every kind of screen but the activities (tst_activities): Tab order, Enter,
// Escape, the quiz's answer keys, and double-clicks made of real window events.

#include "uitest.h"

#include "intro0.h"
#include "labelbutton.h"
#include "multiple.h"
#include "navigation.h"
#include "pageviewer.h"
#include "titlefrm.h"
#include "topichub.h"
#include "welldone.h"
#include "wizard.h"
#include "worksheets.h"

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
    if (which == QLatin1String("Titlefrm"))
        return r.show<Titlefrm>();
    r.show<intro0>();
    if (which == QLatin1String("intro0"))
        return r.loaded<intro0>();
    if (which == QLatin1String("electricity"))
        return r.show<TopicHub>(1);
    if (which == QLatin1String("multiple")) {
        r.show<TopicHub>(1)->Label3_Click(TopicHub::MultipleChoice);
        return r.loaded<multiple>();
    }
    if (which == QLatin1String("Welldone")) {
        h.ctx->state.Score = 4;
        h.ctx->state.OutOf = 4;
        return r.show<Welldone>();
    }
    if (which == QLatin1String("teacher")) {
        r.show<TopicHub>(1)->Label3_Click(TopicHub::KeyFacts);
        return r.loaded<teacher>();
    }
    if (which == QLatin1String("wizard"))
        return r.show<wizard>();
    return r.show<worksheets>();
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
    QTest::newRow("title") << "Titlefrm" << QStringList{"OK", "Exit"} << "OK"
                           << "intro0"
                           << "Titlefrm";
    QTest::newRow("menu")
        << "intro0"
        << QStringList{"Sound On", // the arrows reach "Sound Off"
                       "Teachers' Guide", "Introduction",           "Electricity",
                       "Michael Faraday", "Multiple Choice Wizard", "Worksheet Catalogue",
                       "Class Results",   "Acknowledgments",        "Exit"}
        << "Michael Faraday"
        << "TopicHub"
        << "Titlefrm";
    QTest::newRow("hub") << "electricity" << QStringList{"Key Facts",         "Teacher's Notes",
                                                         "Multiple Choice",   "Labelling Activity",
                                                         "Ordering Activity", "Exit"}
                         << "Teacher's Notes"
                         << "teacher"
                         << "intro0";
    QTest::newRow("results") << "Welldone" << QStringList{"Print Certificate", "QLineEdit", "Exit"}
                             << "Exit"
                             << "intro0"
                             << "intro0";
    QTest::newRow("page viewer") << "teacher" << QStringList{"Print", "Next Page", "Exit"} << "Exit"
                                 << "TopicHub"
                                 << "TopicHub";
    QTest::newRow("catalogue") << "worksheets"
                               << QStringList{"Edit Worksheet", "Delete Worksheet",
                                              "Import Worksheets"} // below "Exit"
                               << "Exit"
                               << "intro0"
                               << "intro0";
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
    // The catalogue lists the worksheets of the run folder between its ticks and its way out.
    if (screen == QLatin1String("worksheets"))
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
    multiple *quiz = static_cast<multiple *>(open(h, QStringLiteral("multiple")));
    QVERIFY(QTest::qWaitForWindowActive(quiz));
    h.ctx->state.SoundOn = 1;
    h.sound.played.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
    QVERIFY(quiz->Option1[3]->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    QVERIFY(quiz->Option1[2]->isChecked());
    QCOMPARE(h.sound.played.count(QStringLiteral("wav\\typekey.wav")), 2);

    // Enter on "Next Question >>" keeps the focus there, so Enter goes on question by question.
    press(QStringLiteral("Next Question >>"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(quiz->Label4->text(), QStringLiteral("Question 3"));
    QCOMPARE(int(h.ctx->state.AnswerMark[1]), h.ctx->state.CorrectAnswer[1] == "2" ? 1 : 0);
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
    multiple *quiz = static_cast<multiple *>(open(h, QStringLiteral("multiple")));
    QVERIFY(QTest::qWaitForWindowExposed(quiz));
    QTest::mouseDClick(quiz->windowHandle(), Qt::LeftButton, {},
                       quiz->Label3[multiple::NextQuestion]->geometry().center());
    QCOMPARE(quiz->Label4->text(), QStringLiteral("Question 2"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
