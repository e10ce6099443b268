// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "navigation.h"
#include "screen.h"

#include <array>

class QLabel;
class LabelButton;
class PictureBox;

// What tells one topic hub from another.
struct TopicData {
    navigation::Topic topic;
    QString title;
    QRect titleRect;
    QColor background;
    QString picture;
    QRect pictureRect;
    QString questionFile;
    QString quizPicture;
    QString keyFacts;
    int keyFactsPages;
    QString teachersNotes;
    int teachersNotesPages;
};

// A topic's hub: its title and picture, and the ways into its key facts, quiz, teacher's notes
// and activities. The three hubs differ only in their data.
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

    TopicHub(AppContext &ctx, const TopicData &data);
    void Form_Load() override;

    void Label3_Click(int Index);

    const TopicData &data() const { return m_data; }

    QLabel *Label1;
    PictureBox *Image1;
    std::array<LabelButton *, 6> Label3{};

    static const TopicData Introduction;
    static const TopicData Electricity;
    static const TopicData Faraday;

protected:
    void warmNext() override;

private:
    bool startQuiz();
    void openPages(const QString &name, int count);

    TopicData m_data;
};

class introduction : public TopicHub
{
    Q_OBJECT
public:
    explicit introduction(AppContext &context) : TopicHub(context, Introduction) {}
};

class electricity : public TopicHub
{
    Q_OBJECT
public:
    explicit electricity(AppContext &context) : TopicHub(context, Electricity) {}
};

class faraday : public TopicHub
{
    Q_OBJECT
public:
    explicit faraday(AppContext &context) : TopicHub(context, Faraday) {}
};
