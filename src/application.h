#pragma once

#include "appcontext.h"
#include "qtplatform.h"

#include <memory>

class QtPrinter;

// The running program on the real machine: content beside the executable, real sound, message
// boxes and printer.
class Application
{
public:
    explicit Application(const QString &runFolder);
    ~Application();

    // Shows the title screen over the backdrop.
    void start();
    AppContext &context() { return *m_ctx; }

private:
    RunFolderPaths m_paths;
    QtSoundPlayer m_sound;
    QtMessageBoxes m_boxes;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<AppContext> m_ctx;
};
