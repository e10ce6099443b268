// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

// A label of plain text drawn as QLabel draws it, whose text is kept as drawn when it is large.
// Qt keeps drawn glyphs only up to 64 device pixels and fills larger ones as outlines at every
// paint; on a 4K board full screen nearly every caption is larger, and the outlines are most of
// the time a new screen takes to appear. A large caption is drawn once into an image, ahead when
// its screen is made ready (drawCaptionsAhead), and each paint copies that image; it is drawn
// again only when its text, font, colours, box or scale change.
class CaptionLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Draws the caption into its image now, if it is large enough to be kept.
    void drawAhead();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The font the text is drawn in, for a text laid out in the box with the flags.
    virtual QFont fontForBox(const QRect &box, int flags) const;
    // The palette role of the text's colour.
    virtual QPalette::ColorRole textRole() const { return foregroundRole(); }

private:
    struct Layout {
        QRect box;
        int flags = 0;
        QFont font;
    };
    Layout layout() const;
    void drawText(QPainter &painter, const Layout &layout) const;
    void keep(const Layout &layout, qreal ratio, const QString &key);
    QString keyFor(const Layout &layout, qreal ratio) const;

    QImage m_kept;
    QPointF m_keptAt;
    QString m_keptFor;
};

// Draws ahead the large captions of a screen that is not on view yet.
void drawCaptionsAhead(QWidget *screen);
