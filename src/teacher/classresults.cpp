// SPDX-License-Identifier: GPL-3.0-or-later
#include "classresults.h"

#include "appcontext.h"
#include "contentnames.h"
#include "controlnames.h"
#include "counted.h"
#include "fonts.h"
#include "labelbutton.h"
#include "standardlook.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace
{

const QColor Yellow(255, 255, 0);

QString score(int score, int outOf)
{
    return QStringLiteral("%1/%2").arg(score).arg(outOf);
}

// "1 result", "2 results".
QString results(int count)
{
    return counted("ClassResults", QT_TRANSLATE_NOOP("ClassResults", "1 result"),
                   QT_TRANSLATE_N_NOOP("ClassResults", "%n results"), count);
}

// The kind of activity in the program's language; the journal keeps the English word.
QString activityName(const QString &kind)
{
    static const char *const Kinds[] = {QT_TRANSLATE_NOOP("ClassResults", "Quiz"),
                                        QT_TRANSLATE_NOOP("ClassResults", "Worksheet"),
                                        QT_TRANSLATE_NOOP("ClassResults", "Labelling"),
                                        QT_TRANSLATE_NOOP("ClassResults", "Ordering")};
    for (const char *k : Kinds) {
        if (kind == QLatin1String(k))
            return QCoreApplication::translate("ClassResults", k);
    }
    return kind;
}

QTableWidgetItem *item(const QString &text)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

QDateEdit *dateBox(QWidget *parent, const QRect &r, const QString &name)
{
    auto *box = new QDateEdit(parent);
    box->setGeometry(twips::rect(r));
    box->setFont(fonts::tahoma(9.75, true));
    box->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    box->setCalendarPopup(true);
    box->setAccessibleName(name);
    return box;
}

QTableWidget *table(QWidget *parent, const QRect &r, const QString &name)
{
    auto *t = new QTableWidget(parent);
    t->setGeometry(twips::rect(r));
    t->setFont(fonts::tahoma(9.75));
    t->setAccessibleName(name);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return t;
}

} // namespace

ClassResults::ClassResults(AppContext &context) : Screen(context)
{
    titleText = addLabel(QCoreApplication::translate("ClassResults", "Class Results"),
                         {0, 0, 12000, 780}, fonts::tahoma(24, true), Yellow);
    addLabel(QCoreApplication::translate("ClassResults", "From"), {120, 870, 735, 315},
             fonts::tahoma(9.75, true), Yellow, Qt::AlignRight | Qt::AlignVCenter);
    fromDate = dateBox(this, {960, 840, 1935, 375},
                       QCoreApplication::translate("ClassResults", "Results from"));
    addLabel(QCoreApplication::translate("ClassResults", "to"), {3000, 870, 375, 315},
             fonts::tahoma(9.75, true), Yellow, Qt::AlignRight | Qt::AlignVCenter);
    toDate = dateBox(this, {3480, 840, 1935, 375},
                     QCoreApplication::translate("ClassResults", "Results to"));
    legend = addLabel(QCoreApplication::translate(
                          "ClassResults", "Each square: best · latest score · tries. Pick a pupil "
                                          "to see every attempt."),
                      {5520, 780, 6360, 495}, fonts::tahoma(9.75), Yellow,
                      Qt::AlignLeft | Qt::AlignVCenter);
    pupilTable = table(this, {120, 1320, 11760, 3840},
                       QCoreApplication::translate("ClassResults", "Results of each pupil"));
    attemptTable = table(this, {120, 5280, 11760, 2520},
                         QCoreApplication::translate("ClassResults", "Attempts of the pupil"));
    attemptTable->setColumnCount(6);
    attemptTable->setHorizontalHeaderLabels(
        {QCoreApplication::translate("ClassResults", "Started"),
         QCoreApplication::translate("ClassResults", "Finished"),
         QCoreApplication::translate("ClassResults", "Topic or worksheet"),
         QCoreApplication::translate("ClassResults", "Activity"),
         QCoreApplication::translate("ClassResults", "Score"),
         QCoreApplication::translate("ClassResults", "Questions answered wrongly")});
    attemptTable->verticalHeader()->hide();
    attemptTable->horizontalHeader()->setStretchLastSection(true);
    status = addLabel(QString(), {120, 8520, 11760, 375}, fonts::tahoma(9.75), Yellow,
                      Qt::AlignLeft | Qt::AlignVCenter);

    addButtons(
        buttons,
        {{Export, QT_TRANSLATE_NOOP("Buttons", "Export"), {120, 7920, 2535, 495}},
         {DeletePupil, QT_TRANSLATE_NOOP("Buttons", "Delete Pupil"), {2880, 7920, 2535, 495}},
         {Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10560, 7920, 1245, 495}}},
        [this](int i) { buttonClicked(i); }, &hover);
    setExitButton(buttons[Exit]);

    connect(fromDate, &QDateEdit::dateChanged, this, [this] { fill(); });
    connect(toDate, &QDateEdit::dateChanged, this, [this] { fill(); });
    connect(pupilTable, &QTableWidget::currentCellChanged, this,
            [this](int row) { showPupil(row); });
    connect(pupilTable->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
        pupilTable->setCurrentCell(row, 0);
        showPupil(row);
    });

    controlnames::name({{titleText, "titleText"},
                        {fromDate, "fromDate"},
                        {toDate, "toDate"},
                        {pupilTable, "pupilTable"},
                        {attemptTable, "attemptTable"},
                        {legend, "legend"},
                        {status, "status"}});
    controlnames::nameArray(buttons, "buttons");
}

void ClassResults::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Class Results"));
    applyStandardLook(this);
    reload();
}

void ClassResults::reload()
{
    const journal::Read read =
        journal::readFolder(ctx.platform.paths.path(contentnames::ResultsFolder));
    m_records = read.records;
    m_skipped = read.skipped;
    m_readError = read.error;
    const QDate today = QDate::currentDate();
    const QDate first = m_records.isEmpty() ? today : m_records.first().finished.date();
    const QSignalBlocker blockFrom(fromDate);
    const QSignalBlocker blockTo(toDate);
    fromDate->setDate(qMin(first, today));
    toDate->setDate(today);
    fill();
}

void ClassResults::fill()
{
    m_shown = journal::filter(m_records, fromDate->date(), toDate->date());
    m_table = journal::summarize(m_shown);
    pupilTable->setUpdatesEnabled(false);
    pupilTable->clear();
    pupilTable->setRowCount(int(m_table.pupils.size()));
    pupilTable->setColumnCount(int(m_table.columns.size()));
    QStringList headers;
    for (const auto &column : m_table.columns)
        headers << column.first + QLatin1Char('\n') + activityName(column.second);
    pupilTable->setHorizontalHeaderLabels(headers);
    pupilTable->setVerticalHeaderLabels(m_table.pupils);
    for (auto cell = m_table.cells.cbegin(); cell != m_table.cells.cend(); ++cell) {
        const journal::Cell &c = cell.value();
        pupilTable->setItem(
            cell.key().first, cell.key().second,
            item(QStringLiteral("%1 · %2 · %3")
                     .arg(score(c.best, c.bestOutOf), score(c.latest, c.latestOutOf))
                     .arg(c.tries)));
    }
    pupilTable->resizeColumnsToContents();
    pupilTable->setUpdatesEnabled(true);
    QString line = QCoreApplication::translate("ClassResults", "%1 of %2 from %3 to %4.")
                       .arg(results(int(m_shown.size())),
                            counted("ClassResults", QT_TRANSLATE_NOOP("ClassResults", "1 pupil"),
                                    QT_TRANSLATE_N_NOOP("ClassResults", "%n pupils"),
                                    int(m_table.pupils.size())),
                            QLocale().toString(fromDate->date(), QLocale::ShortFormat),
                            QLocale().toString(toDate->date(), QLocale::ShortFormat));
    if (m_skipped > 0)
        line +=
            QLatin1Char(' ') +
            counted(
                "ClassResults",
                QT_TRANSLATE_NOOP("ClassResults", "1 unfinished or damaged line was skipped."),
                QT_TRANSLATE_N_NOOP("ClassResults", "%n unfinished or damaged lines were skipped."),
                m_skipped);
    if (!m_readError.isEmpty())
        line += QLatin1Char(' ') + m_readError;
    status->setText(line);
    showPupil(-1);
}

void ClassResults::showPupil(int row)
{
    const QString pupil = m_table.pupils.value(row);
    attemptTable->setRowCount(0);
    attemptTable->setAccessibleName(
        pupil.isEmpty() ? QCoreApplication::translate("ClassResults", "Attempts of the pupil")
                        : QCoreApplication::translate("ClassResults", "Attempts of %1").arg(pupil));
    if (pupil.isEmpty())
        return;
    const QVector<journal::Record> attempts = journal::filter(m_shown, {}, {}, pupil);
    attemptTable->setRowCount(int(attempts.size()));
    for (int i = 0; i < attempts.size(); ++i) {
        const journal::Record &r = attempts[i];
        QStringList wrong;
        for (int n : r.wrong)
            wrong << QString::number(n);
        const QStringList texts = {QLocale().toString(r.started, QLocale::ShortFormat),
                                   QLocale().toString(r.finished, QLocale::ShortFormat),
                                   r.topic,
                                   activityName(r.activity),
                                   score(r.score, r.outOf),
                                   wrong.join(QStringLiteral(", "))};
        for (int c = 0; c < texts.size(); ++c)
            attemptTable->setItem(i, c, item(texts[c]));
    }
    attemptTable->resizeColumnsToContents();
}

void ClassResults::exportResults()
{
    const QString typed = ctx.platform.boxes.saveFile(
        this, QCoreApplication::translate("ClassResults", "Export Results"),
        QDir(documentsFolder())
            .filePath(QCoreApplication::translate("ClassResults", "Class results.csv")),
        QCoreApplication::translate("ClassResults", "CSV files (*.csv)"));
    if (typed.isEmpty())
        return;
    const QString file = fileToWrite(ctx.platform.boxes, this, typed, {QStringLiteral(".csv")});
    if (file.isEmpty())
        return;
    const savefile::Result saved = savefile::replace(
        file, [this](QIODevice *device) { return journal::writeCsv(device, m_shown); });
    ctx.platform.boxes.ok(
        this,
        saved ? counted("ClassResults",
                        QT_TRANSLATE_NOOP("ClassResults", "1 result has been exported to %1."),
                        QT_TRANSLATE_N_NOOP("ClassResults", "%n results have been exported to %1."),
                        int(m_shown.size()))
                    .arg(QDir::toNativeSeparators(file))
              : QCoreApplication::translate("ClassResults",
                                            "The results could not be exported to %1. %2")
                    .arg(QDir::toNativeSeparators(file), saved.error));
}

void ClassResults::deletePupil()
{
    const QString pupil = m_table.pupils.value(pupilTable->currentRow());
    if (pupil.isEmpty()) {
        ctx.platform.boxes.ok(this, QCoreApplication::translate(
                                        "ClassResults", "Pick the pupil whose results are to be "
                                                        "deleted in the table first."));
        return;
    }
    if (!ctx.platform.boxes.okCancel(
            this,
            QCoreApplication::translate(
                "ClassResults", "Are you sure that you want to delete every result of %1, from "
                                "every date? This cannot be undone.")
                .arg(pupil)))
        return;
    int removed = 0;
    const savefile::Result done =
        journal::removePupil(ctx.platform.paths.path(contentnames::ResultsFolder), pupil, &removed);
    reload();
    ctx.platform.boxes.ok(
        this,
        done ? counted("ClassResults",
                       QT_TRANSLATE_NOOP("ClassResults", "1 result of %1 has been deleted."),
                       QT_TRANSLATE_N_NOOP("ClassResults", "%n results of %1 have been deleted."),
                       removed)
                   .arg(pupil)
             : QCoreApplication::translate("ClassResults",
                                           "Not every result of %1 could be deleted. %2")
                   .arg(pupil, done.error));
}

void ClassResults::buttonClicked(int Index)
{
    ctx.playSound(contentnames::ClickSound);
    switch (Index) {
    case Export:
        exportResults();
        break;
    case DeletePupil:
        deletePupil();
        break;
    case Exit:
        ctx.screens.unload(this);
        break;
    default:
        break;
    }
}
