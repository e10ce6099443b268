// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenregistry.h"

#include <algorithm>

ScreenRegistry::ScreenRegistry(AppContext &ctx) : m_ctx(ctx)
{
    m_buildTimer.setInterval(0);
    QObject::connect(&m_buildTimer, &QTimer::timeout, [this] {
        if (!m_buildQueue.empty()) {
            const std::function<void()> next = std::move(m_buildQueue.front());
            m_buildQueue.erase(m_buildQueue.begin());
            next();
        }
        if (m_buildQueue.empty())
            m_buildTimer.stop();
    });
}

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
    const bool hadKeyboard = screen->isActiveWindow();
    screen->hide();
    screen->deleteLater();
    forget(screen);
    if (m_closing)
        return;
    for (auto it = m_front.rbegin(); it != m_front.rend(); ++it) {
        Screen *next = *it;
        if (m_stage.isCovered(next)) {
            m_stage.bringToFront(next);
        } else if (next->isVisible()) {
            if (hadKeyboard)
                next->activateWindow();
        } else {
            continue;
        }
        next->backInFront();
        break;
    }
    m_stage.tidy();
}

void ScreenRegistry::raised(Screen *screen)
{
    forget(screen);
    m_front.emplace_back(screen);
}

void ScreenRegistry::forget(Screen *screen)
{
    m_front.erase(std::remove_if(m_front.begin(), m_front.end(),
                                 [screen](const QPointer<Screen> &s) { return !s || s == screen; }),
                  m_front.end());
}

void ScreenRegistry::unloadAll()
{
    m_buildQueue.clear(); // nothing more is opened
    m_buildTimer.stop();
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
