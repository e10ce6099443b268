// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheetcatalogue.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "controlnames.h"
#include "displayscale.h"
#include "exchange/exchange.h"
#include "fonts.h"
#include "highcontrast.h"
#include "importer.h"
#include "importlist.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "picturebox.h"
#include "printlayouts.h"
#include "pupils.h"
#include "questionfile.h"
#include "quizscreen.h"
#include "results.h"
#include "settings.h"
#include "standardlook.h"
#include "twips.h"
#include "waitnotice.h"
#include "worksheetwizard.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace
{

const QColor Yellow(255, 255, 0);
const QColor FormBack(39, 63, 137);

} // namespace

WorksheetCatalogue::WorksheetCatalogue(AppContext &context) : Screen(context)
{
    headline = addLabel(QCoreApplication::translate("WorksheetCatalogue", "Worksheets Catalogue"),
                        {0, 0, 12000, 780}, fonts::tahoma(24, true), Yellow);

    const auto checkBox = [this](const QString &caption, const QRect &r, const QColor &text) {
        auto *box = new QCheckBox(caption, this);
        box->setGeometry(twips::rect(r));
        box->setFont(fonts::tahoma(12, true));
        box->setAutoFillBackground(true);
        box->setStyleSheet(QStringLiteral("QCheckBox { color: %1; }").arg(text.name()));
        return box;
    };
    editTick = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Edit Worksheet"),
                        {120, 120, 2535, 375}, Yellow);
    deleteTick = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Delete Worksheet"),
                          {9240, 120, 2535, 375}, QColor(255, 0, 0));
    exportTick = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Export Worksheet"),
                          {120, 8520, 2535, 375}, Yellow);
    answerKeyTick = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Print Answer Key"),
                             {2880, 8520, 2535, 375}, Yellow);
    connect(editTick, &QCheckBox::clicked, this, &WorksheetCatalogue::editTicked);
    connect(deleteTick, &QCheckBox::clicked, this, &WorksheetCatalogue::deleteTicked);
    for (QCheckBox *box : {exportTick, answerKeyTick})
        connect(box, &QCheckBox::clicked, this, [this, box] { untickOthers(box); });
    fullScreenChoice = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Full Screen"),
                                {5580, 8520, 1740, 375}, Yellow);
    fullScreenChoice->setFont(fonts::tahoma(9.75, true));
    connect(fullScreenChoice, &QCheckBox::clicked, this, &displayscale::chooseFullScreen);
    highContrastChoice =
        checkBox(QCoreApplication::translate("WorksheetCatalogue", "High Contrast"),
                 {7440, 8520, 1740, 375}, Yellow);
    highContrastChoice->setFont(fonts::tahoma(9.75, true));
    connect(highContrastChoice, &QCheckBox::clicked, this, [](bool on) {
        highcontrast::setOn(on);
        settings::setValue(QStringLiteral("HighContrast"), on);
    });

    importButton =
        new LabelButton(QCoreApplication::translate("WorksheetCatalogue", "Import Worksheets"),
                        {9240, 8520, 2535, 375}, fonts::tahoma(12, true), this);
    connect(importButton, &LabelButton::clicked, this, &WorksheetCatalogue::importClicked);
    hover.add(importButton);

    titleButtons[Exit] = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                                         {10560, 7920, 1245, 495}, fonts::tahoma(18, true), this);
    setExitButton(titleButtons[Exit]);
    for (int k = 1; k <= Slots; ++k) {
        const int column = (k - 1) / SlotsPerColumn;
        const int row = (k - 1) % SlotsPerColumn;
        titleButtons[k] =
            new LabelButton(QString(), {120 + 6000 * column, 720 + 600 * row, 5715, 375},
                            fonts::tahoma(12, true), this);
    }
    for (int i = 0; i <= Slots; ++i) {
        connect(titleButtons[i], &LabelButton::clicked, this, [this, i] { titleClicked(i); });
        hover.add(titleButtons[i]);
    }

    addButtons(
        pageButtons,
        {{PreviousPage, QT_TRANSLATE_NOOP("Buttons", "<< Previous Page"), {2640, 7920, 3195, 495}},
         {NextPage, QT_TRANSLATE_NOOP("Buttons", "Next Page >>"), {6000, 7920, 3195, 495}}},
        [this](int i) { pageButtonClicked(i); });
    for (LabelButton *button : pageButtons)
        button->hide();

    pageNumber =
        new QLabel(QCoreApplication::translate("WorksheetCatalogue", "Page %1").arg(1), this);
    pageNumber->setTextFormat(Qt::PlainText);
    pageNumber->setGeometry(twips::rect(120, 7920, 1995, 495));
    pageNumber->setFont(fonts::tahoma(15.75, true));
    pageNumber->setAlignment(Qt::AlignCenter);
    pageNumber->setFrameStyle(QFrame::Box | QFrame::Plain);
    pageNumber->setAutoFillBackground(true);
    QPalette pal = pageNumber->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    pal.setColor(QPalette::Window, Qt::white);
    pageNumber->setPalette(pal);

    importList = new ImportList(this);
    connect(importList, &ImportList::importClicked, this, &WorksheetCatalogue::importChosen);
    connect(importList, &ImportList::cancelClicked, importList, &QWidget::hide);

    controlnames::name({{headline, "headline"},
                        {editTick, "editTick"},
                        {deleteTick, "deleteTick"},
                        {exportTick, "exportTick"},
                        {answerKeyTick, "answerKeyTick"},
                        {fullScreenChoice, "fullScreenChoice"},
                        {highContrastChoice, "highContrastChoice"},
                        {importButton, "importButton"},
                        {pageNumber, "pageNumber"},
                        {importList, "importList"}});
    controlnames::nameArray(titleButtons, "titleButtons");
    controlnames::nameArray(pageButtons, "pageButtons");
}

void WorksheetCatalogue::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Worksheet Catalogue"));
    applyStandardLook(this);
    fullScreenChoice->setChecked(displayscale::isFullScreen());
    highContrastChoice->setChecked(highcontrast::isOn());
    AppState &s = ctx.state;
    // A catalogue that cannot be opened or read leaves the titles already held.
    const QString path = ctx.platform.paths.path(contentnames::Catalogue);
    // Opened straight from a file manager, the menu has not mended the folder yet.
    if (!ctx.worksheetsRecovered) {
        catalogue::recover(path);
        ctx.worksheetsRecovered = true;
    }
    catalogue::read(path, s);

    editTick->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    deleteTick->setStyleSheet(tickBoxStyle(QColor(255, 0, 0), FormBack));
    exportTick->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    answerKeyTick->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    for (QCheckBox *box : {fullScreenChoice, highContrastChoice})
        box->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    s.cataloguePage = 0;
    for (int i = 1; i <= Slots; ++i) {
        titleButtons[i]->hide();
        titleButtons[i]->setFont(fonts::tahoma(12, true));
    }
    int n = s.worksheetCount;
    if (n > Slots) {
        n = Slots;
        pageButtons[NextPage]->show();
    }
    for (int i = 1; i <= n; ++i) {
        titleButtons[i]->setText(s.worksheetTitles[i]);
        titleButtons[i]->show();
    }
}

int WorksheetCatalogue::lastPage() const
{
    const int count = qBound(0, int(ctx.state.worksheetCount), int(AppState::MaxWorksheets));
    return count == 0 ? 0 : (count - 1) / Slots;
}

void WorksheetCatalogue::drawPage()
{
    const AppState &s = ctx.state;
    for (int i = 1; i <= Slots; ++i) {
        titleButtons[i]->setText(QString());
        titleButtons[i]->hide();
    }
    pageButtons[PreviousPage]->show();
    pageButtons[NextPage]->show();
    if (s.cataloguePage == 0)
        pageButtons[PreviousPage]->hide();
    pageNumber->setText(
        QCoreApplication::translate("WorksheetCatalogue", "Page %1").arg(s.cataloguePage + 1));

    const int count = qBound(0, int(s.worksheetCount), int(AppState::MaxWorksheets));
    const int base = Slots * s.cataloguePage;
    int last = base + Slots;
    if (count < base + Slots + 1) {
        last = count;
        pageButtons[NextPage]->hide();
    }
    for (int i = base + 1; i <= last; ++i) {
        titleButtons[i - base]->setText(s.worksheetTitles[i]);
        titleButtons[i - base]->show();
    }
}

void WorksheetCatalogue::pageButtonClicked(int Index)
{
    AppState &s = ctx.state;
    switch (Index) {
    case PreviousPage:
        if (s.cataloguePage <= 0)
            return;
        --s.cataloguePage;
        break;
    case NextPage:
        if (s.cataloguePage >= lastPage())
            return;
        ++s.cataloguePage;
        break;
    default:
        return;
    }
    drawPage();
    ctx.playSound(contentnames::ClickSound);
}

void WorksheetCatalogue::editTicked()
{
    untickOthers(editTick);
}

void WorksheetCatalogue::deleteTicked()
{
    untickOthers(deleteTick);
}

void WorksheetCatalogue::untickOthers(QCheckBox *ticked)
{
    if (!ticked->isChecked())
        return;
    for (QCheckBox *box : {editTick, deleteTick, exportTick, answerKeyTick}) {
        if (box != ticked)
            box->setChecked(false);
    }
}

void WorksheetCatalogue::warmNext()
{
    MainMenu::makeReady(ctx, devicePixelRatioF());
}

void WorksheetCatalogue::titleClicked(int Index)
{
    if (Index < 0 || Index > Slots)
        return;
    ctx.playSound(contentnames::ClickSound);
    if (Index == Exit) {
        ctx.screens.show<MainMenu>();
        ctx.screens.unload(this);
        return;
    }

    const QString name = titleButtons[Index]->text();
    // Deleting only takes the title off the catalogue, so it does not need the worksheet to be
    // readable: a broken or missing worksheet can always be removed.
    if (deleteTick->isChecked()) {
        deleteWorksheet(name);
        return;
    }
    if (!loadWorksheet(name))
        return;
    if (editTick->isChecked())
        editInWizard();
    else if (exportTick->isChecked())
        exportWorksheet(name);
    else if (answerKeyTick->isChecked())
        printAnswerKey();
    else
        runWorksheet();
}

namespace
{

// A message of lines, every one of them.
QString listed(const QString &first, const QStringList &lines)
{
    return (QStringList{first} + lines).join(QLatin1Char('\n'));
}

} // namespace

void WorksheetCatalogue::exportWorksheet(const QString &name)
{
    QString file = ctx.platform.boxes.saveFile(
        this, QCoreApplication::translate("WorksheetCatalogue", "Export Worksheet"),
        QDir(documentsFolder()).filePath(name + QStringLiteral(".gift")),
        QCoreApplication::translate("WorksheetCatalogue",
                                    "GIFT files (*.gift);;Aiken files (*.txt)"));
    if (file.isEmpty())
        return;
    std::optional<exchange::Format> format = exchange::formatForFileName(file);
    if (!format) {
        file = fileToWrite(ctx.platform.boxes, this, file, {QStringLiteral(".gift")});
        if (file.isEmpty())
            return;
        format = exchange::Format::Gift;
    }
    exchange::WriteResult written;
    const savefile::Result saved = savefile::replace(file, [&](QIODevice *device) {
        written = exchange::write(device, *format, ctx.state.quiz);
        return written.ok();
    });
    if (!saved) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("WorksheetCatalogue",
                                              "The worksheet could not be exported to %1. %2")
                      .arg(QDir::toNativeSeparators(file), saved.error));
        return;
    }
    ctx.platform.boxes.ok(
        this, listed(QCoreApplication::translate("WorksheetCatalogue",
                                                 "The worksheet %1 has been exported to %2.")
                         .arg(name, QDir::toNativeSeparators(file)),
                     written.problems));
}

void WorksheetCatalogue::printAnswerKey()
{
    const questionfile::Worksheet &quiz = ctx.state.quiz;
    const PrintJob job = printlayouts::answerKey(ctx.platform.printer, printlayouts::WorksheetTopic,
                                                 quiz.title, quiz);
    printAndReport(
        ctx.platform, this, job,
        QCoreApplication::translate("WorksheetCatalogue", "%1 answers.pdf").arg(quiz.title),
        QCoreApplication::translate("WorksheetCatalogue", "The answer key is now printing."),
        QStringLiteral("answer key"));
}

void WorksheetCatalogue::importClicked()
{
    ctx.playSound(contentnames::ClickSound);
    const QString file = ctx.platform.boxes.openFile(
        this, QCoreApplication::translate("WorksheetCatalogue", "Import Worksheets"),
        QCoreApplication::translate("WorksheetCatalogue",
                                    "GIFT or Aiken files (*.gift *.txt);;All files (*)"));
    if (!file.isEmpty())
        importFile(file);
}

void WorksheetCatalogue::importFile(const QString &file)
{
    const exchange::ReadResult read = exchange::readFile(file);
    if (!read.error.isEmpty()) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("WorksheetCatalogue", "Nothing was imported. %1")
                      .arg(read.error));
        return;
    }
    m_importFile = file;
    importList->open(file, read);
}

void WorksheetCatalogue::importChosen()
{
    const exchange::ReadResult read = importList->chosen();
    const bool wholeSheets = read.questions.size() >= AppState::MaxQuestions;
    const importer::Outcome outcome =
        wholeSheets ? importer::import(
                          read, importer::titleForFile(m_importFile),
                          [this](const QString &name) { return ctx.platform.paths.path(name); },
                          ctx.state, waitingFor(this))
                    : importer::Outcome{{}, {}, {}, read.questions};
    // A catalogue without room, or a title that cannot be used, changes nothing: the list stays
    // for the teacher to untick questions or cancel.
    if (outcome.written.isEmpty() && !outcome.error.isEmpty()) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("WorksheetCatalogue", "Nothing was imported. %1")
                      .arg(outcome.error));
        return;
    }
    importList->hide();
    QStringList lines;
    if (outcome.written.size() == 1)
        lines << QCoreApplication::translate("WorksheetCatalogue", "Imported the worksheet %1.")
                     .arg(outcome.written.first());
    else if (!outcome.written.isEmpty())
        lines << QCoreApplication::translate("WorksheetCatalogue", "Imported %1 worksheets: %2.")
                     .arg(outcome.written.size())
                     .arg(outcome.written.join(QStringLiteral(", ")));
    if (!outcome.error.isEmpty())
        lines << QCoreApplication::translate("WorksheetCatalogue", "The import stopped: %1")
                     .arg(outcome.error);
    if (!outcome.written.isEmpty())
        drawPage(); // the new titles are at the end of the catalogue
    const bool toWizard = outcome.error.isEmpty() && !outcome.leftOver.isEmpty();
    if (toWizard)
        lines << QCoreApplication::translate("WorksheetCatalogue",
                                             "The wizard now holds the last %1: complete the "
                                             "worksheet, give it a title and save it.")
                     .arg(importer::questions(int(outcome.leftOver.size())));
    ctx.platform.boxes.ok(this, lines.join(QLatin1Char('\n')));
    if (!toWizard)
        return;
    questionfile::Worksheet sheet;
    for (int q = 0; q < int(outcome.leftOver.size()); ++q)
        sheet.questions[q] = outcome.leftOver[q];
    WorksheetWizard *w = ctx.screens.get<WorksheetWizard>();
    w->setWorksheet(sheet, false);
    w->showScreen();
}

bool WorksheetCatalogue::loadWorksheet(const QString &name)
{
    // A name that would lead out of the worksheet folder has no path, so it cannot be opened.
    const QString path = ctx.platform.paths.path(questionfile::fileName(name));
    QFile file(path);
    const bool loaded = !path.isEmpty() && file.open(QIODevice::ReadOnly) &&
                        questionfile::LoadQuestionFile(&file, ctx.state.quiz).ok();
    file.close();
    if (!loaded)
        corrupted();
    return loaded;
}

void WorksheetCatalogue::corrupted()
{
    ctx.platform.boxes.ok(this, QCoreApplication::translate(
                                    "WorksheetCatalogue", "This worksheet seems to be corrupted."));
}

void WorksheetCatalogue::editInWizard()
{
    WorksheetWizard *w = ctx.screens.get<WorksheetWizard>();
    // A wizard already open keeps nothing of the worksheet it held before.
    w->setWorksheet(ctx.state.quiz);
    w->showScreen();
}

void WorksheetCatalogue::deleteWorksheet(const QString &name)
{
    AppState &s = ctx.state;
    if (!ctx.platform.boxes.okCancel(
            this,
            QCoreApplication::translate("WorksheetCatalogue",
                                        "Are you sure that you want to delete the worksheet %1?")
                .arg(name)))
        return;
    s.chosenWorksheet = name;
    const catalogue::Change change = catalogue::remove(
        ctx.platform.paths.path(contentnames::Catalogue), name, s, waitingFor(this));
    if (!change.ok()) {
        const core::Result writable =
            catalogue::checkFolderWritable(ctx.platform.paths.path(contentnames::Catalogue));
        if (writable)
            corrupted();
        else
            ctx.platform.boxes.ok(this, writable.error);
        return;
    }
    // The page stays where it was unless it has no titles left; its buttons follow the new count.
    if (s.cataloguePage > lastPage())
        s.cataloguePage = static_cast<qint16>(lastPage());
    drawPage();
}

void WorksheetCatalogue::runWorksheet()
{
    pupils::askOnce(ctx, this);
    // A quiz still open from before would keep its old questions: the worksheet starts afresh.
    ctx.screens.unload<QuizScreen>();
    QuizScreen *quiz = ctx.screens.get<QuizScreen>();
    // Touching the menu loads it, hidden, if it is not loaded.
    const MainMenu *menu = ctx.screens.get<MainMenu>();
    quiz->open(menu->picture(), menu->title());
}
