// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecomposer.h"

#include "ansi.h"
#include "metafile/wmfwriter.h"
#include "outputfile.h"
#include "pagetext.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextLayout>

#include <cmath>

namespace composer
{

namespace
{

// ---------------------------------------------------------------------------------------------
// Drawing operations, collected first and written in order.

struct Op {
    enum Kind { Rect, Polygon, Text, Image };
    Kind kind = Rect;
    QRect rect;
    QPolygon polygon;
    QColor fill;   // invalid: not filled
    QColor stroke; // invalid: no outline
    TextStyle style;
    QPoint origin; // baseline origin of a text run
    QString text;
    QVector<qint16> dx;
    QImage image;
};

class Composer
{
public:
    Composer(const Page &page, Copy copy, const PictureSource &pictures)
        : m_page(page), m_copy(copy), m_pictures(pictures)
    {
        m_size = pageSize(page, copy);
        m_theme = findTheme(page.theme);
        m_scale = copy == Copy::Print && m_theme ? m_theme->printScale : 1.0;
        m_margin = copy == Copy::Print ? 600 : 360;
    }

    Composed run();

private:
    TextStyle style(const QString &family, double screenPt, bool bold, QColor color,
                    bool italic = false) const
    {
        return TextStyle{family, screenPt * m_scale, bold, italic, color};
    }
    int lineHeight(const TextStyle &s, double factor) const
    {
        const Metrics m = metrics(s);
        return qCeil((m.ascent + m.descent) * factor);
    }
    // Text column at a line's height, narrowed beside a floating picture.
    QPair<int, int> column(int top, int height) const
    {
        int right = m_right;
        if (m_floatBottom > m_floatTop && top < m_floatBottom + m_gap && top + height > m_floatTop)
            right = m_floatLeft - m_gap;
        return {m_left, right};
    }
    void furniture();
    void block(const Block &b);
    // Lays tokens out as lines from m_y; returns the text operations. lastWidth receives the
    // widest line.
    QVector<Op> flow(QVector<Token> tokens, const TextStyle &regular, const TextStyle &bold,
                     int indent, int rightInset, double spacing, bool centred = false,
                     int fixedLeft = -1, int fixedRight = -1);
    QVector<Op> lineOps(const QVector<Token> &line, const TextStyle &regular, const TextStyle &bold,
                        double x, int baseline) const;
    void picture(const Block &b);
    void text(const QString &s, const TextStyle &st, QPoint origin);
    void rect(const QRect &r, const QColor &fill, const QColor &stroke = QColor());
    void polygon(const QPolygon &p, const QColor &fill);
    QByteArray write();

    const Page &m_page;
    Copy m_copy;
    const PictureSource &m_pictures;
    const Theme *m_theme = nullptr;
    QSize m_size;
    double m_scale = 1;
    int m_margin = 360;
    int m_left = 0, m_right = 0, m_y = 0, m_bottom = 0, m_gap = 0;
    int m_floatTop = 0, m_floatBottom = 0, m_floatLeft = 0;
    bool m_afterList = false;
    int m_inkBottom = 0;
    QVector<Op> m_ops;
    QStringList m_problems;
};

void Composer::text(const QString &s, const TextStyle &st, QPoint origin)
{
    const QVector<double> pos = positions(st, s);
    Op op;
    op.kind = Op::Text;
    op.style = st;
    op.text = s;
    op.origin = origin;
    for (int i = 0; i < s.size(); ++i)
        op.dx.append(
            static_cast<qint16>(qRound(origin.x() + pos[i + 1]) - qRound(origin.x() + pos[i])));
    m_ops.append(op);
}

void Composer::rect(const QRect &r, const QColor &fill, const QColor &stroke)
{
    Op op;
    op.kind = Op::Rect;
    op.rect = r;
    op.fill = fill;
    op.stroke = stroke;
    m_ops.append(op);
}

void Composer::polygon(const QPolygon &p, const QColor &fill)
{
    Op op;
    op.kind = Op::Polygon;
    op.polygon = p;
    op.fill = fill;
    m_ops.append(op);
}

void Composer::furniture()
{
    const Theme &t = *m_theme;
    const int w = m_size.width(), h = m_size.height();
    rect(QRect(0, 0, w, h), Qt::white, QColor(150, 160, 175));

    // Band along the top with the page set's name and three slanted stripes at its right end.
    const TextStyle bandStyle = style(t.head, 12, true, t.bandText);
    const Metrics bm = metrics(bandStyle);
    const int bandHeight = qCeil((bm.ascent + bm.descent) * 1.7);
    rect(QRect(0, 0, w, bandHeight), t.band);
    const int slant = bandHeight / 2;
    const int stripe = bandHeight / 3;
    for (int i = 0; i < 3; ++i) {
        const int x = w - m_margin - (3 - i) * (stripe + stripe / 2) - slant;
        polygon(QPolygon({QPoint(x + slant, 0), QPoint(x + slant + stripe, 0),
                          QPoint(x + stripe, bandHeight), QPoint(x, bandHeight)}),
                t.stripe);
    }
    const int bandBase = qRound((bandHeight + bm.ascent - bm.descent) / 2.0);
    text(m_page.header, bandStyle, QPoint(m_margin, bandBase));

    // Footer: a thin rule, the program's name on the left and the page label on the right.
    const TextStyle footStyle = style(QStringLiteral("Arial"), 8.5, false, QColor(90, 96, 110));
    const Metrics fm = metrics(footStyle);
    const int footHeight = qCeil((fm.ascent + fm.descent) * 2.0);
    const int ruleY = h - footHeight;
    rect(QRect(m_margin, ruleY, w - 2 * m_margin, qMax(15, qRound(15 * m_scale))), t.marker);
    const int footBase = ruleY + qRound((footHeight + fm.ascent - fm.descent) / 2.0);
    text(QStringLiteral("Quorvel"), footStyle, QPoint(m_margin, footBase));
    if (!m_page.label.isEmpty()) {
        const double width = advance(footStyle, m_page.label);
        text(m_page.label, footStyle, QPoint(w - m_margin - qCeil(width), footBase));
    }

    m_left = m_margin;
    m_right = w - m_margin;
    m_y = bandHeight + qRound(m_margin * 0.8);
    m_bottom = ruleY - m_margin / 2;
    m_gap = qRound(m_margin * 0.7);
}

QVector<Op> Composer::lineOps(const QVector<Token> &line, const TextStyle &regular,
                              const TextStyle &bold, double x, int baseline) const
{
    // Character start positions, run by run; a run is text in one weight.
    QVector<Op> ops;
    QVector<double> starts;
    double end = x;
    auto flush = [&](const TextStyle &st) {
        if (ops.isEmpty() || ops.last().text.isEmpty())
            return;
        Op &op = ops.last();
        op.style = st;
        const int origin = qRound(starts.first());
        op.origin = QPoint(origin, baseline);
        for (int i = 0; i < starts.size(); ++i) {
            const double next = i + 1 < starts.size() ? starts[i + 1] : end;
            op.dx.append(static_cast<qint16>(qRound(next) - qRound(starts[i])));
        }
        starts.clear();
    };
    bool currentBold = false;
    for (int ti = 0; ti < line.size(); ++ti) {
        const Token &token = line[ti];
        if (ti > 0 && token.spaceBefore) {
            // The space takes the weight of the text before it.
            const TextStyle &st = currentBold ? bold : regular;
            ops.last().text.append(QLatin1Char(' '));
            starts.append(end);
            end += advance(st, QStringLiteral(" "));
        }
        for (const Fragment &f : token.fragments) {
            if (ops.isEmpty() || f.bold != currentBold) {
                if (!ops.isEmpty())
                    flush(currentBold ? bold : regular);
                Op op;
                op.kind = Op::Text;
                ops.append(op);
                currentBold = f.bold;
            }
            const TextStyle &st = f.bold ? bold : regular;
            const QVector<double> pos = positions(st, f.text);
            for (int i = 0; i < f.text.size(); ++i)
                starts.append(end + pos[i]);
            ops.last().text.append(f.text);
            end += pos.constLast();
        }
    }
    flush(currentBold ? bold : regular);
    return ops;
}

double tokenWidth(const Token &t, const TextStyle &regular, const TextStyle &bold)
{
    double w = 0;
    for (const Fragment &f : t.fragments)
        w += advance(f.bold ? bold : regular, f.text);
    return w;
}

// Splits a token that cannot fit on a line of the given width after as many characters as fit
// (at least one).
QPair<Token, Token> splitToken(const Token &t, const TextStyle &regular, const TextStyle &bold,
                               double width)
{
    Token head{{}, t.spaceBefore}, tail{{}, false};
    double used = 0;
    bool full = false;
    for (const Fragment &f : t.fragments) {
        if (full) {
            tail.fragments.append(f);
            continue;
        }
        const TextStyle &st = f.bold ? bold : regular;
        int fit = 0;
        for (int n = 1; n <= f.text.size(); ++n) {
            if (used + advance(st, f.text.left(n)) > width)
                break;
            fit = n;
        }
        if (fit == 0 && head.fragments.isEmpty())
            fit = 1; // a character wider than the line still goes somewhere
        if (fit > 0)
            head.fragments.append(Fragment{f.text.left(fit), f.bold});
        if (fit < f.text.size()) {
            tail.fragments.append(Fragment{f.text.mid(fit), f.bold});
            full = true;
        } else {
            used += advance(st, f.text);
        }
    }
    return {head, tail};
}

QVector<Op> Composer::flow(QVector<Token> tokens, const TextStyle &regular, const TextStyle &bold,
                           int indent, int rightInset, double spacing, bool centred, int fixedLeft,
                           int fixedRight)
{
    QVector<Op> ops;
    const Metrics m = metrics(regular.emTwips() >= bold.emTwips() ? regular : bold);
    const int height = qCeil((m.ascent + m.descent) * spacing);
    const double space = advance(regular, QStringLiteral(" "));
    int i = 0;
    while (i < tokens.size()) {
        auto [left, right] = column(m_y, height);
        if (fixedLeft >= 0) {
            left = fixedLeft;
            right = fixedRight;
        }
        left += indent;
        right -= rightInset;
        const double width = right - left;
        QVector<Token> line;
        double used = 0;
        while (i < tokens.size()) {
            Token t = tokens[i];
            if (line.isEmpty())
                t.spaceBefore = false;
            const double gap = t.spaceBefore ? space : 0;
            const double w = tokenWidth(t, regular, bold);
            if (used + gap + w <= width) {
                line.append(t);
                used += gap + w;
                ++i;
                continue;
            }
            if (line.isEmpty()) {
                // A word longer than the whole line is broken where the line ends.
                const auto [head, tail] = splitToken(t, regular, bold, width);
                line.append(head);
                used = tokenWidth(head, regular, bold);
                tokens[i] = tail;
            }
            break;
        }
        const double x = centred ? left + (width - used) / 2.0 : left;
        const int baseline = m_y + qRound((height - (m.ascent + m.descent)) / 2.0 + m.ascent);
        ops += lineOps(line, regular, bold, x, baseline);
        m_y += height;
    }
    m_inkBottom = qMax(m_inkBottom, m_y);
    return ops;
}

void Composer::picture(const Block &b)
{
    const QByteArray svg = m_pictures ? m_pictures(b.picture) : QByteArray();
    QSvgRenderer renderer(svg);
    if (svg.isEmpty() || !renderer.isValid()) {
        m_problems
            << QStringLiteral("picture \"%1\" is missing or not a drawable SVG").arg(b.picture);
        return;
    }
    QSizeF natural = renderer.viewBoxF().size();
    if (natural.isEmpty())
        natural = renderer.defaultSize();
    const int width = (m_right - m_left) * b.widthPercent / 100;
    const int height = qRound(width * natural.height() / natural.width());
    const int top = qMax(m_y, m_floatBottom > m_floatTop ? m_floatBottom + m_gap : 0);
    const QRect frame(m_right - width, top, width, height);

    // Screen copies at one and a half times the display resolution, print copies at 150 dots an
    // inch.
    const double pxPerTwip = m_copy == Copy::Screen ? 1.5 / 15.0 : 150.0 / 1440.0;
    QImage image(qMax(1, qRound(width * pxPerTwip)), qMax(1, qRound(height * pxPerTwip)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    Op op;
    op.kind = Op::Image;
    op.rect = frame;
    op.image = image;
    m_ops.append(op);
    rect(frame, QColor(), QColor(150, 160, 175));

    int bottom = frame.bottom() + 1;
    if (!b.caption.isEmpty()) {
        const int saved = m_y;
        m_y = bottom + m_gap / 4;
        const TextStyle cap = style(m_theme->body, m_theme->bodyPt * 0.8, false, QColor(80, 80, 90),
                                    m_theme->body != QLatin1String("Tahoma"));
        m_ops += flow(tokenize({Span{b.caption, false}}), cap, cap, 0, 0, 1.15, true, frame.left(),
                      frame.left() + frame.width());
        bottom = m_y;
        m_y = saved;
    }
    m_floatTop = top;
    m_floatBottom = bottom;
    m_floatLeft = frame.left();
}

void Composer::block(const Block &b)
{
    const Theme &t = *m_theme;
    const TextStyle body = style(t.body, t.bodyPt, false, t.text);
    const TextStyle bodyBold = style(t.body, t.bodyPt, true, t.text);
    const int bodyLine = lineHeight(body, 1.0);
    const QVector<Token> tokens = tokenize(b.spans);
    const bool list = b.kind == Block::Bullet || b.kind == Block::Numbered;
    if (m_afterList && !list && b.kind != Block::Picture)
        m_y += qRound(bodyLine * 0.3);
    if (b.kind != Block::Picture)
        m_afterList = list;
    switch (b.kind) {
    case Block::Title: {
        const TextStyle st = style(t.head, t.titlePt, true, t.title);
        m_ops += flow(tokens, st, st, 0, 0, 1.15);
        const int barHeight = qRound(bodyLine * 0.12);
        const auto [left, right] = column(m_y, barHeight);
        rect(QRect(left, m_y + barHeight, qMin(right - left, qRound((right - left) * 0.35)),
                   barHeight),
             t.marker);
        m_y += barHeight * 2 + qRound(bodyLine * 0.45);
        break;
    }
    case Block::Heading: {
        m_y += qRound(bodyLine * 0.35);
        const TextStyle st = style(t.head, t.headPt, true, t.heading);
        m_ops += flow(tokens, st, st, 0, 0, 1.2);
        m_y += qRound(bodyLine * 0.1);
        break;
    }
    case Block::Paragraph:
        m_ops += flow(tokens, body, bodyBold, 0, 0, 1.22);
        m_y += qRound(bodyLine * 0.45);
        break;
    case Block::Bullet:
    case Block::Numbered: {
        const int indent = qRound(bodyLine * 1.25);
        const int top = m_y;
        const Metrics m = metrics(body);
        const int height = qCeil((m.ascent + m.descent) * 1.22);
        const int left = column(top, height).first;
        QVector<Op> lines = flow(tokens, body, bodyBold, indent, 0, 1.22);
        const int baseline = lines.isEmpty() ? top + qRound(m.ascent) : lines.first().origin.y();
        if (b.kind == Block::Bullet) {
            // A round dot level with the middle of the first line's small letters.
            const double r = m.ascent * 0.17;
            const double cx = left + indent * 0.4;
            const double cy = baseline - m.ascent * 0.33;
            QPolygon dot;
            for (int k = 0; k < 16; ++k) {
                const double a = k * M_PI / 8;
                dot << QPoint(qRound(cx + r * std::cos(a)), qRound(cy + r * std::sin(a)));
            }
            polygon(dot, t.marker);
        } else {
            const TextStyle st = style(t.body, t.bodyPt, true, t.marker);
            const QString n = QString::number(b.number) + QLatin1Char('.');
            text(n, st,
                 QPoint(left + indent - qCeil(advance(st, n)) - qRound(bodyLine * 0.3), baseline));
        }
        m_ops += lines;
        m_y += qRound(bodyLine * 0.2);
        break;
    }
    case Block::Note: {
        m_y += qRound(bodyLine * 0.15);
        const int pad = qRound(bodyLine * 0.45);
        const int bar = qMax(30, qRound(bodyLine * 0.18));
        const int top = m_y;
        const auto [left, right] = column(top, bodyLine);
        m_y += pad;
        QVector<Op> lines = flow(tokens, body, bodyBold, bar + pad, pad, 1.22, false, left, right);
        m_y += pad;
        rect(QRect(left, top, right - left, m_y - top), t.tint);
        rect(QRect(left, top, bar, m_y - top), t.marker);
        m_inkBottom = qMax(m_inkBottom, m_y);
        m_ops += lines;
        m_y += qRound(bodyLine * 0.45);
        break;
    }
    case Block::Picture:
        picture(b);
        break;
    }
}

QByteArray Composer::write()
{
    wmf::Writer w(QRect(QPoint(0, 0), m_size), 1440);
    w.mapToBounds();
    w.setBkMode(wmf::TRANSPARENT);
    w.setTextAlign(wmf::TA_BASELINE | wmf::TA_LEFT | wmf::TA_NOUPDATECP);
    w.setPolyFillMode(wmf::WINDING);
    w.setStretchBltMode(3); // colour on colour: no blending of deleted rows

    int pen = -1, brush = -1, font = -1;
    QColor penColor, brushColor, textColor;
    bool penSet = false, brushSet = false;
    TextStyle fontStyle;
    const int penWidth = m_copy == Copy::Screen ? 15 : 10;
    auto swap = [&](int &slot, int created) {
        w.selectObject(created);
        if (slot >= 0)
            w.deleteObject(slot);
        slot = created;
    };
    auto usePen = [&](const QColor &c) {
        if (penSet && c == penColor)
            return;
        swap(pen, c.isValid() ? w.createPen(wmf::PS_SOLID, penWidth, c)
                              : w.createPen(wmf::PS_NULL, 0, Qt::black));
        penColor = c;
        penSet = true;
    };
    auto useBrush = [&](const QColor &c) {
        if (brushSet && c == brushColor)
            return;
        swap(brush, c.isValid() ? w.createBrush(wmf::BS_SOLID, c)
                                : w.createBrush(wmf::BS_NULL, Qt::black));
        brushColor = c;
        brushSet = true;
    };

    for (const Op &op : std::as_const(m_ops)) {
        switch (op.kind) {
        case Op::Rect:
            usePen(op.stroke);
            useBrush(op.fill);
            w.rectangle(op.rect);
            break;
        case Op::Polygon:
            usePen(QColor());
            useBrush(op.fill);
            w.polygon(op.polygon);
            break;
        case Op::Text: {
            if (font < 0 || !op.style.sameFont(fontStyle)) {
                wmf::LogFont lf;
                lf.faceName = op.style.family;
                lf.height = -op.style.emTwips();
                lf.weight = op.style.bold ? wmf::FW_BOLD : wmf::FW_NORMAL;
                lf.italic = op.style.italic;
                lf.pitchAndFamily = pitchAndFamily(op.style.family);
                swap(font, w.createFont(lf));
                fontStyle = op.style;
            }
            if (op.style.color != textColor) {
                w.setTextColor(op.style.color);
                textColor = op.style.color;
            }
            w.extTextOut(op.origin, ansi::encode(op.text), op.dx);
            break;
        }
        case Op::Image:
            w.stretchDib(op.rect, op.image);
            break;
        }
    }
    const QByteArray bytes = w.finish();
    if (!w.ok())
        m_problems << QStringLiteral("cannot be written: %1").arg(w.error());
    return bytes;
}

Composed Composer::run()
{
    if (!m_theme)
        return {{}, {QStringLiteral("unknown theme \"%1\"").arg(m_page.theme)}};
    furniture();
    for (const Block &b : m_page.blocks)
        block(b);
    // Spacing after the last block does not count, only what is drawn.
    const int end = qMax(m_inkBottom, m_floatBottom);
    if (end > m_bottom) {
        m_problems << QStringLiteral("%1 copy: text runs %2 twips past the bottom of the page")
                          .arg(m_copy == Copy::Screen ? QStringLiteral("screen")
                                                      : QStringLiteral("print"))
                          .arg(end - m_bottom);
    }
    Composed out;
    out.wmf = write();
    out.problems = m_problems;
    return out;
}

} // namespace

QSize pageSize(const Page &page, Copy copy)
{
    return copy == Copy::Screen ? QSize(page.screenWidth, ScreenHeight)
                                : QSize(PrintWidth, PrintHeight);
}

QStringList registerFonts()
{
    static const char *const tahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                              "/usr/share/wine/fonts/tahomabd.ttf"};
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        for (const char *file : tahomaFiles)
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
    QStringList missing;
    for (const QString &design :
         {QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"), QStringLiteral("Arial")}) {
        if (!QFontDatabase::hasFamily(measuringFamily(design)))
            missing << design;
    }
    return missing;
}

Composed compose(const Page &page, Copy copy, const PictureSource &pictures)
{
    const QStringList missing = registerFonts();
    if (!missing.isEmpty())
        return {{}, {QStringLiteral("cannot measure %1").arg(missing.join(QStringLiteral(", ")))}};
    return Composer(page, copy, pictures).run();
}

bool buildPages(const QDir &content, const QDir &out, QStringList *problems,
                const QString &drawingsFolder)
{
    const QDir sources(content.filePath(QStringLiteral("pages")));
    const QDir drawings(drawingsFolder.isEmpty() ? content.filePath(QStringLiteral("pictures"))
                                                 : drawingsFolder);
    const PictureSource pictures = [&](const QString &file) -> QByteArray {
        if (file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
            return {};
        for (const QDir &dir : {sources, drawings}) {
            QFile f(dir.filePath(file));
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        return {};
    };

    bool ok = true;
    const QStringList files = sources.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        problems->append(QStringLiteral("%1: no page sources").arg(sources.path()));
        return false;
    }
    for (const QString &file : files) {
        QFile in(sources.filePath(file));
        if (!in.open(QIODevice::ReadOnly)) {
            problems->append(QStringLiteral("%1: cannot read").arg(file));
            ok = false;
            continue;
        }
        const QString stem = file.chopped(4);
        const ParseResult parsed = parse(stem, QString::fromUtf8(in.readAll()));
        if (!parsed.errors.isEmpty()) {
            for (const QString &e : parsed.errors)
                problems->append(QStringLiteral("%1: %2").arg(file, e));
            ok = false;
            continue;
        }
        const struct {
            Copy copy;
            const char *folder;
        } copies[] = {{Copy::Screen, "wmf"}, {Copy::Print, "wmf2"}};
        for (const auto &c : copies) {
            const Composed composed = compose(parsed.page, c.copy, pictures);
            for (const QString &p : composed.problems)
                problems->append(
                    QStringLiteral("%1 (%2): %3").arg(file, QLatin1String(c.folder), p));
            if (!composed.problems.isEmpty())
                ok = false;
            if (composed.wmf.isEmpty())
                continue;
            const QString target =
                out.filePath(QStringLiteral("%1/%2.wmf").arg(QLatin1String(c.folder), stem));
            if (!writeIfChanged(target, composed.wmf)) {
                problems->append(QStringLiteral("cannot write %1").arg(target));
                ok = false;
            }
        }
    }
    return ok;
}

} // namespace composer
