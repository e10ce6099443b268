// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages.h"
#include "screen.h"

#include <QImage>

#include <array>

class QLabel;
class QTimer;
class LabelButton;
class MetafileView;
class PictureBox;

// What the page viewer and the teachers' guide share: a metafile page on screen with its print
// copy held beside it, a page counter, and "Print", "Exit", "Next Page", "Previous Page".
class PageScreen : public Screen
{
    Q_OBJECT
public:
    enum Button { Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3 };

    explicit PageScreen(AppContext &ctx);

    void buttonClicked(int Index);
    // Prints the print copy of the page on show. Nothing is said when it fails, but the failure
    // is not silent either: the viewer reports it in a message.
    void printPage();
    // The page's words, paragraph by paragraph in reading order.
    QStringList spokenText() const override;

protected:
    MetafileView *pageOnScreen;
    MetafileView *pagePrintCopy; // never shown
    QLabel *pageCounter;
    std::array<LabelButton *, 4> buttons{};

    // Turns to pageNumber: loads both copies and sets the buttons and the counter.
    virtual void showPage() = 0;
    // The content name of a page of the set on show (the print copy with printCopy).
    virtual QString pageFile(int page, bool printCopy) const = 0;
    // Reads and draws the pages "Next Page" and "Previous Page" turn to.
    void warmNext() override;
    void afterShow() override { pageTurned(); }
    // Reading order with "Print" last, so that the screen does not open on it.
    QList<QWidget *> tabOrder() const override;

private:
    // Gives screen readers the words of the page on show (the page's accessible description,
    // with a change event) and, once the screen is on view, reads them aloud.
    void pageTurned(bool aloud = false);
};

// The page viewer of key facts, teacher's notes and the acknowledgments.
class PageViewer : public PageScreen
{
    Q_OBJECT
public:
    explicit PageViewer(AppContext &ctx);
    void load() override;
    // Shows the first page of the page set in pageSet and pageCount; screen names the window.
    void openPageSet(const QString &screen);
    // Shows the acknowledgments: one page without counter or page buttons, on a lighter blue,
    // with the logos.
    void openAcknowledgments();
    void turnLogo();
    // Shows both logos, the turning one at its current frame, and starts it turning: the page is
    // complete at its first paint, not at the first tick.
    void startLogo();

protected:
    void showPage() override;
    QString pageFile(int page, bool printCopy) const override;
    // The logo stands still while the viewer is hidden.
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    PictureBox *turningLogo; // animated logo
    PictureBox *stillLogo;   // still logo
    QTimer *logoTimer;

    // Each frame is read and decoded at the first tick that shows it, then kept.
    std::array<QImage, pages::LogoFrames> m_logo;
    bool m_logoPaused = false;
};

// The teachers' guide: three fixed pages.
class GuideViewer : public PageScreen
{
    Q_OBJECT
public:
    explicit GuideViewer(AppContext &ctx);
    void load() override;
    // Shows the guide at its first page.
    void openAtFirstPage();

protected:
    void showPage() override;
    QString pageFile(int page, bool printCopy) const override;
};
