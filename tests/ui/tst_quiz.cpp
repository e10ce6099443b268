// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "journal.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "picturebox.h"
#include "quizscreen.h"
#include "resultsscreen.h"
#include "reviewscreen.h"
#include "topichub.h"

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
    QuizScreen *startQuiz(Harness &h, TopicHub *hub = nullptr);
};

QuizScreen *TestQuiz::startQuiz(Harness &h, TopicHub *hub)
{
    h.ctx->screens.show<MainMenu>();
    if (!hub)
        hub = h.ctx->screens.show<TopicHub>(1);
    hub->buttonClicked(TopicHub::MultipleChoice);
    return h.ctx->screens.loaded<QuizScreen>();
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
    QCOMPARE(control<QLabel>(hub, "titleText")->text(), title);
    QVERIFY(control<PictureBox>(hub, "topicPicture")->hasPicture());
    const QRect picture =
        control<PictureBox>(hub, "topicPicture")->geometry(); // centred in the window
    QVERIFY(qAbs(2 * picture.x() + picture.width() - 800) <= 1);
    QCOMPARE(hub->palette().color(QPalette::Window),
             topic == 0 ? QColor(39, 63, 137) : QColor(Qt::black));

    hub->buttonClicked(TopicHub::KeyFacts);
    QCOMPARE(h.ctx->state.pageSet, keyFacts);
    QCOMPARE(int(h.ctx->state.pageCount), 2);
    hub->buttonClicked(TopicHub::TeachersNotes);
    QCOMPARE(int(h.ctx->state.pageCount), notesPages);
    QVERIFY(!h.ctx->state.pageSet.startsWith(QLatin1String("key")));

    // The quiz picture and the quiz's topic line.
    hub->buttonClicked(TopicHub::MultipleChoice);
    QuizScreen *quiz = h.ctx->screens.loaded<QuizScreen>();
    QVERIFY(quiz && quiz->isVisible());
    QVERIFY(control<PictureBox>(quiz, "topicPicture")->hasPicture());
    QCOMPARE(control<QLabel>(quiz, "topicText")->text(), QStringLiteral("Quorvel"));
    QCOMPARE(control<QLabel>(quiz, "worksheetTitle")->text(), title);
    QCOMPARE(h.sound.played.count(Click), 3);

    hub->buttonClicked(TopicHub::Exit);
    settle();
    QVERIFY(h.ctx->screens.loaded<MainMenu>()->isVisible());
    QCOMPARE(h.ctx->screens.loaded<TopicHub>(0) || h.ctx->screens.loaded<TopicHub>(1) ||
                 h.ctx->screens.loaded<TopicHub>(2),
             false);
}

void TestQuiz::hubStartsQuizFromItsFile()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    QCOMPARE(int(h.ctx->state.questionNumber), 1);
    QCOMPARE(control<QLabel>(quiz, "questionNumber")->text(), QStringLiteral("Question 1"));
    QCOMPARE(control<QLabel>(quiz, "questionText")->text(), h.ctx->state.quiz.question(1).text);
    QCOMPARE(control<QRadioButton>(quiz, "answerButtons", 3)->text(),
             h.ctx->state.quiz.question(1).answers[2]);
    QCOMPARE(quiz->chosenAnswer(), 0);
    QVERIFY(control<LabelButton>(quiz, "buttons", QuizScreen::PreviousQuestion)->isHidden());

    // Changing the bank in memory, then starting again, reloads it from the file.
    h.ctx->state.quiz.question(1).text = QStringLiteral("changed");
    quiz->buttonClicked(QuizScreen::Exit);
    settle();
    quiz = startQuiz(h, h.ctx->screens.loaded<TopicHub>(1));
    QVERIFY(h.ctx->state.quiz.question(1).text != QLatin1String("changed"));
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
    hub->buttonClicked(TopicHub::MultipleChoice);
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("The questions for this topic could not be read.")});
    QVERIFY(hub->isVisible());
    hub->buttonClicked(TopicHub::Exit); // still works
    settle();
    QVERIFY(!h.ctx->screens.loaded<TopicHub>(1));
}

void TestQuiz::navigationAndMarking()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    AppState &s = h.ctx->state;
    const auto right = [&](int q) { return s.quiz.question(q).rightAnswer(); };

    for (int q = 1; q <= 3; ++q) {
        control<QRadioButton>(quiz, "answerButtons", right(q))->click();
        quiz->buttonClicked(QuizScreen::NextQuestion);
    }
    QCOMPARE(h.sound.played.count(QStringLiteral("wav\\typekey.wav")), 3);
    // Question 4: right, then back to 3 and forward again.
    control<QRadioButton>(quiz, "answerButtons", right(4))->click();
    quiz->buttonClicked(QuizScreen::NextQuestion);
    QCOMPARE(int(s.marks[4]), 1);
    quiz->buttonClicked(QuizScreen::PreviousQuestion);
    QCOMPARE(int(s.questionNumber), 4);
    QCOMPARE(quiz->chosenAnswer(), 0); // a revisit starts with no answer chosen
    quiz->buttonClicked(QuizScreen::PreviousQuestion);
    quiz->buttonClicked(QuizScreen::NextQuestion); // re-marks 3 from nothing chosen
    QCOMPARE(int(s.marks[3]), 0);
    QCOMPARE(int(s.marks[4]), 1); // untouched until Next on 4
    quiz->buttonClicked(QuizScreen::NextQuestion);
    QCOMPARE(int(s.marks[4]), 0);

    while (s.questionNumber < 10)
        quiz->buttonClicked(QuizScreen::NextQuestion);
    QCOMPARE(control<LabelButton>(quiz, "buttons", QuizScreen::NextQuestion)->text(),
             QStringLiteral("Check Score >>"));
    QVERIFY(!control<LabelButton>(quiz, "buttons", QuizScreen::PreviousQuestion)->isHidden());
    quiz->buttonClicked(QuizScreen::PreviousQuestion);
    QCOMPARE(control<LabelButton>(quiz, "buttons", QuizScreen::NextQuestion)->text(),
             QStringLiteral("Next Question >>"));
    QCOMPARE(control<QLabel>(quiz, "questionNumber")->text(), QStringLiteral("Question 9"));
}

void TestQuiz::wrongAnswersFillReviewRows()
{
    Harness h;
    h.boxes.names.push_back(QStringLiteral("  Ada  ")); // who is playing
    QuizScreen *quiz = startQuiz(h);
    AppState &s = h.ctx->state;
    for (int q = 1; q <= 10; ++q) {
        const int right = s.quiz.question(q).rightAnswer();
        const bool wrong = q == 2 || q == 5 || q == 9;
        control<QRadioButton>(quiz, "answerButtons", wrong ? right % 4 + 1 : right)->click();
        quiz->buttonClicked(QuizScreen::NextQuestion);
    }
    settle();
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>()); // the quiz unloads itself
    QCOMPARE(int(s.score), 7);
    QCOMPARE(s.topicName, QStringLiteral("Quorvel"));
    ReviewScreen *review = h.ctx->screens.loaded<ReviewScreen>();
    QVERIFY(review && !review->isVisible());
    QCOMPARE(control<QLabel>(review, "worksheetTitle")->text(), QStringLiteral("Electricity"));
    const int rows[] = {2, 5, 9};
    for (int k = 0; k < 3; ++k) {
        QVERIFY(!control<QLabel>(review, "wrongAnswerRows", k)->isHidden());
        QCOMPARE(control<QLabel>(review, "wrongAnswerRows", k)->text(),
                 QStringLiteral(" %1. ").arg(rows[k]) + s.quiz.question(rows[k]).text);
    }
    for (int k = 3; k < 10; ++k)
        QVERIFY(control<QLabel>(review, "wrongAnswerRows", k)->isHidden());

    ResultsScreen *results = h.ctx->screens.loaded<ResultsScreen>();
    QVERIFY(results && results->isVisible());
    QCOMPARE(control<QLabel>(results, "scoreText")->text(),
             QStringLiteral("You have scored 7 out of 10."));
    QVERIFY(!control<QLabel>(results, "hintText")->isHidden());
    QVERIFY(control<QLabel>(results, "adviceText")->isHidden());
    LabelButton *check =
        control<LabelButton>(results, "buttons", ResultsScreen::CertificateOrReview);
    QVERIFY(!check->isHidden());
    QCOMPARE(check->text(), QStringLiteral("Check Wrong Answers"));
    check->clicked();
    QVERIFY(review->isVisible());

    // The result is kept in the class folder under the name given, once asked.
    QCOMPARE(h.boxes.namesOffered.size(), 1);
    const journal::Read kept = journal::readFolder(h.file(QStringLiteral("multiple/results")));
    QCOMPARE(kept.records.size(), 1);
    const journal::Record &r = kept.records.first();
    QCOMPARE(r.pupil, QStringLiteral("Ada"));
    QCOMPARE(r.topic + QLatin1Char('/') + r.activity, QStringLiteral("Electricity/Quiz"));
    QCOMPARE(r.score * 100 + r.outOf, 710);
    QCOMPARE(r.wrong, QVector<int>({2, 5, 9}));
    QVERIFY(control<QLabel>(results, "notKeptLine")->isHidden());
}

void TestQuiz::tenUnanswered()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    for (int q = 1; q <= 10; ++q)
        quiz->buttonClicked(QuizScreen::NextQuestion);
    QCOMPARE(int(h.ctx->state.score), 0);
    ReviewScreen *review = h.ctx->screens.loaded<ReviewScreen>();
    for (int k = 0; k < 10; ++k) {
        QVERIFY(!control<QLabel>(review, "wrongAnswerRows", k)->isHidden());
        QVERIFY(control<QLabel>(review, "wrongAnswerRows", k)
                    ->text()
                    .startsWith(QStringLiteral(" %1. ").arg(k + 1)));
    }
    QCOMPARE(control<QLabel>(review, "wrongAnswerRows", 9)->y(), 7080 / 15);
}

void TestQuiz::exitAbandonsTheQuiz()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    h.ctx->state.score = 5;
    quiz->buttonClicked(QuizScreen::NextQuestion);
    h.sound.played.clear();
    quiz->buttonClicked(QuizScreen::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<QuizScreen>());
    QVERIFY(!h.ctx->screens.loaded<ResultsScreen>());
    QVERIFY(!h.ctx->screens.loaded<ReviewScreen>());
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
    h.ctx->state.soundOn = 1;
    h.ctx->state.score = qint16(score);
    h.ctx->state.outOf = 10;
    ResultsScreen *results = h.ctx->screens.get<ResultsScreen>();
    results->random = [] { return 0.1; };
    QVERIFY(control<QTimer>(results, "pictureTimer")->isActive());
    QVERIFY(!control<PictureBox>(results, "celebrationPicture")->hasPicture());
    results->showScreen();
    QTRY_VERIFY(!control<QTimer>(results, "pictureTimer")->isActive() &&
                !control<QTimer>(results, "focusTimer")->isActive() &&
                !control<QTimer>(results, "soundTimer")->isActive());
    QVERIFY(control<PictureBox>(results, "celebrationPicture")->hasPicture());
    QVERIFY(control<LabelButton>(results, "buttons", ResultsScreen::Exit)->isOpaque());
    QCOMPARE(h.sound.played, sound.isEmpty() ? QStringList() : QStringList{sound});
    const bool full = score == 10;
    QCOMPARE(control<QLineEdit>(results, "pupilName")->isHidden(), !full);
    QCOMPARE(control<QLabel>(results, "nameHint")->isHidden(), !full);
    QCOMPARE(control<QLabel>(results, "adviceText")->isHidden(), full);
}

void TestQuiz::activityResultHasNoReview()
{
    Harness h;
    h.ctx->state.soundOn = 1;
    h.ctx->state.score = 6;
    h.ctx->state.outOf = 10;
    ResultsScreen *results = h.ctx->screens.show<ResultsScreen>();
    results->random = [] { return 0.9; };
    QCOMPARE(control<QLabel>(results, "scoreText")->text(),
             QStringLiteral("You have scored 6 out of 10."));
    QVERIFY(!control<QLabel>(results, "adviceText")->isHidden());
    QVERIFY(
        control<LabelButton>(results, "buttons", ResultsScreen::CertificateOrReview)->isHidden());
    QTRY_COMPARE(h.sound.played, QStringList{QStringLiteral("wav\\clown.wav")});

    // Sound off: nothing at all, not even the click.
    h.ctx->state.soundOn = 0;
    results->buttonClicked(ResultsScreen::Exit);
    QCOMPARE(h.sound.played.size(), 1);
}

void TestQuiz::certificatePrints()
{
    Harness h;
    h.ctx->state.score = 4;
    h.ctx->state.outOf = 4;
    h.ctx->state.topicName = QStringLiteral("Quorvel");
    h.ctx->player.name = QStringLiteral("Ada"); // who is playing fills the name
    ResultsScreen *results = h.ctx->screens.show<ResultsScreen>();
    QCOMPARE(control<QLabel>(results, "scoreText")->text(),
             QStringLiteral("Excellent work. You have scored 4 out of 4."));
    QCOMPARE(control<LabelButton>(results, "buttons", 0)->text(),
             QStringLiteral("Print Certificate"));
    QCOMPARE(control<QLineEdit>(results, "pupilName")->maxLength(), 30);
    QCOMPARE(control<QLineEdit>(results, "pupilName")->text(), QStringLiteral("Ada"));
    QTest::keyClicks(control<QLineEdit>(results, "pupilName"), QStringLiteral(" Lovelace"));
    results->buttonClicked(ResultsScreen::CertificateOrReview);
    QCOMPARE(h.printer.printed.size(), 1);
    QVERIFY(h.printer.printed[0].contains(PrintOp::print(QStringLiteral("Ada Lovelace"), true)));
    QCOMPARE(h.boxes.shown, QStringList{QStringLiteral("Your certificate is now printing.")});
    QVERIFY(h.sound.played.isEmpty()); // no click after printing
    QVERIFY(!h.ctx->screens.loaded<ReviewScreen>());
}

void TestQuiz::printerFailureIsReported()
{
    Harness h;
    h.ctx->state.score = 10;
    h.ctx->state.outOf = 10;
    ResultsScreen *results = h.ctx->screens.show<ResultsScreen>();
    h.printer.paperFails = true;
    results->buttonClicked(ResultsScreen::CertificateOrReview);
    QVERIFY(h.printer.printed.isEmpty());
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("There was a problem printing to your printer.")});
    // The screen carries on, and a later print on a working printer succeeds.
    h.printer.paperFails = false;
    results->buttonClicked(ResultsScreen::CertificateOrReview);
    QCOMPARE(h.printer.printed.size(), 1);
}

void TestQuiz::worksheetPrints()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    quiz->buttonClicked(QuizScreen::NextQuestion);
    quiz->buttonClicked(QuizScreen::PrintWorksheet);
    QCOMPARE(h.printer.printed.size(), 1);
    int questions = 0;
    for (const PrintOp &op : h.printer.printed[0]) {
        if (op.kind == PrintOp::Print && op.text.startsWith(QLatin1String("Question")))
            ++questions;
    }
    QCOMPARE(questions, 10);
    QCOMPARE(h.boxes.shown, QStringList{QStringLiteral("Your worksheet is now printing.")});
    QCOMPARE(int(h.ctx->state.questionNumber), 2); // printing leaves the quiz where it was
}

void TestQuiz::reviewExitClosesBoth()
{
    Harness h;
    QuizScreen *quiz = startQuiz(h);
    for (int q = 1; q <= 10; ++q)
        quiz->buttonClicked(QuizScreen::NextQuestion);
    h.ctx->screens.loaded<ResultsScreen>()->buttonClicked(ResultsScreen::CertificateOrReview);
    ReviewScreen *review = h.ctx->screens.loaded<ReviewScreen>();
    QVERIFY(review->isVisible());
    h.sound.played.clear();
    review->buttonClicked(1);
    settle();
    QVERIFY(!h.ctx->screens.loaded<ReviewScreen>());
    QVERIFY(!h.ctx->screens.loaded<ResultsScreen>());
    QVERIFY(h.ctx->screens.loaded<TopicHub>(1)->isVisible());
    QVERIFY(h.sound.played.isEmpty());
}

void TestQuiz::quizTextFitsItsBoxes()
{
    // Every question and answer of the three built-in files fits its box at its font.
    Harness h;
    h.ctx->screens.show<MainMenu>();
    const auto check = [&](TopicHub *hub) {
        hub->buttonClicked(TopicHub::MultipleChoice);
        QuizScreen *quiz = h.ctx->screens.loaded<QuizScreen>();
        for (int q = 1; q <= 10; ++q) {
            const QRect box = control<QLabel>(quiz, "questionText")->contentsRect();
            const QRect needed = QFontMetrics(control<QLabel>(quiz, "questionText")->font())
                                     .boundingRect(box, Qt::TextWordWrap | Qt::AlignHCenter,
                                                   control<QLabel>(quiz, "questionText")->text());
            QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width(),
                     qPrintable(control<QLabel>(quiz, "questionText")->text()));
            for (int a = 1; a <= 4; ++a) {
                QRadioButton *o = control<QRadioButton>(quiz, "answerButtons", a);
                QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
            }
            quiz->buttonClicked(QuizScreen::NextQuestion);
        }
        QVERIFY2(QFontMetrics(
                     control<QLabel>(h.ctx->screens.loaded<ReviewScreen>(), "wrongAnswerRows", 0)
                         ->font())
                         .horizontalAdvance(control<QLabel>(h.ctx->screens.loaded<ReviewScreen>(),
                                                            "wrongAnswerRows", 9)
                                                ->text()) <= 800 - 8,
                 "review rows fit the window");
        h.ctx->screens.loaded<ResultsScreen>()->buttonClicked(ResultsScreen::Exit);
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
    QuizScreen *quiz = startQuiz(h);
    plain(quiz);
    for (int q = 1; q <= 10; ++q) {
        control<QRadioButton>(quiz, "answerButtons", 2)->click();
        quiz->buttonClicked(QuizScreen::NextQuestion);
    }
    settle();
    plain(h.ctx->screens.loaded<ResultsScreen>());
    plain(h.ctx->screens.loaded<ReviewScreen>());
    QVERIFY(seen >= 11); // the quiz's question and the review's ten rows at least
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
