// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared harness for screen tests: the real screens on the offscreen platform, with recording
// doubles for sound, message boxes and printer, and a private copy of the run folder.

#include "appcontext.h"
#include "controls.h"
#include "fonts.h"
#include "testdoubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class Harness
{
public:
    // The run folder's content folders are linked into a temporary folder; "multiple" is copied
    // so tests may change it.
    Harness() : paths(root.path())
    {
        fonts::registerDesignFaces();
        const QDir run(QStringLiteral(QUORVEL_RUN_DIR));
        QDir dir(root.path());
        for (const QString &folder : run.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (folder == QLatin1String("multiple")) {
                dir.mkdir(folder);
                const QDir source(run.filePath(folder));
                for (const QString &f : source.entryList(QDir::Files))
                    QFile::copy(source.filePath(f), dir.filePath(folder + QLatin1Char('/') + f));
            } else {
                QFile::link(run.filePath(folder), dir.filePath(folder));
            }
        }
        ctx = std::make_unique<AppContext>(Platform{sound, boxes, printer, paths, windows, speech});
        ctx->onEnd = [this] { ++ended; };
    }

    QString file(const QString &relative) const { return root.filePath(relative); }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QDir(root.path()).mkpath(QFileInfo(file(relative)).absolutePath());
        QFile f(file(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void removeFolder(const QString &relative) { QFile::remove(file(relative)); }

    QTemporaryDir root;
    RecordingSoundPlayer sound;
    ScriptedMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingContentPaths paths;
    RecordingWindowSystem windows;
    RecordingSpeech speech;
    std::unique_ptr<AppContext> ctx;
    int ended = 0;
};

// Lets deleteLater() and zero-length timers run.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
