// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreen.h"

#include "appcontext.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "picturebox.h"
#include "printlayouts.h"
#include "pupils.h"
#include "quiz.h"
#include "results.h"
#include "resultsscreen.h"
#include "reviewscreen.h"
#include "standardlook.h"
#include "twips.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace
{

constexpr double QuestionPoints = 30;
constexpr double AnswerPoints = 20.25;
constexpr double SmallestPoints = 10;

// A text and the font it is shown in: the design size when the text fits its box, else the
// largest size down to SmallestPoints at which it fits, and at that size, if it still does not
// fit, the longest start of the text that fits (whole words where it can) followed by "…". Wrapped
// texts fit by height.
struct Fitted {
    QFont font;
    QString text;
};

Fitted fitText(const QString &text, double points, QSize box, bool wrap)
{
    const auto fits = [box, wrap](const QFont &font, const QString &t) {
        const QFontMetrics metrics(font);
        if (!wrap)
            return metrics.horizontalAdvance(t) <= box.width();
        const QRect r = metrics.boundingRect(QRect(0, 0, box.width(), 100 * box.height()),
                                             Qt::AlignHCenter | Qt::TextWordWrap, t);
        return r.width() <= box.width() && r.height() <= box.height();
    };
    QFont font = fonts::times(points);
    const int smallest = twips::fontPx(SmallestPoints);
    while (font.pixelSize() > smallest && !fits(font, text))
        font.setPixelSize(font.pixelSize() - 1);
    if (fits(font, text))
        return {font, text};
    const auto cut = [&text](qsizetype length) {
        QString start = text.left(length);
        while (start.endsWith(QLatin1Char(' ')))
            start.chop(1);
        return start + QChar(0x2026);
    };
    qsizetype longest = 0;
    for (qsizetype low = 1, high = text.size() - 1; low <= high;) {
        const qsizetype mid = (low + high) / 2;
        if (fits(font, cut(mid))) {
            longest = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    // Cut between words where one ends within the part that fits.
    const qsizetype wordEnd = text.lastIndexOf(QLatin1Char(' '), longest);
    return {font, cut(wordEnd > 0 ? wordEnd : longest)};
}

void showFitted(QLabel *label, const QString &text)
{
    const Fitted fitted = fitText(text, QuestionPoints, label->contentsRect().size(), true);
    label->setFont(fitted.font);
    label->setText(fitted.text);
}

void showFitted(QRadioButton *option, const QString &text)
{
    option->ensurePolished();
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = text;
    const QRect room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const Fitted fitted = fitText(text, AnswerPoints, room.size(), false);
    option->setFont(fitted.font);
    option->setText(fitted.text);
}

} // namespace

const QRect QuizScreen::PictureRect(6840, 240, 855, 615);
const QString QuizScreen::QuizActivity = QStringLiteral("Quiz");
const QString QuizScreen::WorksheetActivity = QStringLiteral("Worksheet");

QuizScreen::QuizScreen(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    titleText = addLabel(QCoreApplication::translate("QuizScreen", "Multiple Choice"),
                         {120, 120, 6240, 900}, fonts::tahoma(36, true), yellow);
    topicText = addLabel(QString(), {120, 1200, 6465, 585}, fonts::times(24), QColor(0, 255, 0));
    worksheetTitle =
        addLabel(QString(), {120, 1920, 6465, 705}, fonts::times(24), QColor(128, 128, 255));
    topicPicture = new PictureBox(PictureRect, this);
    questionNumber =
        addLabel(QCoreApplication::translate("QuizScreen", "Question %1").arg(1),
                 {360, 3240, 5415, 615}, fonts::times(24), yellow, Qt::AlignLeft | Qt::AlignTop);
    questionText =
        addLabel(QString(), {960, 3960, 9840, 1455}, fonts::times(QuestionPoints), yellow);

    m_answers = new QButtonGroup(this);
    for (int i = 1; i <= 4; ++i) {
        auto *option = new QRadioButton(this);
        option->setGeometry(twips::rect(2400, 5400 + 600 * (i - 1), 6975, 525));
        option->setFont(fonts::times(AnswerPoints));
        option->setAutoFillBackground(true);
        m_answers->addButton(option, i);
        connect(option, &QRadioButton::clicked, this, [this, i] { answerClicked(i); });
        answerButtons[i] = option;
    }

    addButtons(
        buttons,
        {{PreviousQuestion,
          QT_TRANSLATE_NOOP("Buttons", "<< Previous Question"),
          {2040, 7920, 3765, 495}},
         {NextQuestion, QT_TRANSLATE_NOOP("Buttons", "Next Question >>"), {6000, 7920, 3765, 495}},
         {Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10560, 7920, 1245, 495}},
         {PrintWorksheet,
          QT_TRANSLATE_NOOP("Buttons", "Print Worksheet"),
          {7920, 1920, 3045, 495}}},
        [this](int i) { buttonClicked(i); }, &hover);
    buttons[PreviousQuestion]->hide();
    setExitButton(buttons[Exit]);

    controlnames::name({{titleText, "titleText"},
                        {topicText, "topicText"},
                        {worksheetTitle, "worksheetTitle"},
                        {topicPicture, "topicPicture"},
                        {questionNumber, "questionNumber"},
                        {questionText, "questionText"}});
    controlnames::nameArray(answerButtons, "answerButtons");
    controlnames::nameArray(buttons, "buttons");
}

void QuizScreen::load()
{
    applyStandardLook(this, topicPicture);
    AppState &s = ctx.state;
    s.score = 0;
    s.outOf = 10;
    s.questionNumber = 1;
    for (int q = 1; q <= AppState::MaxQuestions; ++q)
        s.marks[q] = 0;
    for (int i = 1; i <= 4; ++i) {
        answerButtons[i]->setStyleSheet(QStringLiteral(
            "QRadioButton { color: rgb(255, 255, 0); background: rgb(39, 63, 137);"
            " spacing: 10px; }"
            "QRadioButton::indicator { width: 16px; height: 16px; border-radius: 9px;"
            " border: 2px solid rgb(255, 255, 0); background: rgb(39, 63, 137); }"
            "QRadioButton::indicator:checked { background: rgb(255, 255, 0); }"));
    }
    worksheetTitle->setText(s.quiz.title);
    nameWindow(this, QCoreApplication::translate("Screens", "%1 quiz").arg(s.quiz.title));
    m_started = QDateTime::currentDateTime();
    showQuestion();
}

void QuizScreen::clearAnswer()
{
    m_answers->setExclusive(false);
    for (int i = 1; i <= 4; ++i)
        answerButtons[i]->setChecked(false);
    m_answers->setExclusive(true);
}

int QuizScreen::chosenAnswer() const
{
    const int id = m_answers->checkedId();
    return id >= 1 && id <= 4 ? id : 0;
}

void QuizScreen::showQuestion()
{
    const AppState &s = ctx.state;
    const int q = s.questionNumber;
    clearAnswer();
    buttons[PreviousQuestion]->show();
    buttons[NextQuestion]->setText(QCoreApplication::translate("Buttons", "Next Question >>"));
    questionNumber->setText(QCoreApplication::translate("QuizScreen", "Question %1").arg(q));
    const questionfile::Question &question = s.quiz.question(q);
    showFitted(questionText, question.text);
    for (int a = 1; a <= 4; ++a)
        showFitted(answerButtons[size_t(a)], question.answers[size_t(a - 1)]);
    if (q == 1)
        buttons[PreviousQuestion]->hide();
    if (q == AppState::MaxQuestions)
        buttons[NextQuestion]->setText(QCoreApplication::translate("QuizScreen", "Check Score >>"));
    // Screen readers hear the question with the answer that has the focus: each answer is named
    // with its letter and carries the question.
    const QStringList spoken = spokenText();
    for (int i = 1; i <= 4; ++i) {
        answerButtons[i]->setAccessibleName(spoken.value(i + 1));
        answerButtons[i]->setAccessibleDescription(spoken.value(0) + QStringLiteral(": ") +
                                                   spoken.value(1));
    }
    setAnswerTabStop(1);
    // No answer button keeps the focus from the last question; a label button pressed from the
    // keyboard keeps it, so Enter goes on to the next question. While a screen reader listens,
    // the focus goes to answer A instead, so that the new question is heard.
    if (isVisible() && QAccessible::isActive())
        answerButtons[1]->setFocus(Qt::OtherFocusReason);
    else if (isVisible() && std::find(answerButtons.begin(), answerButtons.end(), focusWidget()) !=
                                answerButtons.end())
        setFocus();
    if (isVisible())
        ctx.readAloud.say(spoken);
}

void QuizScreen::setAnswerTabStop(int answer)
{
    for (int i = 1; i <= 4; ++i) {
        const Qt::FocusPolicy policy = answerButtons[i]->focusPolicy();
        answerButtons[i]->setFocusPolicy(i == answer ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

QStringList QuizScreen::spokenText() const
{
    const AppState &s = ctx.state;
    const int q = s.questionNumber;
    if (q < 1 || q > AppState::MaxQuestions)
        return {};
    const questionfile::Question &question = s.quiz.question(q);
    return {questionNumber->text(),
            question.text,
            QStringLiteral("A: ") + question.answers[0],
            QStringLiteral("B: ") + question.answers[1],
            QStringLiteral("C: ") + question.answers[2],
            QStringLiteral("D: ") + question.answers[3]};
}

void QuizScreen::warmNext()
{
    ctx.screens.build<ResultsScreen>()->warmPicture();
    // "Check Score" also fills in the review of the questions answered wrongly.
    ctx.screens.buildSoon<ReviewScreen>();
}

QList<QWidget *> QuizScreen::tabOrder() const
{
    QList<QWidget *> order = Screen::tabOrder();
    order.removeOne(buttons[PrintWorksheet]);
    order.append(buttons[PrintWorksheet]);
    return order;
}

void QuizScreen::keyPressEvent(QKeyEvent *event)
{
    // 1 to 4 and A to D choose answer A to D, as a click on it does.
    const int key = event->key();
    const int answer = key >= Qt::Key_1 && key <= Qt::Key_4   ? key - Qt::Key_1 + 1
                       : key >= Qt::Key_A && key <= Qt::Key_D ? key - Qt::Key_A + 1
                                                              : 0;
    if (answer == 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        Screen::keyPressEvent(event);
        return;
    }
    event->accept();
    answerButtons[size_t(answer)]->click();
}

void QuizScreen::buttonClicked(int Index)
{
    AppState &s = ctx.state;
    switch (Index) {
    case PreviousQuestion:
        if (s.questionNumber > 1) {
            --s.questionNumber;
            showQuestion();
        }
        break;
    case NextQuestion:
        quiz::mark(s, s.questionNumber, chosenAnswer());
        ++s.questionNumber;
        if (s.questionNumber < AppState::MaxQuestions + 1)
            showQuestion();
        else
            finishQuiz();
        break;
    case Exit:
        ctx.screens.unload(this);
        break;
    case PrintWorksheet:
        printPage();
        break;
    default:
        return;
    }
    ctx.playSound(contentnames::ClickSound);
}

void QuizScreen::finishQuiz()
{
    AppState &s = ctx.state;
    const QVector<int> wrongQuestions = quiz::finish(s);
    QStringList rows;
    for (int question : wrongQuestions)
        rows << quiz::reviewRow(s, question);
    s.topicName = topicText->text();
    journal::Record record;
    record.started = m_started;
    record.finished = QDateTime::currentDateTime();
    record.topic = worksheetTitle->text();
    record.activity = m_activity;
    record.score = s.score;
    record.outOf = s.outOf;
    record.wrong = wrongQuestions;
    const QString notKept = pupils::keep(ctx, record);
    ctx.screens.get<ReviewScreen>()->showWrongAnswers(worksheetTitle->text(), rows);
    ctx.screens.get<ResultsScreen>()->showQuizResult(notKept);
    ctx.screens.unload(this);
}

void QuizScreen::open(const QString &picture, const QString &topicLine, const QString &activity)
{
    m_activity = activity;
    topicPicture->load(ctx.platform.paths, picture);
    topicText->setText(topicLine);
    showScreen();
}

void QuizScreen::open(const QImage &picture, const QString &topicLine, const QString &activity)
{
    m_activity = activity;
    topicPicture->setPicture(picture);
    topicText->setText(topicLine);
    showScreen();
}

void QuizScreen::printPage()
{
    const PrintJob job = printlayouts::worksheet(ctx.platform.printer, topicText->text(),
                                                 worksheetTitle->text(), ctx.state.quiz);
    printAndReport(ctx.platform, this, job, worksheetTitle->text() + QStringLiteral(".pdf"),
                   QCoreApplication::translate("QuizScreen", "Your worksheet is now printing."),
                   QStringLiteral("worksheet"));
}

void QuizScreen::answerClicked(int Index)
{
    ctx.playSound(contentnames::TypeKeySound);
    const AppState &s = ctx.state;
    const int q = s.questionNumber;
    if (Index < 1 || Index > 4)
        return;
    // Tab into the answers comes to the chosen one. A choice made by key while the focus is on an
    // answer, or while a screen reader listens, moves the focus there, where it is heard.
    setAnswerTabStop(Index);
    if (QAccessible::isActive() ||
        std::find(answerButtons.begin(), answerButtons.end(), focusWidget()) != answerButtons.end())
        answerButtons[size_t(Index)]->setFocus(Qt::OtherFocusReason);
    if (q >= 1 && q <= AppState::MaxQuestions)
        ctx.readAloud.say(QCoreApplication::translate("QuizScreen", "You chose %1: %2")
                              .arg(QChar(u'A' + Index - 1))
                              .arg(s.quiz.question(q).answers[size_t(Index - 1)]));
}
