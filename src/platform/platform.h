// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printjob.h"
#include "savefile.h"
#include "windowsystem.h"

#include <QCache>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// How much of decoded pictures and drawn pages each of their caches keeps, in KiB: 24 MiB up to a
// device pixel ratio of 2, growing with the ratio beyond it (43 MiB full screen on a 4K board),
// enough for the pictures and the two pages a hub or the menu makes ready at that size.
int keptPixelsBudgetKiB();

// The seam between the screens and the machine. Screens reach sound, message boxes, the printer
// and the content folders only through these interfaces; tests replace each with a recording
// double.

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a content file such as "wav\click.wav" and returns at once. A missing or
    // undecodable file plays nothing; nothing is reported.
    virtual void play(const QString &contentPath) = 0;
    // Makes ready to play a content file without delay later; by default nothing.
    virtual void prepare(const QString &contentPath) { Q_UNUSED(contentPath); }
};

// The voice that reads the program's texts aloud. It speaks on its own, beside the sound effects,
// and never waits for them.
class Speech
{
public:
    virtual ~Speech() = default;
    // Empty when the voice can speak; otherwise why it cannot, in a sentence for the user.
    virtual QString unavailable() = 0;
    // Stops whatever is being said and says these texts, one after the other; returns at once.
    virtual void say(const QStringList &texts) = 0;
    // Stops speaking and forgets whatever was still to be said.
    virtual void stop() = 0;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button only.
    virtual void ok(QWidget *parent, const QString &text) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool okCancel(QWidget *parent, const QString &text) = 0;
    // File dialogs: the file chosen, or an empty string when the user cancels. filter names the
    // kinds of file offered, as "PDF files (*.pdf)"; suggested is a full path.
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                             const QString &filter) = 0;
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // "Who is playing?": a first name typed (at most 30 characters) or picked from offered; an
    // empty string when the pupil skips (plays as a guest).
    virtual QString whoIsPlaying(QWidget *parent, const QStringList &offered) = 0;
};

class ContentPaths
{
public:
    virtual ~ContentPaths() = default;
    // The path on disk of a content name such as "Images\lightning2sm.jpg" (any letter case,
    // either separator), or an empty string for a name that would leave the program's folder.
    virtual QString path(const QString &contentName) const = 0;
    // The picture in a content file; a null image when it is missing or cannot be read.
    QImage picture(const QString &contentName) const;
    // The same picture at a size in device pixels, ready to be drawn without further work:
    // decoded straight at that size where the format allows, in a screen format, and kept, so a
    // later request for the same file at the same size is answered without reading or decoding.
    // Content files do not change while the program runs.
    QImage picture(const QString &contentName, const QSize &pixels) const;

private:
    mutable QCache<QString, QImage> m_pictures{24 * 1024}; // cost: KiB of pixels
};

// The printer: the system's default printer, or a PDF file. Layouts measure with its metrics
// (PrinterMetrics), then it prints each laid-out job whole, as one document.
class Printer : public PrinterMetrics
{
public:
    // Prints job as one document, reading its pictures through paths. False when the document
    // was not printed: no printer, a printer that refuses the job, a PDF file that cannot be
    // written.
    virtual bool play(const PrintJob &job, const ContentPaths &paths) = 0;
    // Whether there is a default printer to print on.
    virtual bool hasDefaultPrinter() const = 0;
    // Documents started from now on go into this PDF file, drawn exactly as on paper; an empty
    // name sends them to the default printer again.
    virtual void setPdfFile(const QString &file) = 0;
};

// The image in the format the screen draws fastest: premultiplied ARGB when it has an alpha
// channel, RGB32 otherwise.
QImage screenFormat(const QImage &image);

struct Platform {
    SoundPlayer &sound;
    MessageBoxes &boxes;
    Printer &printer;
    ContentPaths &paths;
    WindowSystem &windows;
    Speech &speech;
};

// Where files the user saves or opens are looked for first: the documents folder, or the home
// folder when there is none.
QString documentsFolder();

// Plays a job into the PDF file at pdfFile, all or nothing: into a temporary file beside it that
// must end as a whole PDF before it takes pdfFile's place (as savefile::replace does). A file
// that was there stays as it was when anything fails.
savefile::Result playIntoPdf(const PrintJob &job, Printer &printer, const ContentPaths &paths,
                             const QString &pdfFile);

// The file a name typed in a save dialog really writes: the name with extension added unless it
// already ends in one of extensions (".pdf"; any letter case). When the dialog was answered with a
// name that did not exist but the file it really writes does, asks before replacing it: an empty
// string when the user would rather not.
QString fileToWrite(MessageBoxes &boxes, QWidget *parent, const QString &typed,
                    const QStringList &extensions);

struct PrintOutcome {
    enum Kind { Printed, SavedAsPdf, Failed, Cancelled };
    Kind kind = Failed;
    QString pdfFile; // for SavedAsPdf, and for Failed when saving it failed
    QString error;   // for Failed with a pdfFile: why it was not saved
};

// Plays a job on the default printer. When there is no default printer, or printing fails, it
// offers to save the same job as a PDF file instead, through a file dialog whose title says why,
// suggesting pdfName (a file name without folder) in the user's documents folder.
PrintOutcome printOrSavePdf(const Platform &platform, QWidget *parent, const PrintJob &job,
                            const QString &pdfName);

// printOrSavePdf, then tells the user: printed (the message given, none when it is empty),
// saved ("Your <what> has been saved as <file>."), "Your <what> could not be saved as <file>."
// and why when the PDF file could not be written, or "There was a problem printing to your
// printer." when nothing was printed or saved (the dialog cancelled included).
void printAndReport(const Platform &platform, QWidget *parent, const PrintJob &job,
                    const QString &pdfName, const QString &printedMessage, const QString &what);
