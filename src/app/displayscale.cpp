// SPDX-License-Identifier: GPL-3.0-or-later
#include "displayscale.h"

#include "settings.h"
#include "stage.h"
#include "standardlook.h"

#include <QApplication>
#include <QBackingStore>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>

namespace
{

bool fullScreenOn = false;
// The desktop's own ratio, read before the program changed it.
double desktopRatio = 0;
// Counts the changes of scale, so that a window knows whether it was placed at this one.
int scaleGeneration = 0;
// The factor the program set on the screen, over the desktop's.
double ownFactor = 1;

const char *const FramelessByDesign = "quorvelFramelessByDesign";
const char *const PlacedAt = "quorvelPlacedAt";

QScreen *primary()
{
    return QGuiApplication::primaryScreen();
}

void applyScale()
{
    QScreen *screen = primary();
    if (!screen)
        return;
    const double current = screen->devicePixelRatio();
    if (desktopRatio <= 0)
        desktopRatio = current;
    const QSize pixels = screen->geometry().size() * current;
    const QSize available = screen->availableGeometry().size() * current;
    const double wanted = displayscale::factorFor(pixels, available, desktopRatio, fullScreenOn);
    // The screen's own factor multiplies the desktop's; it starts at 1.
    if (std::abs(wanted - current) > 1e-3) {
        ownFactor *= wanted / current;
        QHighDpiScaling::setScreenFactor(screen, ownFactor);
    }
    ++scaleGeneration;
}

// F11 anywhere in the program, a message box or dialog included, turns full screen on or off.
class FullScreenKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_F11 && key->modifiers() == Qt::NoModifier) {
                if (!key->isAutoRepeat())
                    displayscale::chooseFullScreen(!displayscale::isFullScreen());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A dialog waiting for its answer would give up when hidden: it stays on view, placed again.
bool waitsForAnswer(const QWidget *w)
{
    return qobject_cast<const QDialog *>(w) && w->isModal();
}

} // namespace

namespace displayscale
{

double factorFor(QSize screenPixels, QSize availablePixels, double desktop, bool fullScreen)
{
    const QSize area = fullScreen ? screenPixels : availablePixels;
    const double fits =
        std::min(double(area.width()) / Design.width(), double(area.height()) / Design.height());
    if (fits <= 0)
        return desktop;
    return fullScreen ? fits : std::min(desktop, fits);
}

void start(bool fullScreen)
{
    fullScreenOn = fullScreen;
    applyScale();
    qApp->installEventFilter(new FullScreenKey(qApp));
}

void chooseFullScreen(bool on)
{
    setFullScreen(on);
    settings::setValue(QStringLiteral("FullScreen"), on);
}

bool isFullScreen()
{
    return fullScreenOn;
}

void setFullScreen(bool on)
{
    if (on == fullScreenOn)
        return;
    fullScreenOn = on;
    QWidget *active = QApplication::activeWindow();
    QPointer<QWidget> focus = QApplication::focusWidget();
    Stage *stage = Stage::current();
    // The screen a dialog was opened from goes back in front, under its dialog.
    QWidget *front = active;
    if (front && waitsForAnswer(front) && front->parentWidget())
        front = front->parentWidget()->window();
    if (stage && front == stage)
        front = stage->front();
    // Windows are taken off view while the scale changes, so that each is made again at its new
    // size; the backdrop goes back first, the active window last. The screens in the stage leave
    // it, each a window again.
    QList<QWidget *> shown, waiting;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (waitsForAnswer(w) && w->isVisible()) {
            waiting.append(w);
        } else if (w == stage) {
            if (stage->isVisible())
                shown += stage->releaseAll();
        } else if (w->isVisible() && w->isWindow() && w->windowType() != Qt::ToolTip) {
            shown.append(w);
            w->hide();
        }
    }
    applyScale();
    // A window keeps its size in design pixels, so Qt would keep its drawing buffer at the old
    // scale's pixels: each is made again at the new.
    QList<QWidget *> stores = shown + waiting;
    if (stage)
        stores.append(stage);
    for (QWidget *w : stores) {
        if (QBackingStore *store = w->backingStore())
            store->resize(w->size());
    }
    std::stable_sort(shown.begin(), shown.end(), [front](QWidget *a, QWidget *b) {
        const auto rank = [front](QWidget *w) {
            return w->property(FramelessByDesign).toBool() && w->width() > Design.width() ? 0
                   : w == front                                                           ? 2
                                                                                          : 1;
        };
        return rank(a) < rank(b);
    });
    for (QWidget *w : shown) {
        if (stage && Stage::takes(w)) {
            stage->bringToFront(w);
            continue;
        }
        place(w);
        w->show();
        w->raise();
    }
    for (QWidget *w : waiting) {
        // Qt sizes a window's X window again at a change of its size only.
        const QSize size = w->size();
        w->resize(size + QSize(1, 1));
        w->resize(size);
        centreOnScreen(w);
        w->raise();
        w->update();
    }
    if (focus) {
        focus->window()->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    } else if (active && active->isVisible()) {
        active->activateWindow();
    }
}

void place(QWidget *window)
{
    if (!window->property(FramelessByDesign).isValid())
        window->setProperty(FramelessByDesign,
                            window->windowFlags().testFlag(Qt::FramelessWindowHint));
    const bool placed = window->property(PlacedAt).isValid() &&
                        window->property(PlacedAt).toInt() == scaleGeneration;
    if (placed)
        return;
    window->setProperty(PlacedAt, scaleGeneration);
    const bool framelessByDesign = window->property(FramelessByDesign).toBool();
    const bool frameless = fullScreenOn || framelessByDesign;
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint) != frameless)
        window->setWindowFlag(Qt::FramelessWindowHint, frameless);
    QScreen *screen = primary();
    if (!screen)
        return;
    if (framelessByDesign && window->minimumSize() != window->maximumSize())
        window->setGeometry(screen->geometry()); // the backdrop
    else
        centreOnScreen(window);
}

} // namespace displayscale
