// SPDX-License-Identifier: GPL-3.0-or-later
#include "topichub.h"

#include "appcontext.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "navigation.h"
#include "picturebox.h"
#include "questionfile.h"
#include "standardlook.h"
#include "twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>

TopicHub::TopicHub(AppContext &context, int topic)
    : Screen(context), m_topic(topic), m_data(topics::table().at(size_t(topic)))
{
    const topics::Topic &data = m_data;
    // The topic's name, as the menu's entry for it says it.
    titleText = addLabel(QCoreApplication::translate("MainMenu", data.title.toUtf8().constData()),
                         data.titleRect, fonts::times(27.75, true), QColor(255, 255, 0),
                         Qt::AlignLeft | Qt::AlignVCenter);
    topicPicture = new PictureBox(data.pictureRect, this);

    addButtons(
        buttons,
        {{KeyFacts, QT_TRANSLATE_NOOP("Buttons", "Key Facts"), {6360, 120, 1995, 495}},
         {TeachersNotes, QT_TRANSLATE_NOOP("Buttons", "Teacher's Notes"), {8640, 120, 3195, 495}},
         {MultipleChoice, QT_TRANSLATE_NOOP("Buttons", "Multiple Choice"), {120, 7920, 3195, 495}},
         {LabellingActivity,
          QT_TRANSLATE_NOOP("Buttons", "Labelling Activity"),
          {3600, 7920, 3195, 495}},
         {OrderingActivity,
          QT_TRANSLATE_NOOP("Buttons", "Ordering Activity"),
          {7080, 7920, 3195, 495}},
         {Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10560, 7920, 1245, 495}}},
        [this](int i) { buttonClicked(i); }, &hover);
    setExitButton(buttons[Exit]);

    controlnames::name({{titleText, "titleText"}, {topicPicture, "topicPicture"}});
    controlnames::nameArray(buttons, "buttons");
}

void TopicHub::load()
{
    nameWindow(this, titleText->text());
    applyStandardLook(this);
    setBackColor(m_data.background);
    topicPicture->load(ctx.platform.paths, m_data.picture);
    const QRect r = topicPicture->geometry();
    topicPicture->move((twips::px(12000) - r.width()) / 2, r.y());
}

void TopicHub::startQuiz()
{
    QFile file(ctx.platform.paths.path(m_data.questionFile));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (!opened || !questionfile::LoadQuestionFile(&file, ctx.state.quiz).ok()) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("TopicHub",
                                              "The questions for this topic could not be read."));
        return;
    }
    file.close();
    navigation::openQuiz(ctx, m_data.quizPicture);
}

void TopicHub::openPages(const QString &name, int count, int button)
{
    ctx.state.pageCount = static_cast<qint16>(count);
    ctx.state.pageSet = name;
    navigation::openPageSet(ctx, QCoreApplication::translate("Screens", "%1 %2")
                                     .arg(titleText->text(), buttons[button]->text()));
}

void TopicHub::buttonClicked(int Index)
{
    switch (Index) {
    case KeyFacts:
        openPages(m_data.keyFacts, m_data.keyFactsPages, KeyFacts);
        break;
    case TeachersNotes:
        openPages(m_data.teachersNotes, m_data.teachersNotesPages, TeachersNotes);
        break;
    case MultipleChoice:
        startQuiz();
        break;
    case LabellingActivity:
        navigation::openLabelling(ctx, m_topic, m_data.title);
        break;
    case OrderingActivity:
        navigation::openOrdering(ctx, m_topic, m_data.title);
        break;
    case Exit:
        ctx.screens.show<MainMenu>();
        ctx.screens.unload(this);
        break;
    default:
        return;
    }
    ctx.playSound(contentnames::ClickSound);
}

void TopicHub::warmNext()
{
    navigation::warmQuiz(ctx, m_data.quizPicture, devicePixelRatioF());
    navigation::warmActivities(ctx, m_topic, devicePixelRatioF());
    navigation::warmPageSet(ctx, m_data.keyFacts, devicePixelRatioF());
    navigation::warmPageSet(ctx, m_data.teachersNotes, devicePixelRatioF());
    navigation::buildFromHub(ctx, m_topic);
}
