// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "settings.h"
#include "titlefrm.h"
#include "worksheets.h"

Application::Application(const QString &runFolder)
    : m_paths(runFolder, RunFolderPaths::worksheetFolderFor(runFolder)),
      m_devices(runFolder, m_paths), m_sound(m_devices), m_printer(m_devices), m_speech(m_devices)
{
    m_ctx = std::make_unique<AppContext>(
        Platform{m_sound, m_boxes, m_printer, m_paths, m_windows, m_speech});
    m_ctx->readAloud.setOn(settings::flag(QStringLiteral("ReadAloud")));
}

Application::~Application() = default;

void Application::start(const QString &fileToImport)
{
    if (fileToImport.isEmpty()) {
        m_ctx->screens.show<Titlefrm>();
        return;
    }
    worksheets *catalogue = m_ctx->screens.get<worksheets>();
    catalogue->showScreen();
    catalogue->importFile(fileToImport);
}
