// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"
#include "topics.h"

#include <array>

class QLabel;
class LabelButton;
class PictureBox;

// A topic's hub: its title and picture, and the ways into its key facts, quiz, teacher's notes
// and activities. The hubs differ only in their rows of the topic table.
class TopicHub : public Screen
{
    Q_OBJECT
public:
    enum Entry {
        MultipleChoice = 0,
        LabellingActivity = 1,
        Exit = 2,
        OrderingActivity = 3,
        KeyFacts = 4,
        TeachersNotes = 5,
    };

    TopicHub(AppContext &ctx, int topic);
    // The hub of a topic (a row of topics::table()), for the screen registry.
    static TopicHub *create(AppContext &ctx, int topic) { return new TopicHub(ctx, topic); }
    void load() override;

    void buttonClicked(int Index);

    int topic() const { return m_topic; }
    const topics::Topic &data() const { return m_data; }

protected:
    void warmNext() override;

private:
    QLabel *titleText;
    PictureBox *topicPicture;
    std::array<LabelButton *, 6> buttons{};

    void startQuiz();
    // Opens a page set; button is the hub button that opens it, which names the window.
    void openPages(const QString &name, int count, int button);

    int m_topic;
    const topics::Topic &m_data;
};
