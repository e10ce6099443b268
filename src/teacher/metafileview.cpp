// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafileview.h"

#include "metafile/metafilerenderer.h"
#include "platform.h"
#include "twips.h"

#include <QCache>
#include <QFile>
#include <QFocusEvent>
#include <QPainter>

namespace
{

struct KeptPage {
    wmf::Metafile metafile;
    QImage drawn; // null until the page has been drawn
};

// Pages by path; cost: KiB of the drawing, and of the file's records.
QCache<QString, KeptPage> &keptPages()
{
    static QCache<QString, KeptPage> pages(24 * 1024);
    return pages;
}

void keep(const QString &path, const KeptPage &page)
{
    const int cost =
        1 + int(page.drawn.sizeInBytes() / 1024) + int(page.metafile.records.size() / 32);
    if (!path.isEmpty()) {
        keptPages().setMaxCost(keptPixelsBudgetKiB());
        keptPages().insert(path, new KeptPage(page), cost);
    }
}

// The page at path, read once: a damaged page keeps what could be read.
KeptPage keptPage(const QString &path)
{
    if (const KeptPage *kept = keptPages().object(path))
        return *kept;
    KeptPage page;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        page.metafile = wmf::read(&file).metafile;
    keep(path, page);
    return page;
}

QImage draw(const wmf::Metafile &metafile, const QSize &size, qreal ratio)
{
    QImage drawn(size * ratio, QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    wmf::render(metafile, painter, QRectF(QPointF(), QSizeF(size)));
    return drawn;
}

// The page at path drawn at a size, kept with the page.
QImage drawnPage(const QString &path, const wmf::Metafile &metafile, const QSize &size, qreal ratio)
{
    const KeptPage *kept = keptPages().object(path);
    if (kept && kept->drawn.size() == size * ratio && kept->drawn.devicePixelRatio() == ratio)
        return kept->drawn;
    QImage drawn = draw(metafile, size, ratio);
    keep(path, {metafile, drawn});
    return drawn;
}

} // namespace

void MetafileView::warm(const ContentPaths &paths, const QString &contentName, bool draw,
                        qreal ratio)
{
    const QString path = paths.path(contentName);
    if (path.isEmpty())
        return;
    const KeptPage page = keptPage(path);
    if (draw && !page.metafile.records.isEmpty())
        drawnPage(path, page.metafile, page.metafile.pixelSize(96), ratio);
}

MetafileView::MetafileView(const QPoint &twipTopLeft, QWidget *parent) : QWidget(parent)
{
    move(twips::px(twipTopLeft.x()), twips::px(twipTopLeft.y()));
    resize(0, 0);
}

bool MetafileView::load(const ContentPaths &paths, const QString &contentName)
{
    m_name = contentName;
    m_path = paths.path(contentName);
    m_drawn = QImage();
    m_metafile = keptPage(m_path).metafile; // a damaged page shows what could be read
    resize(hasPicture() ? m_metafile.pixelSize(96) : QSize(0, 0));
    update();
    return hasPicture();
}

QSize MetafileView::ownSizeTwips() const
{
    const QSizeF inches = m_metafile.sizeInInches();
    return QSize(qRound(inches.width() * 1440), qRound(inches.height() * 1440));
}

void MetafileView::focusInEvent(QFocusEvent *event)
{
    event->accept();
}

void MetafileView::focusOutEvent(QFocusEvent *event)
{
    event->accept();
}

void MetafileView::paintEvent(QPaintEvent *)
{
    if (!hasPicture())
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.size() != size() * ratio)
        m_drawn = drawnPage(m_path, m_metafile, size(), ratio);
    QPainter(this).drawImage(QPoint(0, 0), m_drawn);
}
