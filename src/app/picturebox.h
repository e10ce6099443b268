#pragma once

#include <QImage>
#include <QWidget>

// A picture or image control: shows a picture scaled to the control. Content pictures are drawn
// at twice their frame's size, so they stay sharp on high-density screens.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QRect &twipRect, QWidget *parent);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
