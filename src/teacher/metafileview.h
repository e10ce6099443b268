// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/metafile.h"

#include <QImage>
#include <QWidget>

class ContentPaths;

// An image control holding a metafile page, shown at the picture's own size (its header's size at
// 96 dots an inch) with its top-left corner where the control is. A page that cannot be read
// shows as nothing. The page is drawn once; later paints copy that drawing.
class MetafileView : public QWidget
{
    Q_OBJECT
public:
    MetafileView(const QPoint &twipTopLeft, QWidget *parent);

    // Loads a content file such as "wmf\guide1.wmf"; false when it could not be read at all.
    bool load(const ContentPaths &paths, const QString &contentName);
    const QString &contentName() const { return m_name; }
    bool hasPicture() const { return !m_metafile.records.isEmpty(); }
    // The picture's own size in twips.
    QSize ownSizeTwips() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    wmf::Metafile m_metafile;
    QImage m_drawn; // the page drawn at the control's size, made at the first paint after a load
};
