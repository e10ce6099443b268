// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity.h"
#include "activitydata.h"
#include "clicktracker.h"
#include "labelbutton.h"
#include "picturebox.h"
#include "screen.h"

#include <QDateTime>

#include <QLabel>

#include <array>
#include <map>
#include <optional>
#include <vector>

class LabelButton;

// A draggable label (dragLabels i). Reports moves with the buttons held and releases; the pointer
// stays captured by the label from press to the release of the last button. A left press
// released before the pointer has gone further than clickDistance() pixels is a click, not a
// drag: it reports no moves and no release (a finger's tap wobbles). A double-click counts as
// one click.
class DragLabel : public PlainLabel
{
    Q_OBJECT
public:
    // The platform's drag distance, at least 4 pixels.
    static int clickDistance();

    explicit DragLabel(QWidget *parent);

    // Shown picked up: a thick outline; screen readers hear it in the label's name.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }

public Q_SLOTS:
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    // buttons as activity::MouseButton flags; pos relative to the label, in pixels.
    void moved(int buttons, QPointF pos);
    void released();
    void clicked();
    void focusLost();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A label lying under another on one box comes to the front while it has the focus.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_pressedAt;
    bool m_maybeClick = false;
    bool m_swallowRelease = false;
    bool m_held = false;
};

// A target or start box (targetBoxes i, startBoxes i); reports a click on it.
class DropBox : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker m_click;
};

// A picture control that reports a click (left press and release over it). A picture that does
// something when clicked is described with describe(): it then takes the keyboard focus, Enter
// and Space click it, and screen readers hear what it shows and does.
class ClickablePicture : public PictureBox
{
    Q_OBJECT
public:
    ClickablePicture(const QRect &twipRect, QWidget *parent);
    // The content file shown, as it was named.
    const QString &file() const { return m_file; }
    void setFile(const QString &file, const QImage &picture);
    void describe(const QString &description);

public Q_SLOTS:
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

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
    // kind: the activity's name in the results journal ("Labelling", "Ordering").
    ActivityScreen(AppContext &ctx, const activity::ActivityDesign &design, const QString &kind);
    // The labels, destroyed after the screen's own parts, no longer report to it (a held label
    // losing the focus would put itself down through the screen).
    ~ActivityScreen() override;

    void load() override;
    // The heading and the instructions: the design's texts in reading order.
    QStringList spokenText() const override;
    // Shows the screen under the name of the topic that opens it, in English ("Electricity"), as
    // the activity's words give it in the program's language.
    void open(const QString &topic);

    // X and Y: the pointer relative to the label's top-left corner, in twips.
    void labelMoved(int Index, int Button, float X, float Y);
    void labelReleased(int Index);
    // Placing without dragging: a click on a label picks it up or, if it is the one held, puts
    // it down; a click on drop box Box (targets 0 to N-1, start boxes N to 2N-1) places the held
    // label there as a drop would.
    void labelClicked(int Index);
    void boxClicked(int Box);
    void actionClicked(int Index);

    const activity::ActivityDesign &design() const { return m_design; }
    const activity::Engine &engine() const { return *m_engine; }
    int count() const { return m_design.count(); }

    // The picture control a design row describes.
    ClickablePicture *picture(const activity::PictureDesign &p) const;

protected:
    // The picture control arrays, by index.
    std::map<int, ClickablePicture *> backPictures;
    std::map<int, ClickablePicture *> frontPictures;
    // The design's text labels in design order; the first is heading.
    std::vector<QLabel *> texts;
    std::vector<DropBox *> targetBoxes;  // target boxes
    std::vector<DragLabel *> dragLabels; // draggable labels
    std::vector<DropBox *> startBoxes;   // start boxes
    std::array<LabelButton *, 3> actionButtons{};
    QLabel *heading = nullptr; // the heading, which the topic hub sets

    // The screen's own load steps, run after applyStandardLook and before the common set-up. By
    // default loads every picture with its design file.
    virtual void loadContent();
    virtual void pictureClicked(int Index) { Q_UNUSED(Index); }

    // Loads a content picture into a picture control.
    void setPicture(ClickablePicture *control, const QString &file);
    // Reads and keeps a picture the control will show later, at the control's size.
    void warm(const ClickablePicture *control, const char *file) const;
    // Builds the results screen that "Check Score" opens.
    void warmNext() override;

    void closeRequested() override { actionClicked(activity::ExitButton); }
    void escapePressed() override;
    QList<QWidget *> tabOrder() const override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placeLabel(int i);
    // Mirrors the engine after a drop: the label's place, the thuds, "Check Score".
    void dropped(int i, int snaps);
    // Puts a held label down where it was picked up.
    void putDown();
    // The held look and the names screen readers hear, from the engine.
    void refresh();
    // Reads aloud the label, what happened to it and the box it is on ("Sun, picked up. Start
    // box 2 of 4: Sun"), or the box a held label has been moved to.
    void sayLabel(int i, const QString &what);
    void sayMovedTo();
    // Drop box B (targets, then start boxes), and the one label I lies on (null if none).
    DropBox *dropBox(int b) const;
    DropBox *boxUnder(int i) const;
    // Gives label I the screen reader's focus again, described by the box it lies on.
    void pointAtLabel(int i);

    const activity::ActivityDesign &m_design;
    std::optional<activity::Engine> m_engine;
    QString m_kind;
    QDateTime m_started; // when the labels were last laid out afresh
};
