// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/metafile.h"

#include <QImage>
#include <QWidget>

class ContentPaths;

// An image control holding a metafile page, shown at the picture's own size (its header's size at
// 96 dots an inch) with its top-left corner where the control is. A page that cannot be read
// shows as nothing. The page is drawn once; later paints copy that drawing.
//
// Pages read and drawn are kept (within keptPixelsBudgetKiB(), by file, with the drawing at its
// size in device pixels), so that turning back to a page, or to a page warmed beforehand, reads
// and draws nothing. Content files do not change while the program runs.
class MetafileView : public QWidget
{
    Q_OBJECT
public:
    MetafileView(const QPoint &twipTopLeft, QWidget *parent);

    // Reads a content page and, with draw, draws it at its own size on a screen of this device
    // pixel ratio, and keeps both for the next view that loads it.
    static void warm(const ContentPaths &paths, const QString &contentName, bool draw, qreal ratio);

    // Loads a content file such as "wmf\guide1.wmf"; false when it could not be read at all.
    bool load(const ContentPaths &paths, const QString &contentName);
    const QString &contentName() const { return m_name; }
    bool hasPicture() const { return !m_metafile.records.isEmpty(); }
    // The page loaded last (no records when none is).
    const wmf::Metafile &metafile() const { return m_metafile; }
    // The picture's own size in twips.
    QSize ownSizeTwips() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The page looks the same with or without the focus (the focus outline is a control of its
    // own): a change of focus draws nothing.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_name;
    QString m_path;
    wmf::Metafile m_metafile;
    QImage m_drawn; // the page drawn at the control's size, made at the first paint after a load
};
