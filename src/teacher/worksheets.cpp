// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "displayscale.h"
#include "exchange.h"
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
#include "standardlook.h"
#include "twips.h"
#include "waitnotice.h"
#include "wizard.h"

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

worksheets::worksheets(AppContext &context) : Screen(context)
{
    Label1 = addLabel(QCoreApplication::translate("WorksheetCatalogue", "Worksheets Catalogue"),
                      {0, 0, 12000, 780}, fonts::tahoma(24, true), Yellow);

    const auto checkBox = [this](const QString &caption, const QRect &r, const QColor &text) {
        auto *box = new QCheckBox(caption, this);
        box->setGeometry(twips::rect(r));
        box->setFont(fonts::tahoma(12, true));
        box->setAutoFillBackground(true);
        box->setStyleSheet(QStringLiteral("QCheckBox { color: %1; }").arg(text.name()));
        return box;
    };
    Check1 = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Edit Worksheet"),
                      {120, 120, 2535, 375}, Yellow);
    Check2 = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Delete Worksheet"),
                      {9240, 120, 2535, 375}, QColor(255, 0, 0));
    Check3 = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Export Worksheet"),
                      {120, 8520, 2535, 375}, Yellow);
    Check4 = checkBox(QCoreApplication::translate("WorksheetCatalogue", "Print Answer Key"),
                      {2880, 8520, 2535, 375}, Yellow);
    connect(Check1, &QCheckBox::clicked, this, &worksheets::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &worksheets::Check2_Click);
    for (QCheckBox *box : {Check3, Check4})
        connect(box, &QCheckBox::clicked, this, [this, box] { untickOthers(box); });
    fullScreenChoice = checkBox(QStringLiteral("Full Screen"), {5580, 8520, 1740, 375}, Yellow);
    fullScreenChoice->setFont(fonts::tahoma(9.75, true));
    connect(fullScreenChoice, &QCheckBox::clicked, this, &displayscale::setFullScreen);
    highContrastChoice = checkBox(QStringLiteral("High Contrast"), {7440, 8520, 1740, 375}, Yellow);
    highContrastChoice->setFont(fonts::tahoma(9.75, true));
    connect(highContrastChoice, &QCheckBox::clicked, this, &highcontrast::setOn);

    Label5 = new LabelButton(QCoreApplication::translate("WorksheetCatalogue", "Import Worksheets"),
                             {9240, 8520, 2535, 375}, fonts::tahoma(12, true), this);
    connect(Label5, &LabelButton::clicked, this, &worksheets::Label5_Click);
    hover.add(Label5);

    Label2[Exit] = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                                   {10560, 7920, 1245, 495}, fonts::tahoma(18, true), this);
    setExitButton(Label2[Exit]);
    for (int k = 1; k <= Slots; ++k) {
        const int column = (k - 1) / SlotsPerColumn;
        const int row = (k - 1) % SlotsPerColumn;
        Label2[k] = new LabelButton(QString(), {120 + 6000 * column, 720 + 600 * row, 5715, 375},
                                    fonts::tahoma(12, true), this);
    }
    for (int i = 0; i <= Slots; ++i) {
        connect(Label2[i], &LabelButton::clicked, this, [this, i] { Label2_Click(i); });
        hover.add(Label2[i]);
    }

    addButtons(
        Label3,
        {{PreviousPage, QT_TRANSLATE_NOOP("Buttons", "<< Previous Page"), {2640, 7920, 3195, 495}},
         {NextPage, QT_TRANSLATE_NOOP("Buttons", "Next Page >>"), {6000, 7920, 3195, 495}}},
        [this](int i) { Label3_Click(i); });
    for (LabelButton *button : Label3)
        button->hide();

    Label4 = new QLabel(QCoreApplication::translate("WorksheetCatalogue", "Page %1").arg(1), this);
    Label4->setTextFormat(Qt::PlainText);
    Label4->setGeometry(twips::rect(120, 7920, 1995, 495));
    Label4->setFont(fonts::tahoma(15.75, true));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label4->setAutoFillBackground(true);
    QPalette pal = Label4->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    pal.setColor(QPalette::Window, Qt::white);
    Label4->setPalette(pal);

    importList = new ImportList(this);
    connect(importList, &ImportList::importClicked, this, &worksheets::importChosen);
    connect(importList, &ImportList::cancelClicked, importList, &QWidget::hide);
}

void worksheets::Form_Load()
{
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

    Check1->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    Check2->setStyleSheet(tickBoxStyle(QColor(255, 0, 0), FormBack));
    Check3->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    Check4->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    for (QCheckBox *box : {fullScreenChoice, highContrastChoice})
        box->setStyleSheet(tickBoxStyle(Yellow, FormBack));
    s.CataloguePage = 0;
    for (int i = 1; i <= Slots; ++i) {
        Label2[i]->hide();
        Label2[i]->setFont(fonts::tahoma(12, true));
    }
    int n = s.WorksheetCount;
    if (n > Slots) {
        n = Slots;
        Label3[NextPage]->show();
    }
    for (int i = 1; i <= n; ++i) {
        Label2[i]->setText(s.WorksheetNames[i]);
        Label2[i]->show();
    }
}

int worksheets::lastPage() const
{
    const int count = qBound(0, int(ctx.state.WorksheetCount), int(AppState::MaxWorksheets));
    return count == 0 ? 0 : (count - 1) / Slots;
}

void worksheets::workpage()
{
    const AppState &s = ctx.state;
    for (int i = 1; i <= Slots; ++i) {
        Label2[i]->setText(QString());
        Label2[i]->hide();
    }
    Label3[PreviousPage]->show();
    Label3[NextPage]->show();
    if (s.CataloguePage == 0)
        Label3[PreviousPage]->hide();
    Label4->setText(
        QCoreApplication::translate("WorksheetCatalogue", "Page %1").arg(s.CataloguePage + 1));

    const int count = qBound(0, int(s.WorksheetCount), int(AppState::MaxWorksheets));
    const int base = Slots * s.CataloguePage;
    int last = base + Slots;
    if (count < base + Slots + 1) {
        last = count;
        Label3[NextPage]->hide();
    }
    for (int i = base + 1; i <= last; ++i) {
        Label2[i - base]->setText(s.WorksheetNames[i]);
        Label2[i - base]->show();
    }
}

void worksheets::Label3_Click(int Index)
{
    AppState &s = ctx.state;
    switch (Index) {
    case PreviousPage:
        if (s.CataloguePage <= 0)
            return;
        --s.CataloguePage;
        break;
    case NextPage:
        if (s.CataloguePage >= lastPage())
            return;
        ++s.CataloguePage;
        break;
    default:
        return;
    }
    workpage();
    ctx.playSound(contentnames::ClickSound);
}

void worksheets::Check1_Click()
{
    untickOthers(Check1);
}

void worksheets::Check2_Click()
{
    untickOthers(Check2);
}

void worksheets::untickOthers(QCheckBox *ticked)
{
    if (!ticked->isChecked())
        return;
    for (QCheckBox *box : {Check1, Check2, Check3, Check4}) {
        if (box != ticked)
            box->setChecked(false);
    }
}

void worksheets::warmNext()
{
    ctx.screens.build<MainMenu>();
}

void worksheets::Label2_Click(int Index)
{
    if (Index < 0 || Index > Slots)
        return;
    ctx.playSound(contentnames::ClickSound);
    if (Index == Exit) {
        ctx.screens.show<MainMenu>();
        ctx.screens.unload(this);
        return;
    }

    const QString name = Label2[Index]->text();
    // Deleting only takes the title off the catalogue, so it does not need the worksheet to be
    // readable: a broken or missing worksheet can always be removed.
    if (Check2->isChecked()) {
        deleteWorksheet(name);
        return;
    }
    if (!loadWorksheet(name))
        return;
    if (Check1->isChecked())
        editworksheet();
    else if (Check3->isChecked())
        exportWorksheet(name);
    else if (Check4->isChecked())
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

void worksheets::exportWorksheet(const QString &name)
{
    QString file = ctx.platform.boxes.saveFile(
        this, QCoreApplication::translate("WorksheetCatalogue", "Export Worksheet"),
        QDir(documentsFolder()).filePath(name + QStringLiteral(".gift")),
        QCoreApplication::translate("WorksheetCatalogue",
                                    "GIFT files (*.gift);;Aiken files (*.txt)"));
    if (file.isEmpty())
        return;
    exchange::Format format;
    if (!exchange::formatForFileName(file, &format)) {
        file = fileToWrite(ctx.platform.boxes, this, file, {QStringLiteral(".gift")});
        if (file.isEmpty())
            return;
        format = exchange::Format::Gift;
    }
    exchange::WriteResult written;
    const savefile::Result saved = savefile::replace(file, [&](QIODevice *device) {
        written = exchange::write(device, format, ctx.state);
        return written.ok;
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

void worksheets::printAnswerKey()
{
    const AppState &s = ctx.state;
    const PrintJob job =
        printlayouts::answerKey(ctx.platform.printer, printlayouts::WorksheetTopic, s.QuizTitle, s);
    printAndReport(
        ctx.platform, this, job,
        QCoreApplication::translate("WorksheetCatalogue", "%1 answers.pdf").arg(s.QuizTitle),
        QCoreApplication::translate("WorksheetCatalogue", "The answer key is now printing."),
        QStringLiteral("answer key"));
}

void worksheets::Label5_Click()
{
    ctx.playSound(contentnames::ClickSound);
    const QString file = ctx.platform.boxes.openFile(
        this, QCoreApplication::translate("WorksheetCatalogue", "Import Worksheets"),
        QCoreApplication::translate("WorksheetCatalogue",
                                    "GIFT or Aiken files (*.gift *.txt);;All files (*)"));
    if (!file.isEmpty())
        importFile(file);
}

void worksheets::importFile(const QString &file)
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

void worksheets::importChosen()
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
        workpage(); // the new titles are at the end of the catalogue
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
    wizard *w = ctx.screens.get<wizard>();
    w->setWorksheet(sheet, false);
    w->showScreen();
}

bool worksheets::loadWorksheet(const QString &name)
{
    // A name that would lead out of the worksheet folder has no path, so it cannot be opened.
    const QString path = ctx.platform.paths.path(questionfile::fileName(name));
    QFile file(path);
    const bool loaded = !path.isEmpty() && file.open(QIODevice::ReadOnly) &&
                        questionfile::LoadQuestionFile(&file, ctx.state).ok;
    file.close();
    if (!loaded)
        corrupted();
    return loaded;
}

void worksheets::corrupted()
{
    ctx.platform.boxes.ok(this, QCoreApplication::translate(
                                    "WorksheetCatalogue", "This worksheet seems to be corrupted."));
}

void worksheets::editworksheet()
{
    wizard *w = ctx.screens.get<wizard>();
    // A wizard already open keeps nothing of the worksheet it held before.
    w->setWorksheet(questionfile::fromBank(ctx.state));
    w->showScreen();
}

void worksheets::deleteWorksheet(const QString &name)
{
    AppState &s = ctx.state;
    if (!ctx.platform.boxes.okCancel(
            this,
            QCoreApplication::translate("WorksheetCatalogue",
                                        "Are you sure that you want to delete the worksheet %1?")
                .arg(name)))
        return;
    s.ChosenWorksheet = name;
    const catalogue::Change change = catalogue::remove(
        ctx.platform.paths.path(contentnames::Catalogue), name, s, waitingFor(this));
    if (!change.ok) {
        const QString why =
            catalogue::readOnlyFolder(ctx.platform.paths.path(contentnames::Catalogue));
        if (why.isEmpty())
            corrupted();
        else
            ctx.platform.boxes.ok(this, why);
        return;
    }
    // The page stays where it was unless it has no titles left; its buttons follow the new count.
    if (s.CataloguePage > lastPage())
        s.CataloguePage = static_cast<qint16>(lastPage());
    workpage();
}

void worksheets::runWorksheet()
{
    pupils::askOnce(ctx, this);
    // A quiz still open from before would keep its old questions: the worksheet starts afresh.
    ctx.screens.unload<QuizScreen>();
    QuizScreen *quiz = ctx.screens.get<QuizScreen>();
    // Touching the menu loads it, hidden, if it is not loaded.
    const MainMenu *menu = ctx.screens.get<MainMenu>();
    quiz->open(menu->picture(), menu->title());
}
