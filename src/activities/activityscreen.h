#pragma once

#include "activity.h"
#include "activitydata.h"
#include "clicktracker.h"
#include "picturebox.h"
#include "screen.h"

#include <QLabel>

#include <array>
#include <map>
#include <optional>
#include <vector>

class LabelButton;

// A draggable label (Label2 i). Reports moves with the buttons held and releases; the pointer
// stays captured by the label from press to the release of the last button.
class DragLabel : public QLabel
{
    Q_OBJECT
public:
    explicit DragLabel(QWidget *parent);

Q_SIGNALS:
    // buttons as activity::MouseButton flags; pos relative to the label, in pixels.
    void moved(int buttons, QPointF pos);
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture control that reports a click (left press and release over it).
class ClickablePicture : public PictureBox
{
    Q_OBJECT
public:
    ClickablePicture(const QRect &twipRect, QWidget *parent);
    // The content file shown, as it was named.
    const QString &file() const { return m_file; }
    void setFile(const QString &file, const QImage &picture);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_file;
    ClickTracker m_click;
};

// One drag-and-drop activity screen, built from its design: pictures at the back, lines and
// texts, start and target boxes over them, buttons, and the draggable labels in front. The
// engine decides every move, snap and score; this class reports the pointer and mirrors the
// engine's positions.
class ActivityScreen : public Screen
{
    Q_OBJECT
public:
    ActivityScreen(AppContext &ctx, const activity::ActivityDesign &design);

    void Form_Load() override;

    // X and Y: the pointer relative to the label's top-left corner, in twips.
    void Label2_MouseMove(int Index, int Button, float X, float Y);
    void Label2_MouseUp(int Index);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index);

    const activity::ActivityDesign &design() const { return m_design; }
    const activity::Engine &engine() const { return *m_engine; }
    int count() const { return m_design.count(); }

    // A text label by control name and index (-1 outside a control array); null if none.
    QLabel *text(const QString &control, int index = -1) const;
    // A picture control ("Image1" or "Image2") by index; null if none.
    ClickablePicture *picture(const QString &control, int index) const;

    std::vector<QLabel *> Label1;    // target boxes
    std::vector<DragLabel *> Label2; // draggable labels
    std::vector<QLabel *> Label4;    // start boxes
    std::array<LabelButton *, 3> Label3{};
    QLabel *Label6 = nullptr; // the heading, which the topic hub sets

protected:
    // The screen's own load steps, run after DressForm and before the common set-up. By default
    // loads every picture with its design file.
    virtual void loadContent();
    virtual void Image1_Click(int Index) { Q_UNUSED(Index); }

    // Loads a content picture into a picture control.
    void setPicture(ClickablePicture *control, const QString &file);

    void Form_MouseMove() override;
    void closeRequested() override { Label3_Click(activity::ExitButton); }
    void paintEvent(QPaintEvent *event) override;

private:
    void placeLabel(int i);

    const activity::ActivityDesign &m_design;
    std::optional<activity::Engine> m_engine;
    std::map<std::pair<QString, int>, QLabel *> m_texts;
    std::map<std::pair<QString, int>, ClickablePicture *> m_pictures;
};
