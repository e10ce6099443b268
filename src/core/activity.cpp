// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity.h"

#include "appstate.h"

#include <algorithm>
#include <utility>

namespace activity
{

bool drag(TwipRect &label, int buttons, float x, float y)
{
    if (buttons != LeftButton)
        return false;
    label.Left = label.Left + x - label.Width / 2;
    label.Top = label.Top + y - label.Height / 2;
    return true;
}

bool inDropZone(const TwipRect &label, const TwipRect &box)
{
    return label.Left > box.Left - box.Width / 2 && label.Left < box.Left + box.Width &&
           label.Top > box.Top - box.Height / 2 && label.Top < box.Top + box.Height;
}

bool isOn(const TwipRect &label, const TwipRect &box)
{
    return label.Left == box.Left && label.Top == box.Top;
}

void toggle(qint16 &state)
{
    state = state == 1 ? 0 : 1;
}

Engine::Engine(std::vector<TwipRect> targets, std::vector<TwipRect> labelStarts, Scoring scoring,
               std::vector<int> groups)
    : m_targets(std::move(targets)), m_starts(labelStarts), m_labels(std::move(labelStarts)),
      m_groups(std::move(groups)), m_scoring(scoring)
{
    // Every loop runs over the items that exist on both sides.
    const size_t n = std::min(m_targets.size(), m_labels.size());
    m_targets.resize(n);
    m_starts.resize(n);
    m_labels.resize(n);
    // Without a group for every item, each item is its own group: the one-to-one rule.
    if (m_groups.size() != n) {
        m_groups.resize(n);
        for (size_t i = 0; i < n; ++i)
            m_groups[i] = int(i);
    }
}

bool Engine::move(int i, int buttons, float x, float y)
{
    if (i < 0 || i >= count())
        return false;
    return drag(m_labels[size_t(i)], buttons, x, y);
}

int Engine::drop(int i)
{
    if (i < 0 || i >= count())
        return 0;
    TwipRect &l = m_labels[size_t(i)];
    int snaps = 0;
    for (int k = 0; k < count(); ++k) {
        for (const TwipRect *box : {&m_targets[size_t(k)], &m_starts[size_t(k)]}) {
            if (inDropZone(l, *box)) {
                l.Left = box->Left;
                l.Top = box->Top;
                ++snaps;
            }
        }
    }
    if (everyLabelOnATarget())
        m_checkScoreShown = true;
    return snaps;
}

bool Engine::everyLabelOnATarget() const
{
    int pairs = 0;
    for (const TwipRect &l : m_labels) {
        for (const TwipRect &t : m_targets) {
            if (isOn(l, t))
                ++pairs;
        }
    }
    return count() > 0 && pairs == count();
}

void Engine::startAgain()
{
    m_held = -1;
    m_stop = -1;
    for (size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i].Left = m_starts[i].Left;
        m_labels[i].Top = m_starts[i].Top;
    }
    m_checkScoreShown = false;
}

int Engine::score() const
{
    int score = 0;
    if (m_scoring == Scoring::OneToOne) {
        for (size_t i = 0; i < m_labels.size(); ++i) {
            if (isOn(m_labels[i], m_targets[i]))
                ++score;
        }
        return score;
    }
    for (size_t box = 0; box < m_targets.size(); ++box) {
        for (size_t j = 0; j < m_labels.size(); ++j) {
            if (m_groups[j] == m_groups[box] && isOn(m_labels[j], m_targets[box]))
                ++score;
        }
    }
    return score;
}

void Engine::press(int button, AppState &state)
{
    state.score = 0;
    switch (button) {
    case StartAgainButton:
        startAgain();
        break;
    case CheckScoreButton:
        state.score = qint16(score());
        state.outOf = qint16(count());
        break;
    default:
        break;
    }
}

const TwipRect &Engine::dropBox(int box) const
{
    return box < count() ? m_targets[size_t(box)] : m_starts[size_t(box - count())];
}

void Engine::pickUp(int i)
{
    putDown();
    if (i < 0 || i >= count())
        return;
    m_held = i;
    m_heldFrom = m_labels[size_t(i)];
}

void Engine::putDown()
{
    if (m_held >= 0)
        m_labels[size_t(m_held)] = m_heldFrom;
    m_held = -1;
    m_stop = -1;
}

int Engine::step(int direction)
{
    if (m_held < 0 || dropBoxCount() == 0)
        return -1;
    const int n = dropBoxCount();
    std::vector<int> order(size_t(n), 0);
    for (int box = 0; box < n; ++box)
        order[size_t(box)] = box;
    const int targets = int(m_targets.size());
    std::stable_sort(order.begin(), order.end(), [this, targets](int a, int b) {
        if ((a < targets) != (b < targets))
            return a < targets;
        const TwipRect &ra = dropBox(a), &rb = dropBox(b);
        return ra.Top != rb.Top ? ra.Top < rb.Top : ra.Left < rb.Left;
    });
    const auto at = std::find(order.begin(), order.end(), m_stop);
    const int place = at == order.end()
                          ? (direction > 0 ? 0 : n - 1)
                          : (int(at - order.begin()) + (direction > 0 ? 1 : -1) + n) % n;
    m_stop = order[size_t(place)];
    TwipRect &l = m_labels[size_t(m_held)];
    l.Left = dropBox(m_stop).Left;
    l.Top = dropBox(m_stop).Top;
    return m_stop;
}

int Engine::place(int box)
{
    const int i = m_held;
    if (i < 0 || box < 0 || box >= dropBoxCount()) {
        putDown();
        return 0;
    }
    m_held = -1;
    m_stop = -1;
    TwipRect &l = m_labels[size_t(i)];
    l.Left = dropBox(box).Left;
    l.Top = dropBox(box).Top;
    return drop(i);
}

} // namespace activity
