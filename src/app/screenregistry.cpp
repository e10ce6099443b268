#include "screenregistry.h"

ScreenRegistry::~ScreenRegistry()
{
    m_closing = true;
    for (auto &entry : m_screens)
        delete entry.second.data();
}

void ScreenRegistry::unload(Screen *screen)
{
    for (auto it = m_screens.begin(); it != m_screens.end(); ++it) {
        if (it->second == screen) {
            m_screens.erase(it);
            break;
        }
    }
    screen->hide();
    screen->deleteLater();
}

void ScreenRegistry::unloadAll()
{
    m_closing = true;
    auto screens = std::move(m_screens);
    m_screens.clear();
    for (auto &entry : screens) {
        if (entry.second) {
            entry.second->hide();
            entry.second->deleteLater();
        }
    }
    m_closing = false;
}
