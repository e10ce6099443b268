#pragma once

#include <QWidget>

struct AppContext;
class QLabel;

// A screen of the program: one top-level window, created and destroyed only by the
// ScreenRegistry. The constructor builds the controls in their design state; Form_Load is the
// load handler, which the registry runs once, while the screen is still hidden.
class Screen : public QWidget
{
    Q_OBJECT
public:
    explicit Screen(AppContext &ctx);

    virtual void Form_Load() {}

    // Shows the screen and brings it to the front.
    void showScreen();

protected:
    // The pointer moved over the bare window background (not over any control).
    virtual void Form_MouseMove() {}
    // The window manager's close button. By default the screen unloads itself.
    virtual void closeRequested();

    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    void setBackColor(const QColor &color);

    // A design label at a twip rectangle: caption, font, text colour, alignment, word wrap,
    // transparent background.
    QLabel *addLabel(const QString &caption, const QRect &twipRect, const QFont &font,
                     const QColor &color, Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop);

    AppContext &ctx;
};
