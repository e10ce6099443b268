// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil at a computer, for the class-folder test (class_folder.sh): the real screens, content
// paths and class folder (named by QUORVEL_CLASS_FOLDER, as a technician would), offscreen, with
// a pupil who answers "Who is playing?" with NAME. Plays the Electricity quiz (the even questions
// answered wrongly) and, when WORKSHEET is given, runs that worksheet from the catalogue screen
// with answer A throughout. Exits 1, saying why, when a result could not be kept.
//
//   classplayer RUN_FOLDER NAME [WORKSHEET]
#include "appcontext.h"
#include "classfolder.h"
#include "controls.h"
#include "fonts.h"
#include "labelbutton.h"
#include "qtplatform.h"
#include "quizscreen.h"
#include "resultsscreen.h"
#include "testdoubles.h"
#include "topichub.h"
#include "worksheetcatalogue.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTextStream>

namespace
{

// Answers the quiz on view: question q with answer(q), then "Next Question" or "Check Score".
template <class Answer> bool answerQuiz(AppContext &ctx, Answer answer)
{
    QuizScreen *quiz = ctx.screens.loaded<QuizScreen>();
    if (!quiz)
        return false;
    for (int q = 1; q <= AppState::MaxQuestions; ++q) {
        control<QRadioButton>(quiz, "answerButtons", answer(q))->click();
        quiz->buttonClicked(QuizScreen::NextQuestion);
    }
    ResultsScreen *results = ctx.screens.loaded<ResultsScreen>();
    if (results && control<QLabel>(results, "notKeptLine")->isVisible()) {
        QTextStream(stderr) << control<QLabel>(results, "notKeptLine")->text() << '\n';
        return false;
    }
    ctx.screens.unloadAll();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: classplayer RUN_FOLDER NAME [WORKSHEET]\n";
        return 2;
    }
    const QString runFolder = QString::fromLocal8Bit(argv[1]);
    fonts::registerDesignFaces();
    const classfolder::Choice chosen = classfolder::choose(QString(), runFolder);
    if (!chosen.named) {
        QTextStream(stderr) << "no class folder: " << chosen.problem << '\n';
        return 1;
    }
    RunFolderPaths paths(runFolder, chosen.folder);
    RecordingSoundPlayer sound;
    ScriptedMessageBoxes boxes;
    boxes.names.push_back(QString::fromLocal8Bit(argv[2]));
    RecordingPrinter printer;
    RecordingWindowSystem windows;
    RecordingSpeech speech;
    AppContext ctx(Platform{sound, boxes, printer, paths, windows, speech});
    ctx.onEnd = [] {};

    ctx.screens.show<TopicHub>(1)->buttonClicked(TopicHub::MultipleChoice); // Electricity
    if (!answerQuiz(ctx, [&](int q) {
            const int right = ctx.state.quiz.question(q).rightAnswer();
            return q % 2 ? right : right % 4 + 1;
        }))
        return 1;
    if (argc > 3) {
        const QString title = QString::fromLocal8Bit(argv[3]);
        WorksheetCatalogue *catalogue = ctx.screens.show<WorksheetCatalogue>();
        int slot = 0;
        for (int i = 1; i <= WorksheetCatalogue::Slots; ++i) {
            if (control<LabelButton>(catalogue, "titleButtons", i)->isVisibleTo(catalogue) &&
                control<LabelButton>(catalogue, "titleButtons", i)->text() == title)
                slot = i;
        }
        if (slot == 0) {
            QTextStream(stderr) << "the catalogue does not list " << title << '\n';
            return 1;
        }
        catalogue->titleClicked(slot);
        if (!answerQuiz(ctx, [](int) { return 1; }))
            return 1;
    }
    if (boxes.namesOffered.size() != 1) {
        QTextStream(stderr) << "\"Who is playing?\" was asked " << boxes.namesOffered.size()
                            << " times\n";
        return 1;
    }
    return 0;
}
