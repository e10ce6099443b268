#include "printlayouts.h"

#include "results.h"

namespace printlayouts
{

const QString WorksheetHeader = QStringLiteral("Quorvel") + QString(57, QLatin1Char(' ')) +
                                QStringLiteral("Tavimor Publishing Ltd");
const QString CertificateBanner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

namespace
{

const QString Serif = QStringLiteral("Times New Roman");

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
    void text(const QString &t, bool endLine = true) { m_job.append(PrintOp::print(t, endLine)); }
    void blank(int lines = 1)
    {
        for (int i = 0; i < lines; ++i)
            text(QStringLiteral(" "));
    }
    void centred(const QString &t)
    {
        at((W() - m_printer.textWidth(m_font, m_size, t)) / 2);
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
    PrintJob done()
    {
        m_job.append(PrintOp::endDoc());
        return m_job;
    }
    PrintJob &job() { return m_job; }

private:
    const PrinterMetrics &m_printer;
    PrintJob m_job;
    QString m_font;
    double m_size = 12;
};

} // namespace

PrintJob worksheet(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const Module1 &bank)
{
    Layout p(printer);
    p.fontName(Serif);
    p.font(16);
    p.at(p.W() / 8);
    p.blank();
    p.at(p.W() / 16);
    p.text(WorksheetHeader, false);
    p.blank(2);

    p.font(32);
    p.centred(topic);
    p.centred(title);
    p.blank();

    p.font(12);
    for (int q = 1; q <= Module1::MaxQuestions; ++q) {
        p.at(p.W() / 16);
        p.text(QStringLiteral("Question") + results::number(q) + QStringLiteral("    ") +
               bank.QuestionText[q]);
        p.at(p.W() / 3);
        p.text(QStringLiteral("A. ") + bank.AnswerA[q], false);
        p.at(2 * p.W() / 3);
        p.text(QStringLiteral("B. ") + bank.AnswerB[q]);
        p.at(p.W() / 3);
        p.text(QStringLiteral("C. ") + bank.AnswerC[q], false);
        p.at(2 * p.W() / 3);
        p.text(QStringLiteral("D. ") + bank.AnswerD[q]);
        p.blank();
    }
    return p.done();
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
    p.text(CertificateBanner + CertificateBanner, false);
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
    p.centred(QStringLiteral("Excellent Work"));
    p.blank();
    p.centred(c.pupil);
    p.centred(QString());
    p.centred(results::certificateScoreLine(c.score, c.outOf));
    p.blank();
    p.font(36);
    p.blank(2);

    p.colour(blue);
    p.font(25);
    p.blank();
    p.colour(black);
    p.text(CertificateBanner + CertificateBanner, false);

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
