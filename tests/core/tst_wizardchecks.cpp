// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardchecks.h"

#include <QTest>

#include <functional>

using questionfile::Worksheet;
using Edit = std::function<void(Worksheet &)>;

Q_DECLARE_METATYPE(Edit)

class TestWizardChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstFailure_data();
    void firstFailure();
    void listedTitles_data();
    void listedTitles();
};

// Every box filled, answer B of each question ticked.
static Worksheet complete()
{
    Worksheet sheet;
    sheet.title = QStringLiteral("Magnets");
    for (int q = 0; q < 10; ++q) {
        sheet.questions[q].text = QStringLiteral("Question text %1").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            sheet.questions[q].answers[a] = QStringLiteral("Answer %1").arg(a);
        sheet.questions[q].ticks[1] = true;
    }
    return sheet;
}

void TestWizardChecks::firstFailure_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("message");

    const QString none;
    QTest::newRow("complete") << Edit([](Worksheet &) {}) << none;
    QTest::newRow("every box empty") << Edit([](Worksheet &s) { s = Worksheet(); })
                                     << "You have not chosen a title for your worksheet";
    QTest::newRow("title only") << Edit([](Worksheet &s) {
        const QString title = s.title;
        s = Worksheet();
        s.title = title;
    }) << "You have not completed Question 1";
    QTest::newRow("question 1 filled, no tick")
        << Edit([](Worksheet &s) { s.questions[0].ticks = {}; })
        << "You have not ticked the correct answer for Question 1";
    QTest::newRow("answer C of question 1 empty and no tick") << Edit([](Worksheet &s) {
        s.questions[0].answers[2].clear();
        s.questions[0].ticks = {};
    }) << "You have not completed Question 1";
    QTest::newRow("A and D of question 7 ticked") << Edit([](Worksheet &s) {
        s.questions[6].ticks = {true, false, false, true};
    }) << "You have ticked more than one correct answer for Question 7";
    QTest::newRow("question 1 examined before question 2") << Edit([](Worksheet &s) {
        s.questions[0].ticks = {};
        s.questions[1].text.clear();
    }) << "You have not ticked the correct answer for Question 1";
    QTest::newRow("question 10 text empty")
        << Edit([](Worksheet &s) { s.questions[9].text.clear(); })
        << "You have not completed Question 10";
    QTest::newRow("answer D empty wins over a missing tick") << Edit([](Worksheet &s) {
        s.questions[3].answers[3].clear();
        s.questions[3].ticks = {};
    }) << "You have not completed Question 4";
    QTest::newRow("question of blanks")
        << Edit([](Worksheet &s) { s.questions[2].text = QStringLiteral("   "); })
        << "You have not completed Question 3";
    QTest::newRow("answer of blanks")
        << Edit([](Worksheet &s) { s.questions[5].answers[1] = QStringLiteral(" "); })
        << "You have not completed Question 6";
    QTest::newRow("blanks around a text pass")
        << Edit([](Worksheet &s) { s.questions[2].text = QStringLiteral(" Why? "); }) << none;
    QTest::newRow("empty title before empty questions") << Edit([](Worksheet &s) {
        s.title.clear();
        s.questions[0].text.clear();
    }) << "You have not chosen a title for your worksheet";

    const QString blanks = QStringLiteral("Please do not begin or end the title with a space.");
    const QString signs =
        QStringLiteral(". These signs cannot be used in a title: < > : \" / \\ | ? * , &");
    const QString sign = QStringLiteral("The title cannot contain the sign ");
    const QString invisible =
        QStringLiteral("The title cannot contain tabs, line breaks or other invisible characters.");
    const QString stops = QStringLiteral(
        "The title cannot begin or end with a full stop, or have two full stops together.");
    const struct {
        const char *name;
        QString title;
        QString message;
    } titles[] = {
        {"title with comma", QStringLiteral("Magnets, part 1"), sign + "," + signs},
        {"title with slash", QStringLiteral("../track"), sign + "/" + signs},
        {"title with backslash", QStringLiteral("a\\b"), sign + "\\" + signs},
        {"title of two dots", QStringLiteral(".."), stops},
        {"title ending in a full stop", QStringLiteral("Magnets."), stops},
        {"title with leading quote", QStringLiteral("\"Forces\""), sign + "\"" + signs},
        {"title with ampersand", QStringLiteral("Push & pull"), sign + "&" + signs},
        {"title with question mark", QStringLiteral("Why?"), sign + "?" + signs},
        {"title with tab", QStringLiteral("a\tb"), invisible},
        {"title outside the code page", QStringLiteral("Magnet \u2192 iron"), QString()},
        {"Welsh title", QStringLiteral("Dw\u0175r a th\u00e2n"), QString()},
        {"title with half a character", QStringLiteral("Magnet \xd83d"), invisible},
        {"title of a device name", QStringLiteral("CON"),
         QStringLiteral("The computer keeps CON as a name of its own. Please choose another "
                        "title.")},
        {"title of a numbered device name", QStringLiteral("lpt1"),
         QStringLiteral("The computer keeps lpt1 as a name of its own. Please choose another "
                        "title.")},
        {"title with leading blanks", QStringLiteral("  Magnets"), blanks},
        {"title with trailing blank", QStringLiteral("Magnets "), blanks},
        {"title of blanks", QStringLiteral("   "),
         QStringLiteral("You have not chosen a title for your worksheet")},
        {"catalogue's own name", QStringLiteral("TRACK"),
         QStringLiteral("That title is used by one of the program's own quizzes. Please choose "
                        "another title.")},
        {"a topic's quiz", QStringLiteral("michael faraday"),
         QStringLiteral("That title is used by one of the program's own quizzes. Please choose "
                        "another title.")},
        {"letters digits and accents", QStringLiteral("Forces 2 - caf\u00e9's"), QString()},
    };
    for (const auto &t : titles) {
        const QString title = t.title;
        QTest::newRow(t.name) << Edit([title](Worksheet &s) { s.title = title; }) << t.message;
    }

    QTest::newRow("question starting with a quote")
        << Edit([](Worksheet &s) { s.questions[4].text = QStringLiteral("  \"Push\" or pull?"); })
        << "Please do not begin a question or an answer with a double quote mark in Question 5";
    QTest::newRow("answer starting with a quote")
        << Edit([](Worksheet &s) { s.questions[8].answers[3] = QStringLiteral("\"Gravity\""); })
        << "Please do not begin a question or an answer with a double quote mark in Question 9";
    QTest::newRow("ohm sign in question 4 saves") << Edit([](Worksheet &s) {
        s.questions[3].answers[2] = QStringLiteral("resistance, \u03a9 or V?");
    }) << none;
    QTest::newRow("half a character in question 4, nothing saved")
        << Edit([](Worksheet &s) { s.questions[3].answers[2] = QString(QChar(0xdc00)); })
        << QString("The character \"%1\" cannot be saved in a worksheet. Please write it another "
                   "way in Question 4")
               .arg(QChar(0xdc00));
    QTest::newRow("inner quote and comma are fine") << Edit([](Worksheet &s) {
        s.questions[0].text = QStringLiteral("Which, of these, is a \"magnet\"?");
    }) << none;
}

void TestWizardChecks::firstFailure()
{
    QFETCH(Edit, edit);
    QFETCH(QString, message);
    Worksheet sheet = complete();
    edit(sheet);
    QCOMPARE(wizardchecks::check(sheet).error, message);
}

void TestWizardChecks::listedTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("message");
    const QStringList listed{QStringLiteral("Light"), QStringLiteral("Sound")};
    QTest::newRow("same title saves again") << "Light" << listed << QString();
    QTest::newRow("new title") << "Magnets" << listed << QString();
    QTest::newRow("differs only in case")
        << "sound" << listed
        << "There is already a worksheet called Sound. Please type its title exactly the same, or "
           "choose another title.";
}

void TestWizardChecks::listedTitles()
{
    QFETCH(QString, title);
    QFETCH(QStringList, listed);
    QFETCH(QString, message);
    Worksheet sheet = complete();
    sheet.title = title;
    QCOMPARE(wizardchecks::check(sheet, listed).error, message);
}

QTEST_GUILESS_MAIN(TestWizardChecks)
#include "tst_wizardchecks.moc"
