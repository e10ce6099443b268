// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

struct AppState;

// The drag-and-drop engine shared by the six activity screens. Everything here works on twip
// rectangles; the screens only report pointer positions and move their labels to where the
// engine puts them.
namespace activity
{

// A control's Left, Top, Width and Height in twips, single precision as the screens hold them.
struct TwipRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

inline bool operator==(const TwipRect &a, const TwipRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

// Mouse buttons as a move or release reports them, summed: 1 left, 2 right, 4 middle.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// The three label buttons of every activity screen.
enum Button { ExitButton = 0, StartAgainButton = 1, CheckScoreButton = 2 };

enum class Scoring {
    OneToOne, // label i counts on target box i
    Grouped,  // label i counts on any target box of its own group
};

// Drag step: with exactly the left button held, the label's centre jumps to the pointer (x, y:
// the pointer relative to the label's top-left corner, in twips). No clamping: a label may leave
// the window. Returns whether the label moved.
bool drag(TwipRect &label, int buttons, float x, float y);

// Whether the label's top-left corner lies strictly inside the box's drop zone: the box widened
// by half its width to the left and half its height upwards.
bool inDropZone(const TwipRect &label, const TwipRect &box);

// A label is on a box when its Left and Top equal the box's exactly.
bool isOn(const TwipRect &label, const TwipRect &box);

// Flips a two-state switch: on (1) becomes off (0); off, or any value that is not on, becomes on.
void toggle(qint16 &state);

// The state of one activity screen: N target boxes, N start boxes and N draggable labels, label i
// belonging on target box i.
class Engine
{
public:
    // The start boxes take the labels' start positions and sizes. groups gives each item's group
    // for the grouped rule and may be empty for the one-to-one rule.
    Engine(std::vector<TwipRect> targets, std::vector<TwipRect> labelStarts, Scoring scoring,
           std::vector<int> groups = {});

    int count() const { return int(m_labels.size()); }
    const TwipRect &target(int i) const { return m_targets[size_t(i)]; }
    const TwipRect &start(int i) const { return m_starts[size_t(i)]; }
    const TwipRect &label(int i) const { return m_labels[size_t(i)]; }
    void setLabel(int i, const TwipRect &rect) { m_labels[size_t(i)] = rect; }

    // A move over label i (see drag()); false for an index out of range.
    bool move(int i, int buttons, float x, float y);

    // The drop pass for label i: for each item k in ascending order, try target box k, then start
    // box k, each test reading the label's current position, each success snapping it there.
    // Returns the number of snaps (each one is a thud). Afterwards, when every label lies on some
    // target box, "Check Score" becomes shown and stays so until startAgain().
    int drop(int i);

    // Every label lies on some target box (two labels on one box both count).
    bool everyLabelOnATarget() const;
    bool checkScoreShown() const { return m_checkScoreShown; }

    // Labels back to their start boxes; "Check Score" hidden.
    void startAgain();

    // The current arrangement's score under the screen's rule.
    int score() const;

    // A button press on the shared state: score is set to 0 on every press; "Start Again" resets
    // the arrangement; "Check Score" sets score from the arrangement and outOf to the item count.
    void press(int button, AppState &state);

    // Placing without dragging: one label at a time can be held. A held label stays where it was
    // until it is placed on a drop box, where it lands exactly as if it had been dragged and
    // released there (the same drop pass, snaps and "Check Score" rule).
    //
    // Drop boxes are numbered as the keyboard visits them: target boxes 0 to N-1, then start
    // boxes N to 2N-1.
    int dropBoxCount() const { return 2 * count(); }
    const TwipRect &dropBox(int box) const;

    // The label held, or -1.
    int held() const { return m_held; }
    // Holds label i; a label already held is first put down. Out of range: nothing is held.
    void pickUp(int i);
    // The held label goes back to where it was picked up; nothing is held afterwards.
    void putDown();
    // Moves the held label to the next (+1) or previous (-1) drop box in reading order: the
    // target boxes top to bottom, then left to right, then the start boxes the same way. The
    // first step forwards goes to the first target box, the first step backwards to the last
    // start box, and the order wraps round. Returns the drop box reached, or -1 when nothing is
    // held.
    int step(int direction);
    // The drop box the held label was last stepped to, or -1.
    int steppedTo() const { return m_stop; }
    // Places the held label on drop box `box` and runs the drop pass for it; nothing is held
    // afterwards. Returns the number of snaps. Out of range, or nothing held: returns 0 and
    // puts the label down.
    int place(int box);

private:
    std::vector<TwipRect> m_targets;
    std::vector<TwipRect> m_starts;
    std::vector<TwipRect> m_labels;
    std::vector<int> m_groups;
    Scoring m_scoring;
    bool m_checkScoreShown = false;
    int m_held = -1;
    int m_stop = -1;
    TwipRect m_heldFrom;
};

} // namespace activity
