// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "settings.h"
#include "titlescreen.h"
#include "worksheetcatalogue.h"

#include <QLocale>
#include <QTimer>

Application::Application(const QString &runFolder, const QString &classFolder)
    : m_classFolder(classfolder::choose(classFolder, runFolder)),
      m_paths(runFolder, m_classFolder.folder), m_devices(runFolder, m_paths), m_sound(m_devices),
      m_printer(m_devices), m_speech(m_devices)
{
    // The content of the language installed before the program started (pages, quizzes, labels),
    // English where it has none.
    m_paths.setLanguage(QLocale().name());
    m_ctx = std::make_unique<AppContext>(
        Platform{m_sound, m_boxes, m_printer, m_paths, m_windows, m_speech});
    m_ctx->readAloud.setOn(settings::flag(QStringLiteral("ReadAloud")));
}

Application::~Application() = default;

void Application::start(const QString &fileToImport)
{
    QWidget *first = nullptr;
    if (fileToImport.isEmpty()) {
        first = m_ctx->screens.show<TitleScreen>();
    } else {
        WorksheetCatalogue *catalogue = m_ctx->screens.get<WorksheetCatalogue>();
        catalogue->showScreen();
        catalogue->importFile(fileToImport);
        first = catalogue;
    }
    // A class folder named but not usable is said once, over the first screen, once it is drawn.
    if (!m_classFolder.problem.isEmpty()) {
        QTimer::singleShot(
            0, first, [this, first] { m_ctx->platform.boxes.ok(first, m_classFolder.problem); });
    }
}
