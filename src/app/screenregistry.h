// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QPointer>

#include <functional>
#include <map>
#include <typeindex>
#include <vector>

struct AppContext;

// Owns at most one instance of each screen class. Touching a screen that is not loaded creates it
// and runs its load handler while it is hidden; unloading destroys it, so the next touch starts
// again from the design state. Callers get screens only through here.
class ScreenRegistry
{
public:
    explicit ScreenRegistry(AppContext &ctx) : m_ctx(ctx) {}
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    // The loaded screen, loading it (hidden) first if needed.
    template <class T> T *get()
    {
        if (T *existing = loaded<T>())
            return existing;
        auto *screen = new T(m_ctx);
        m_screens[std::type_index(typeid(T))] = screen;
        screen->Form_Load();
        return screen;
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
    // on view takes the keyboard, whether or not the desktop hands it on.
    void raised(Screen *screen);

private:
    void forget(Screen *screen);

    AppContext &m_ctx;
    std::map<std::type_index, QPointer<Screen>> m_screens;
    std::vector<QPointer<Screen>> m_front; // least recently raised first
    bool m_closing = false;
};
