// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QStringList>

#include <deque>

// Recording stand-ins for the platform seam, for tests that drive screens without a sound card,
// a printer or a person to answer message boxes.

class RecordingSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &contentPath) override { played.append(contentPath); }
    QStringList played;
};

// A voice that records what it was asked to say, each text in order, and "(stop)" where it was
// told to stop.
class RecordingSpeech : public Speech
{
public:
    QString unavailable() override { return reason; }
    void say(const QStringList &texts) override;
    void stop() override { said.append(QStringLiteral("(stop)")); }
    QString reason; // empty: the voice can speak
    QStringList said;
};

class ScriptedMessageBoxes : public MessageBoxes
{
public:
    void ok(QWidget *parent, const QString &text) override;
    bool okCancel(QWidget *parent, const QString &text) override;

    QString saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                     const QString &filter) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &filter) override;
    QString whoIsPlaying(QWidget *parent, const QStringList &offered) override;

    QStringList shown;                // every message, in order
    std::deque<bool> okCancelReplies; // answers to okCancel, true (OK) once exhausted
    // File dialogs, as "caption|suggested path|filter" (no suggestion for an open dialog).
    QStringList dialogs;
    std::deque<QString> fileReplies; // the files chosen; cancelled once exhausted
    std::deque<QString> names;       // names given to "Who is playing?"; skipped once exhausted
    QList<QStringList> namesOffered; // what each "Who is playing?" offered
};

class RecordingContentPaths : public ContentPaths
{
public:
    explicit RecordingContentPaths(const QString &root) : m_root(root) {}
    QString path(const QString &contentName) const override;
    mutable QStringList requested;

private:
    QString m_root;
};

// A printer with a fixed page that records the jobs it prints. Text is measured as 100 twips a
// character at 10 pt, in proportion to the size.
class RecordingPrinter : public Printer
{
public:
    int scaleWidth() const override { return width; }
    int scaleHeight() const override { return height; }
    int textWidth(const QString &fontName, double points, const QString &text) const override;

    bool play(const PrintJob &job, const ContentPaths &paths) override;
    bool hasDefaultPrinter() const override { return hasPrinter; }
    void setPdfFile(const QString &file) override { pdfFile = file; }

    bool hasPrinter = true;
    bool paperFails = false; // the printer refuses every job on paper; PDF files are still written
    QString pdfFile;         // where documents go now; empty: the default printer
    QStringList pdfFiles;    // the PDF file of each job printed into one, in order (a whole but
                             // empty PDF is written there)
    int width = 11000;
    int height = 15500;
    QList<PrintJob> printed; // every job printed, on paper or into a PDF file, in order
};

// A display server that keeps frames and fills backgrounds, and records what it was asked.
class RecordingWindowSystem : public WindowSystem
{
public:
    void flush() override { ++flushes; }
    bool fillsBackgrounds() const override { return fills; }
    void fillBackground(WId window, const QColor &colour) override;
    std::unique_ptr<ServerFrames> serverFrames(WId window) override;

    bool fills = false; // offscreen screens paint their own backgrounds by default
    bool keepsFrames = false;
    int flushes = 0;
    QList<QColor> backgrounds; // each colour the server was asked to fill with
    QStringList frames;        // "keep <index>" and "show <index>", in order
};
