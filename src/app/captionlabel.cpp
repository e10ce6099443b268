// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionlabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace
{

// Qt's own limit: glyphs up to this many device pixels are kept by Qt and drawn quickly anyway.
constexpr qreal KeptGlyphLimitPx = 64;

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
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    return text() + QLatin1Char('\n') + l.font.key() + QLatin1Char('\n') +
           QStringLiteral("%1,%2,%3,%4 %5 %6 %7 %8")
               .arg(l.box.x())
               .arg(l.box.y())
               .arg(l.box.width())
               .arg(l.box.height())
               .arg(l.flags)
               .arg(ratio)
               .arg(palette().color(group, textRole()).rgba())
               .arg(size().width() * 65536 + size().height());
}

void CaptionLabel::keep(const Layout &l, qreal ratio)
{
    // Only the text's own rectangle is kept, with room for what a glyph draws beyond its
    // advance (bold made from the regular face, accents), so that the copy blends no more
    // pixels than the text covers.
    const int room = l.font.pixelSize() / 4 + 2;
    const QRect covered = QFontMetrics(l.font)
                              .boundingRect(l.box, l.flags, text())
                              .adjusted(-room, -room, room, room) &
                          rect();
    m_keptFor = keyFor(l, ratio);
    m_keptAt = covered.topLeft();
    if (covered.isEmpty()) {
        m_kept = QImage();
        return;
    }
    m_kept = QImage(
        QSize(int(std::ceil(covered.width() * ratio)), int(std::ceil(covered.height() * ratio))),
        QImage::Format_ARGB32_Premultiplied);
    m_kept.setDevicePixelRatio(ratio);
    m_kept.fill(Qt::transparent);
    QPainter painter(&m_kept);
    painter.translate(-covered.topLeft());
    drawText(painter, l);
}

void CaptionLabel::drawAhead()
{
    if (text().isEmpty())
        return;
    const Layout l = layout();
    const qreal ratio = devicePixelRatioF();
    if (l.font.pixelSize() * ratio <= KeptGlyphLimitPx || keyFor(l, ratio) == m_keptFor)
        return;
    keep(l, ratio);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    const Layout l = layout();
    const qreal ratio = devicePixelRatioF();
    if (l.font.pixelSize() * ratio <= KeptGlyphLimitPx) {
        m_kept = QImage();
        m_keptFor.clear();
        drawText(painter, l);
        return;
    }
    if (keyFor(l, ratio) != m_keptFor)
        keep(l, ratio);
    if (!m_kept.isNull())
        painter.drawImage(m_keptAt, m_kept);
}

void drawCaptionsAhead(QWidget *screen)
{
    for (CaptionLabel *caption : screen->findChildren<CaptionLabel *>())
        caption->drawAhead();
}
