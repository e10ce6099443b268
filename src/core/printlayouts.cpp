// SPDX-License-Identifier: GPL-3.0-or-later
#include "printlayouts.h"

#include "results.h"

#include <QCoreApplication>

namespace printlayouts
{

const QString WorksheetHeader = QStringLiteral("Quorvel") + QString(57, QLatin1Char(' ')) +
                                QStringLiteral("Tavimor Publishing Ltd");
const QString WorksheetTopic = QStringLiteral("Quorvel Demo");
const QString QuizTopic = QStringLiteral("Quorvel");

QString certificateBanner()
{
    return QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ")
        .replace(QLatin1String("Well Done"),
                 QCoreApplication::translate("Printing", "Well Done", "the certificate's banner"));
}

const QString AnswerMark = QStringLiteral("\u00bb ");
const QColor AnswerColour(192, 0, 0);

namespace
{

const QString Serif = QStringLiteral("Times New Roman");
// Left and top margin of a worksheet and its answer key, in twips from the paper's corner.
constexpr int SheetMargin = 1000;

// Keeps track of the font so that centred lines can be measured in it.
class Layout
{
public:
    explicit Layout(const PrinterMetrics &printer) : m_printer(printer) {}

    int W() const { return m_printer.scaleWidth(); }
    int H() const { return m_printer.scaleHeight(); }

    void font(double points)
    {
        m_size = points;
        m_job.append(PrintOp::fontSize(points));
    }
    void fontName(const QString &name)
    {
        m_font = name;
        m_job.append(PrintOp::fontName(name));
    }
    void colour(const QColor &c) { m_job.append(PrintOp::foreColor(c)); }
    void at(int x) { m_job.append(PrintOp::currentX(x)); }
    void top(int y) { m_job.append(PrintOp::currentY(y)); }
    void text(const QString &t, bool endLine = true) { m_job.append(PrintOp::print(t, endLine)); }
    void blank(int lines = 1)
    {
        for (int i = 0; i < lines; ++i)
            text(QStringLiteral(" "));
    }
    int width(const QString &t) const { return m_printer.textWidth(m_font, m_size, t); }
    void centred(const QString &t)
    {
        at((W() - width(t)) / 2);
        text(t);
    }
    void line(int x1, int y1, int x2, int y2)
    {
        m_job.append(PrintOp::line(QPoint(x1, y1), QPoint(x2, y2), Qt::black));
    }
    void box(int left, int top, int right, int bottom)
    {
        line(left, top, right, top);
        line(left, top, left, bottom);
        line(right, top, right, bottom);
        line(left, bottom, right, bottom);
    }
    PrintJob done() { return m_job; }
    PrintJob &job() { return m_job; }

private:
    const PrinterMetrics &m_printer;
    PrintJob m_job;
    QString m_font;
    double m_size = 12;
};

} // namespace

namespace
{

// The pupil's worksheet; with answers, the teacher's copy: each right answer in red behind a
// marker in the margin before its column, and the list of right letters at the end.
PrintJob questionSheet(const PrinterMetrics &printer, const QString &topic, const QString &title,
                       const questionfile::Worksheet &quiz, bool answers)
{
    Layout p(printer);
    p.fontName(Serif);
    p.font(16);
    // The first line stands where the Key Facts pages put their picture.
    const QPoint margin = QPoint(SheetMargin, SheetMargin) - printer.printableCorner();
    p.top(margin.y());
    p.at(margin.x());
    p.text(WorksheetHeader, false);
    p.blank(2);

    p.font(32);
    p.centred(topic);
    p.centred(title);
    p.blank();

    p.font(12);
    QStringList key;
    for (int q = 1; q <= questionfile::QuestionsPerSheet; ++q) {
        p.at(margin.x());
        const questionfile::Question &question = quiz.question(q);
        p.text(QCoreApplication::translate("Printing", "Question", "before its number") +
               results::number(q) + QStringLiteral("    ") + question.text);
        const int right = answers ? question.rightAnswer() : 0;
        for (int a = 0; a < 4; ++a) {
            const QString letter(QChar(u'A' + a));
            const int column = a % 2 == 0 ? p.W() / 3 : 2 * p.W() / 3;
            const bool endLine = a % 2 == 1;
            const QString text = letter + QStringLiteral(". ") + question.answers[size_t(a)];
            if (a + 1 != right) {
                p.at(column);
                p.text(text, endLine);
                continue;
            }
            p.colour(AnswerColour);
            p.at(column - p.width(AnswerMark));
            p.text(AnswerMark + text, endLine);
            p.colour(Qt::black);
        }
        p.blank();
        if (answers)
            key << QString::number(q) + QStringLiteral(". ") +
                       (right >= 1 && right <= 4 ? QString(QChar(u'A' + right - 1))
                                                 : QStringLiteral("?"));
    }
    if (answers) {
        p.font(16);
        p.at(margin.x());
        p.text(QCoreApplication::translate("Printing", "Answers", "heading of the answer key"));
        p.font(12);
        p.at(margin.x());
        p.text(key.join(QStringLiteral("   ")));
    }
    return p.done();
}

} // namespace

PrintJob worksheet(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const questionfile::Worksheet &quiz)
{
    return questionSheet(printer, topic, title, quiz, false);
}

PrintJob answerKey(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const questionfile::Worksheet &quiz)
{
    return questionSheet(printer, topic, title, quiz, true);
}

PrintJob certificate(const PrinterMetrics &printer, const Certificate &c)
{
    const QColor blue(0, 0, 255), red(255, 0, 0), darkBlue(0, 0, 128), black(0, 0, 0);
    Layout p(printer);
    const int W = p.W();
    const int H = p.H();

    p.colour(blue);
    p.fontName(Serif);
    p.font(25);
    p.at(W / 8);
    p.blank();
    p.text(certificateBanner() + certificateBanner(), false);
    p.blank();
    p.blank(2);

    p.colour(red);
    p.font(36);
    p.centred(QStringLiteral("Quorvel"));
    p.blank();

    p.colour(blue);
    p.font(c.topicScreenWidth > W / 4 ? 28 : 36);
    p.centred(c.topic);
    p.centred(QString());
    p.font(36);
    p.blank(3);

    p.colour(darkBlue);
    p.font(28);
    p.centred(QCoreApplication::translate("Printing", "Excellent Work"));
    p.blank();
    p.centred(c.pupil);
    p.centred(QString());
    p.centred(results::scoreSentence(c.score, c.outOf));
    p.blank();
    p.font(36);
    p.blank(2);

    p.colour(blue);
    p.font(25);
    p.blank();
    p.colour(black);
    p.text(certificateBanner() + certificateBanner(), false);

    p.job().append(PrintOp::drawWidth(2));
    const int margins[5][2] = {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}};
    for (int i = 0; i < 5; ++i) {
        const int mx = margins[i][0];
        const int my = margins[i][1];
        p.box(mx, my, W - mx, H - my);
        if (i < 3)
            p.box(mx + 600, my + 7050, W - mx - 600, H - my - 3750);
    }
    return p.done();
}

} // namespace printlayouts
