// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "captionlabel.h"
#include "screen.h"
#include "stage.h"
#include "textfit.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

struct AppContext;

// Owns at most one instance of each screen: one of each screen class, and of a kind of screen
// that each topic has (its hub, its two activities) one per topic. Touching a screen that is not
// loaded creates it and runs its load handler while it is hidden; unloading destroys it, so the
// next touch starts again from the design state. Callers get screens only through here.
//
// A screen class with a constructor from the context has one instance; any other class is a kind
// of screen with one instance per topic, made by its static create(context, topic).
class ScreenRegistry
{
public:
    explicit ScreenRegistry(AppContext &ctx);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    // The loaded screen, loading it (hidden) first if needed.
    template <class T> T *get(int topic = 0)
    {
        if (T *existing = loaded<T>(topic))
            return existing;
        const Key key = keyOf<T>(topic);
        auto built = m_built.find(key);
        T *screen =
            built == m_built.end() ? make<T>(topic) : static_cast<T *>(built->second.release());
        if (built != m_built.end())
            m_built.erase(built);
        m_screens[key] = screen;
        screen->load();
        return screen;
    }

    // Builds a screen ahead of its loading: its controls in their design state, styled, without
    // a window yet and without running its load handler, which the next get() runs as usual.
    // Nothing is built again when it is loaded or already built. For the screens likely to open
    // next; returns the screen, loaded or built.
    template <class T> T *build(int topic = 0)
    {
        if (T *existing = loaded<T>(topic))
            return existing;
        const Key key = keyOf<T>(topic);
        auto built = m_built.find(key);
        if (built != m_built.end())
            return static_cast<T *>(built->second.get());
        std::unique_ptr<T> screen(make<T>(topic));
        screen->ensurePolished();
        fitTextsToBoxes(screen.get()); // measured now, not when the click shows it
        drawCaptionsAhead(screen.get());
        T *made = screen.get();
        m_built[key] = std::move(screen);
        return made;
    }

    // Builds the screen a moment later, one screen per turn of the event loop, so that a click
    // meanwhile waits for one screen at most.
    template <class T> void buildSoon(int topic = 0)
    {
        m_buildQueue.emplace_back([this, topic] { build<T>(topic); });
        if (!m_buildTimer.isActive())
            m_buildTimer.start();
    }

    // The screen if it is loaded, without loading it.
    template <class T> T *loaded(int topic = 0) const
    {
        auto it = m_screens.find(keyOf<T>(topic));
        if (it == m_screens.end() || !it->second)
            return nullptr;
        return static_cast<T *>(it->second.data());
    }

    template <class T> T *show(int topic = 0)
    {
        T *screen = get<T>(topic);
        screen->showScreen();
        return screen;
    }

    template <class T> void unload(int topic = 0)
    {
        if (T *screen = loaded<T>(topic))
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

    // The one window the screens are shown in at full screen (stage.h).
    Stage &stage() { return m_stage; }

private:
    // A screen class, and the topic for a kind of screen that each topic has (0 for any other).
    using Key = std::pair<std::type_index, int>;

    template <class T> static Key keyOf(int topic)
    {
        return {std::type_index(typeid(T)), std::is_constructible_v<T, AppContext &> ? 0 : topic};
    }

    template <class T> T *make(int topic)
    {
        if constexpr (std::is_constructible_v<T, AppContext &>) {
            Q_UNUSED(topic);
            return new T(m_ctx);
        } else
            return T::create(m_ctx, topic);
    }

    void forget(Screen *screen);

    AppContext &m_ctx;
    std::map<Key, QPointer<Screen>> m_screens;
    std::map<Key, std::unique_ptr<Screen>> m_built; // built, not yet loaded
    std::vector<std::function<void()>> m_buildQueue;
    QTimer m_buildTimer;
    std::vector<QPointer<Screen>> m_front; // least recently raised first
    bool m_closing = false;
    Stage m_stage; // destroyed after the screens, which may be its children
};
