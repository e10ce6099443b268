// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionlabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>
#include <cstdlib>

namespace
{

// Qt's own limit: glyphs up to this many device pixels are kept by Qt and drawn quickly anyway.
constexpr qreal KeptGlyphLimitPx = 64;

bool worthKeeping(const QFont &font, qreal ratio)
{
    return font.pixelSize() * ratio > KeptGlyphLimitPx;
}

} // namespace

CaptionLabel::Layout CaptionLabel::layout() const
{
    // As QLabel lays out plain text without a document: inside the frame, half an "x" in from
    // the aligned edges.
    Layout l;
    QRect r = contentsRect();
    r.adjust(margin(), margin(), -margin(), -margin());
    const bool rightToLeft = text().isRightToLeft();
    const Qt::Alignment align =
        QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment());
    int inset = indent();
    if (inset < 0 && frameWidth())
        inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (inset > 0) {
        if (align & Qt::AlignLeft)
            r.setLeft(r.left() + inset);
        if (align & Qt::AlignRight)
            r.setRight(r.right() - inset);
        if (align & Qt::AlignTop)
            r.setTop(r.top() + inset);
        if (align & Qt::AlignBottom)
            r.setBottom(r.bottom() - inset);
    }
    l.box = r;
    l.flags = int(align) | (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    if (wordWrap())
        l.flags |= Qt::TextWordWrap;
    l.font = fontForBox(l.box, l.flags);
    return l;
}

QFont CaptionLabel::fontForBox(const QRect &, int) const
{
    return font();
}

void CaptionLabel::drawText(QPainter &painter, const Layout &l) const
{
    painter.setFont(l.font);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, l.box, l.flags, option.palette, isEnabled(), text(),
                          textRole());
}

QString CaptionLabel::keyFor(const Layout &l, qreal ratio) const
{
    QStyleOption option;
    option.initFrom(this);
    const QPoint place = mapTo(window(), QPoint());
    return text() + QLatin1Char('\n') + l.font.key() + QLatin1Char('\n') +
           QStringLiteral("%1,%2,%3,%4 %5 %6 %7 %8 %9")
               .arg(l.box.x())
               .arg(l.box.y())
               .arg(l.box.width())
               .arg(l.box.height())
               .arg(l.flags)
               .arg(ratio)
               .arg(option.palette.color(textRole()).rgba())
               .arg(size().width() * 65536 + size().height())
               .arg(QString::number(place.x()) + QLatin1Char(',') + QString::number(place.y()));
}

void CaptionLabel::keep(const Layout &l, qreal ratio, const QString &key)
{
    // Only the text's own lines are kept, with room for what a glyph draws beyond its advance
    // (bold made from the regular face widens each glyph by a 24th of its size), so that the
    // image holds and the copy blends no more pixels than the text covers.
    const int room = l.font.pixelSize() / 8 + 2;
    const QRect covered = QFontMetrics(l.font)
                              .boundingRect(l.box, l.flags, text())
                              .adjusted(-room, -room, room, room) &
                          rect();
    m_keptFor = key;
    if (covered.isEmpty()) {
        m_kept = QImage();
        return;
    }
    // The image lies on whole pixels of the window, so that each of its pixels is copied onto
    // one pixel as it is, and the text in it falls where it would fall drawn directly.
    const QPointF origin = QPointF(mapTo(window(), QPoint())) * ratio;
    const QPointF first(std::floor(covered.left() * ratio + origin.x()),
                        std::floor(covered.top() * ratio + origin.y()));
    const QPointF last(std::ceil((covered.right() + 1) * ratio + origin.x()),
                       std::ceil((covered.bottom() + 1) * ratio + origin.y()));
    m_keptAt = (first - origin) / ratio;
    QImage drawn(QSize(int(last.x() - first.x()), int(last.y() - first.y())),
                 QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.translate(-m_keptAt);
        drawText(painter, l);
    }
    // The text is one colour at many strengths: it is kept as those strengths, a byte a pixel,
    // a quarter of the memory of the drawing. A text drawn in more than one colour (a style that
    // etches disabled text) is kept as drawn.
    QStyleOption option;
    option.initFrom(this);
    const QRgb colour = option.palette.color(textRole()).rgb();
    QList<QRgb> strengths(256);
    for (int a = 0; a < 256; ++a)
        strengths[a] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), a);
    QImage kept(drawn.size(), QImage::Format_Indexed8);
    kept.setColorTable(strengths);
    kept.setDevicePixelRatio(ratio);
    const auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    const int width = drawn.width(), height = drawn.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
        uchar *out = kept.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x];
            if (qAlpha(pixel) >= 128) {
                const QRgb own = qUnpremultiply(pixel);
                if (!near(qRed(own), qRed(colour)) || !near(qGreen(own), qGreen(colour)) ||
                    !near(qBlue(own), qBlue(colour))) {
                    m_kept = drawn;
                    return;
                }
            }
            out[x] = uchar(qAlpha(pixel));
        }
    }
    m_kept = kept;
}

void CaptionLabel::drawAhead()
{
    if (text().isEmpty())
        return;
    const Layout l = layout();
    const qreal ratio = devicePixelRatioF();
    if (!worthKeeping(l.font, ratio))
        return;
    const QString key = keyFor(l, ratio);
    if (key != m_keptFor)
        keep(l, ratio, key);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    const Layout l = layout();
    const qreal ratio = devicePixelRatioF();
    if (!worthKeeping(l.font, ratio)) {
        m_kept = QImage();
        m_keptFor.clear();
        drawText(painter, l);
        return;
    }
    const QString key = keyFor(l, ratio);
    if (key != m_keptFor)
        keep(l, ratio, key);
    if (!m_kept.isNull())
        painter.drawImage(m_keptAt, m_kept);
}

void drawCaptionsAhead(QWidget *screen)
{
    for (CaptionLabel *caption : screen->findChildren<CaptionLabel *>())
        caption->drawAhead();
}
