// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "labelbutton.h"
#include "mainmenu.h"
#include "multiple.h"
#include "picturebox.h"
#include "topichub.h"
#include "welldone.h"
#include "wrong.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

static const QString Click = QStringLiteral("wav\\click.wav");

class TestQuiz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hubData_data();
    void hubData();
    void hubStartsQuizFromItsFile();
    void damagedQuestionFileKeepsHubUsable_data();
    void damagedQuestionFileKeepsHubUsable();
    void navigationAndMarking();
    void wrongAnswersFillReviewRows();
    void tenUnanswered();
    void exitAbandonsTheQuiz();
    void resultsChain_data();
    void resultsChain();
    void activityResultHasNoReview();
    void certificatePrints();
    void printerFailureIsReported();
    void worksheetPrints();
    void reviewExitClosesBoth();
    void quizTextFitsItsBoxes();
    void markupShowsAsText();

private:
    multiple *startQuiz(Harness &h, TopicHub *hub = nullptr);
};

multiple *TestQuiz::startQuiz(Harness &h, TopicHub *hub)
{
    h.ctx->screens.show<MainMenu>();
    if (!hub)
        hub = h.ctx->screens.show<TopicHub>(1);
    hub->Label3_Click(TopicHub::MultipleChoice);
    return h.ctx->screens.loaded<multiple>();
}

void TestQuiz::hubData_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("keyFacts");
    QTest::addColumn<int>("notesPages");
    QTest::newRow("introduction") << 0 << "Introduction"
                                  << "key introduction" << 1;
    QTest::newRow("electricity") << 1 << "Electricity"
                                 << "key electricity" << 2;
    QTest::newRow("faraday") << 2 << "Michael Faraday"
                             << "key faraday" << 1;
}

void TestQuiz::hubData()
{
    QFETCH(int, topic);
    QFETCH(QString, title);
    QFETCH(QString, keyFacts);
    QFETCH(int, notesPages);
    Harness h;
    h.ctx->screens.show<MainMenu>(); // switches sound on
    TopicHub *hub = nullptr;
    if (topic == 0)
        hub = h.ctx->screens.show<TopicHub>(0);
    else if (topic == 1)
        hub = h.ctx->screens.show<TopicHub>(1);
    else
        hub = h.ctx->screens.show<TopicHub>(2);
    QCOMPARE(hub->Label1->text(), title);
    QVERIFY(hub->Image1->hasPicture());
    const QRect picture = hub->Image1->geometry(); // centred in the window
    QVERIFY(qAbs(2 * picture.x() + picture.width() - 800) <= 1);
    QCOMPARE(hub->palette().color(QPalette::Window),
             topic == 0 ? QColor(39, 63, 137) : QColor(Qt::black));

    hub->Label3_Click(TopicHub::KeyFacts);
    QCOMPARE(h.ctx->state.PageName, keyFacts);
    QCOMPARE(int(h.ctx->state.PageCount), 2);
    hub->Label3_Click(TopicHub::TeachersNotes);
    QCOMPARE(int(h.ctx->state.PageCount), notesPages);
    QVERIFY(!h.ctx->state.PageName.startsWith(QLatin1String("key")));

    // The quiz picture and the quiz's topic line.
    hub->Label3_Click(TopicHub::MultipleChoice);
    multiple *quiz = h.ctx->screens.loaded<multiple>();
    QVERIFY(quiz && quiz->isVisible());
    QVERIFY(quiz->Picture1->hasPicture());
    QCOMPARE(quiz->Label5->text(), QStringLiteral("Quorvel"));
    QCOMPARE(quiz->Label6->text(), title);
    QCOMPARE(h.sound.played.count(Click), 3);

    hub->Label3_Click(TopicHub::Exit);
    settle();
    QVERIFY(h.ctx->screens.loaded<MainMenu>()->isVisible());
    QCOMPARE(h.ctx->screens.loaded<TopicHub>(0) || h.ctx->screens.loaded<TopicHub>(1) ||
                 h.ctx->screens.loaded<TopicHub>(2),
             false);
}

void TestQuiz::hubStartsQuizFromItsFile()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    QCOMPARE(int(h.ctx->state.QuestionNo), 1);
    QCOMPARE(quiz->Label4->text(), QStringLiteral("Question 1"));
    QCOMPARE(quiz->Label2->text(), h.ctx->state.QuestionText[1]);
    QCOMPARE(quiz->Option1[3]->text(), h.ctx->state.AnswerC[1]);
    QCOMPARE(quiz->chosenAnswer(), 0);
    QVERIFY(quiz->Label3[multiple::PreviousQuestion]->isHidden());

    // Changing the bank in memory, then starting again, reloads it from the file.
    h.ctx->state.QuestionText[1] = QStringLiteral("changed");
    quiz->Label3_Click(multiple::Exit);
    settle();
    quiz = startQuiz(h, h.ctx->screens.loaded<TopicHub>(1));
    QVERIFY(h.ctx->state.QuestionText[1] != QLatin1String("changed"));
}

void TestQuiz::damagedQuestionFileKeepsHubUsable_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("short") << QByteArray("Electricity\r\n \r\nOnly one line\r\n");
    QByteArray badDigit("Electricity\r\n \r\n");
    for (int q = 0; q < 10; ++q)
        badDigit += "q\r\na\r\nb\r\nc\r\nd\r\n7\r\n \r\n";
    QTest::newRow("correct answer 7") << badDigit;
}

void TestQuiz::damagedQuestionFileKeepsHubUsable()
{
    QFETCH(QByteArray, bytes);
    Harness h;
    QFile::remove(h.file(QStringLiteral("multiple/electricity.txt")));
    if (!bytes.isEmpty())
        h.writeFile(QStringLiteral("multiple/electricity.txt"), bytes);
    h.ctx->screens.show<MainMenu>();
    TopicHub *hub = h.ctx->screens.show<TopicHub>(1);
    hub->Label3_Click(TopicHub::MultipleChoice);
    QVERIFY(!h.ctx->screens.loaded<multiple>());
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("The questions for this topic could not be read.")});
    QVERIFY(hub->isVisible());
    hub->Label3_Click(TopicHub::Exit); // still works
    settle();
    QVERIFY(!h.ctx->screens.loaded<TopicHub>(1));
}

void TestQuiz::navigationAndMarking()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    AppState &s = h.ctx->state;
    const auto right = [&](int q) { return s.CorrectAnswer[q].toInt(); };

    for (int q = 1; q <= 3; ++q) {
        quiz->Option1[right(q)]->click();
        quiz->Label3_Click(multiple::NextQuestion);
    }
    QCOMPARE(h.sound.played.count(QStringLiteral("wav\\typekey.wav")), 3);
    // Question 4: right, then back to 3 and forward again.
    quiz->Option1[right(4)]->click();
    quiz->Label3_Click(multiple::NextQuestion);
    QCOMPARE(int(s.AnswerMark[4]), 1);
    quiz->Label3_Click(multiple::PreviousQuestion);
    QCOMPARE(int(s.QuestionNo), 4);
    QCOMPARE(quiz->chosenAnswer(), 0); // a revisit starts with no answer chosen
    quiz->Label3_Click(multiple::PreviousQuestion);
    quiz->Label3_Click(multiple::NextQuestion); // re-marks 3 from nothing chosen
    QCOMPARE(int(s.AnswerMark[3]), 0);
    QCOMPARE(int(s.AnswerMark[4]), 1); // untouched until Next on 4
    quiz->Label3_Click(multiple::NextQuestion);
    QCOMPARE(int(s.AnswerMark[4]), 0);

    while (s.QuestionNo < 10)
        quiz->Label3_Click(multiple::NextQuestion);
    QCOMPARE(quiz->Label3[multiple::NextQuestion]->text(), QStringLiteral("Check Score >>"));
    QVERIFY(!quiz->Label3[multiple::PreviousQuestion]->isHidden());
    quiz->Label3_Click(multiple::PreviousQuestion);
    QCOMPARE(quiz->Label3[multiple::NextQuestion]->text(), QStringLiteral("Next Question >>"));
    QCOMPARE(quiz->Label4->text(), QStringLiteral("Question 9"));
}

void TestQuiz::wrongAnswersFillReviewRows()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    AppState &s = h.ctx->state;
    for (int q = 1; q <= 10; ++q) {
        const int right = s.CorrectAnswer[q].toInt();
        const bool wrong = q == 2 || q == 5 || q == 9;
        quiz->Option1[wrong ? right % 4 + 1 : right]->click();
        quiz->Label3_Click(multiple::NextQuestion);
    }
    settle();
    QVERIFY(!h.ctx->screens.loaded<multiple>()); // the quiz unloads itself
    QCOMPARE(int(s.Score), 7);
    QCOMPARE(s.TopicName, QStringLiteral("Quorvel"));
    Wrong *review = h.ctx->screens.loaded<Wrong>();
    QVERIFY(review && !review->isVisible());
    QCOMPARE(review->Label6->text(), QStringLiteral("Electricity"));
    const int rows[] = {2, 5, 9};
    for (int k = 0; k < 3; ++k) {
        QVERIFY(!review->Label2[k]->isHidden());
        QCOMPARE(review->Label2[k]->text(),
                 QStringLiteral(" %1. ").arg(rows[k]) + s.QuestionText[rows[k]]);
    }
    for (int k = 3; k < 10; ++k)
        QVERIFY(review->Label2[k]->isHidden());

    Welldone *results = h.ctx->screens.loaded<Welldone>();
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->Label1->text(), QStringLiteral("You have scored 7 out of 10."));
    QVERIFY(!results->Label5->isHidden());
    QVERIFY(results->Label6->isHidden());
    LabelButton *check = results->Label3[Welldone::CertificateOrReview];
    QVERIFY(!check->isHidden());
    QCOMPARE(check->text(), QStringLiteral("Check Wrong Answers"));
    check->clicked();
    QVERIFY(review->isVisible());
}

void TestQuiz::tenUnanswered()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    for (int q = 1; q <= 10; ++q)
        quiz->Label3_Click(multiple::NextQuestion);
    QCOMPARE(int(h.ctx->state.Score), 0);
    Wrong *review = h.ctx->screens.loaded<Wrong>();
    for (int k = 0; k < 10; ++k) {
        QVERIFY(!review->Label2[k]->isHidden());
        QVERIFY(review->Label2[k]->text().startsWith(QStringLiteral(" %1. ").arg(k + 1)));
    }
    QCOMPARE(review->Label2[9]->y(), 7080 / 15);
}

void TestQuiz::exitAbandonsTheQuiz()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    h.ctx->state.Score = 5;
    quiz->Label3_Click(multiple::NextQuestion);
    h.sound.played.clear();
    quiz->Label3_Click(multiple::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<multiple>());
    QVERIFY(!h.ctx->screens.loaded<Welldone>());
    QVERIFY(!h.ctx->screens.loaded<Wrong>());
    QCOMPARE(h.sound.played, QStringList{Click});
}

void TestQuiz::resultsChain_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("sound");
    QTest::newRow("10 of 10, r low") << 10 << "wav\\fanf2.wav";
    QTest::newRow("7 of 10") << 7 << "wav\\drumroll.wav";
    QTest::newRow("0 of 10") << 0 << QString();
}

void TestQuiz::resultsChain()
{
    QFETCH(int, score);
    QFETCH(QString, sound);
    Harness h;
    h.ctx->state.SoundOn = 1;
    h.ctx->state.Score = qint16(score);
    h.ctx->state.OutOf = 10;
    Welldone *results = h.ctx->screens.get<Welldone>();
    results->random = [] { return 0.1; };
    QVERIFY(results->Timer1->isActive());
    QVERIFY(!results->Picture1->hasPicture());
    results->showScreen();
    QTRY_VERIFY(!results->Timer1->isActive() && !results->Timer2->isActive() &&
                !results->Timer3->isActive());
    QVERIFY(results->Picture1->hasPicture());
    QVERIFY(results->Label3[Welldone::Exit]->isOpaque());
    QCOMPARE(h.sound.played, sound.isEmpty() ? QStringList() : QStringList{sound});
    const bool full = score == 10;
    QCOMPARE(results->Text1->isHidden(), !full);
    QCOMPARE(results->Label2->isHidden(), !full);
    QCOMPARE(results->Label6->isHidden(), full);
}

void TestQuiz::activityResultHasNoReview()
{
    Harness h;
    h.ctx->state.SoundOn = 1;
    h.ctx->state.Score = 6;
    h.ctx->state.OutOf = 10;
    Welldone *results = h.ctx->screens.show<Welldone>();
    results->random = [] { return 0.9; };
    QCOMPARE(results->Label1->text(), QStringLiteral("You have scored 6 out of 10."));
    QVERIFY(!results->Label6->isHidden());
    QVERIFY(results->Label3[Welldone::CertificateOrReview]->isHidden());
    QTRY_COMPARE(h.sound.played, QStringList{QStringLiteral("wav\\clown.wav")});

    // Sound off: nothing at all, not even the click.
    h.ctx->state.SoundOn = 0;
    results->Label3_Click(Welldone::Exit);
    QCOMPARE(h.sound.played.size(), 1);
}

void TestQuiz::certificatePrints()
{
    Harness h;
    h.ctx->state.Score = 4;
    h.ctx->state.OutOf = 4;
    h.ctx->state.TopicName = QStringLiteral("Quorvel");
    h.ctx->player.name = QStringLiteral("Ada"); // who is playing fills the name
    Welldone *results = h.ctx->screens.show<Welldone>();
    QCOMPARE(results->Label1->text(),
             QStringLiteral("Excellent work. You have scored 4 out of 4."));
    QCOMPARE(results->Label3[0]->text(), QStringLiteral("Print Certificate"));
    QCOMPARE(results->Text1->maxLength(), 30);
    QCOMPARE(results->Text1->text(), QStringLiteral("Ada"));
    QTest::keyClicks(results->Text1, QStringLiteral(" Lovelace"));
    results->Label3_Click(Welldone::CertificateOrReview);
    QCOMPARE(h.printer.documents, 1);
    QVERIFY(h.printer.ops.contains(PrintOp::print(QStringLiteral("Ada Lovelace"), true)));
    QCOMPARE(h.boxes.shown, QStringList{QStringLiteral("Your certificate is now printing.")});
    QVERIFY(h.sound.played.isEmpty()); // no click after printing
    QVERIFY(!h.ctx->screens.loaded<Wrong>());
}

void TestQuiz::printerFailureIsReported()
{
    Harness h;
    h.ctx->state.Score = 10;
    h.ctx->state.OutOf = 10;
    Welldone *results = h.ctx->screens.show<Welldone>();
    h.printer.failAfter = 5;
    results->Label3_Click(Welldone::CertificateOrReview);
    QCOMPARE(h.printer.documents, 0);
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("There was a problem printing to your printer.")});
    // The screen carries on, and a later print on a working printer succeeds.
    h.printer.failAfter = -1;
    h.printer.ops.clear();
    results->Label3_Click(Welldone::CertificateOrReview);
    QCOMPARE(h.printer.documents, 1);
}

void TestQuiz::worksheetPrints()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    quiz->Label3_Click(multiple::NextQuestion);
    quiz->Label3_Click(multiple::PrintWorksheet);
    QCOMPARE(h.printer.documents, 1);
    int questions = 0;
    for (const PrintOp &op : h.printer.ops) {
        if (op.kind == PrintOp::Print && op.text.startsWith(QLatin1String("Question")))
            ++questions;
    }
    QCOMPARE(questions, 10);
    QCOMPARE(h.boxes.shown, QStringList{QStringLiteral("Your worksheet is now printing.")});
    QCOMPARE(int(h.ctx->state.QuestionNo), 2); // printing leaves the quiz where it was
}

void TestQuiz::reviewExitClosesBoth()
{
    Harness h;
    multiple *quiz = startQuiz(h);
    for (int q = 1; q <= 10; ++q)
        quiz->Label3_Click(multiple::NextQuestion);
    h.ctx->screens.loaded<Welldone>()->Label3_Click(Welldone::CertificateOrReview);
    Wrong *review = h.ctx->screens.loaded<Wrong>();
    QVERIFY(review->isVisible());
    h.sound.played.clear();
    review->Label3_Click(1);
    settle();
    QVERIFY(!h.ctx->screens.loaded<Wrong>());
    QVERIFY(!h.ctx->screens.loaded<Welldone>());
    QVERIFY(h.ctx->screens.loaded<TopicHub>(1)->isVisible());
    QVERIFY(h.sound.played.isEmpty());
}

void TestQuiz::quizTextFitsItsBoxes()
{
    // Every question and answer of the three built-in files fits its box at its font.
    Harness h;
    h.ctx->screens.show<MainMenu>();
    const auto check = [&](TopicHub *hub) {
        hub->Label3_Click(TopicHub::MultipleChoice);
        multiple *quiz = h.ctx->screens.loaded<multiple>();
        for (int q = 1; q <= 10; ++q) {
            const QRect box = quiz->Label2->contentsRect();
            const QRect needed =
                QFontMetrics(quiz->Label2->font())
                    .boundingRect(box, Qt::TextWordWrap | Qt::AlignHCenter, quiz->Label2->text());
            QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width(),
                     qPrintable(quiz->Label2->text()));
            for (int a = 1; a <= 4; ++a) {
                QRadioButton *o = quiz->Option1[a];
                QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
            }
            quiz->Label3_Click(multiple::NextQuestion);
        }
        QVERIFY2(QFontMetrics(h.ctx->screens.loaded<Wrong>()->Label2[0]->font())
                         .horizontalAdvance(h.ctx->screens.loaded<Wrong>()->Label2[9]->text()) <=
                     800 - 8,
                 "review rows fit the window");
        h.ctx->screens.loaded<Welldone>()->Label3_Click(Welldone::Exit);
        settle();
    };
    check(h.ctx->screens.show<TopicHub>(0));
    check(h.ctx->screens.show<TopicHub>(1));
    check(h.ctx->screens.show<TopicHub>(2));
}

void TestQuiz::markupShowsAsText()
{
    // A worksheet typed with markup: shown as typed, never read as HTML (an image of /dev/zero
    // would be read without end).
    const QByteArray markup = "<b>Magnets</b> <img src=\"/dev/zero\">";
    QByteArray file = markup + "\r\n \r\n";
    for (int q = 0; q < 10; ++q)
        file += markup + "\r\n" + markup + "\r\nb\r\nc\r\nd\r\n1\r\n \r\n";
    Harness h;
    h.writeFile(QStringLiteral("multiple/electricity.txt"), file);
    int seen = 0;
    const auto plain = [&seen](QWidget *screen) {
        for (QLabel *label : screen->findChildren<QLabel *>()) {
            if (Qt::mightBeRichText(label->text())) {
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
                ++seen;
            }
        }
    };
    multiple *quiz = startQuiz(h);
    plain(quiz);
    for (int q = 1; q <= 10; ++q) {
        quiz->Option1[2]->click();
        quiz->Label3_Click(multiple::NextQuestion);
    }
    settle();
    plain(h.ctx->screens.loaded<Welldone>());
    plain(h.ctx->screens.loaded<Wrong>());
    QVERIFY(seen >= 11); // the quiz's question and the review's ten rows at least
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
