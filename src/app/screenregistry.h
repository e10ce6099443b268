// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

struct AppContext;

// Owns at most one instance of each screen class. Touching a screen that is not loaded creates it
// and runs its load handler while it is hidden; unloading destroys it, so the next touch starts
// again from the design state. Callers get screens only through here.
class ScreenRegistry
{
public:
    explicit ScreenRegistry(AppContext &ctx);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    // The loaded screen, loading it (hidden) first if needed.
    template <class T> T *get()
    {
        if (T *existing = loaded<T>())
            return existing;
        const std::type_index type(typeid(T));
        auto built = m_built.find(type);
        T *screen =
            built == m_built.end() ? new T(m_ctx) : static_cast<T *>(built->second.release());
        if (built != m_built.end())
            m_built.erase(built);
        m_screens[type] = screen;
        screen->Form_Load();
        return screen;
    }

    // Builds a screen ahead of its loading: its controls in their design state, styled, without
    // a window yet and without running its load handler, which the next get() runs as usual.
    // Nothing is built again when it is loaded or already built. For the screens likely to open
    // next; returns the screen, loaded or built.
    template <class T> T *build()
    {
        const std::type_index type(typeid(T));
        if (T *existing = loaded<T>())
            return existing;
        auto built = m_built.find(type);
        if (built != m_built.end())
            return static_cast<T *>(built->second.get());
        auto screen = std::make_unique<T>(m_ctx);
        screen->ensurePolished();
        T *made = screen.get();
        m_built[type] = std::move(screen);
        return made;
    }

    // Builds the screen a moment later, one screen per turn of the event loop, so that a click
    // meanwhile waits for one screen at most.
    template <class T> void buildSoon()
    {
        m_buildQueue.emplace_back([this] { build<T>(); });
        if (!m_buildTimer.isActive())
            m_buildTimer.start();
    }

    // The screen if it is loaded, without loading it.
    template <class T> T *loaded() const
    {
        auto it = m_screens.find(std::type_index(typeid(T)));
        if (it == m_screens.end() || !it->second)
            return nullptr;
        return static_cast<T *>(it->second.data());
    }

    template <class T> T *show()
    {
        T *screen = get<T>();
        screen->showScreen();
        return screen;
    }

    template <class T> void unload()
    {
        if (T *screen = loaded<T>())
            unload(screen);
    }

    // Hides and destroys the screen. Safe from within the screen's own handlers: the object is
    // deleted once control returns to the event loop, but it is no longer registered.
    void unload(Screen *screen);
    void unloadAll();
    bool isClosing() const { return m_closing; }

    // The screen came to the front. When a screen is unloaded, the one shown last of those still
    // on view takes the keyboard, whether or not the desktop hands it on, and makes ready again
    // what it opens next.
    void raised(Screen *screen);

private:
    void forget(Screen *screen);

    AppContext &m_ctx;
    std::map<std::type_index, QPointer<Screen>> m_screens;
    std::map<std::type_index, std::unique_ptr<Screen>> m_built; // built, not yet loaded
    std::vector<std::function<void()>> m_buildQueue;
    QTimer m_buildTimer;
    std::vector<QPointer<Screen>> m_front; // least recently raised first
    bool m_closing = false;
};
