// SPDX-License-Identifier: GPL-3.0-or-later
#include "titlescreen.h"

#include "appcontext.h"
#include "backdrop.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "mainmenu.h"
#include "picturebox.h"
#include "standardlook.h"
#include "twips.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace
{

const QColor TitleBack(192, 192, 192);
// The frame's width in twips: its controls are placed across it.
constexpr int FrameWidth = 5480;

// The title's texts are fixed and every face they are drawn in has all their characters, so
// their fonts are loaded without the search for fallback faces (a sort of every font on the
// machine for each face, about 1.5 ms of the title's first paint).
QFont ownFaceOnly(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return font;
}

} // namespace

TitleScreen::TitleScreen(AppContext &context) : Screen(context)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    nameWindow(this, QCoreApplication::translate("Screens", "Welcome"));
    setBackColor(TitleBack);
    setFixedSize(twips::px(5460), twips::px(6570));

    frame = new QFrame(this);
    frame->setGeometry(twips::rect(0, -90, FrameWidth, 6660, FrameWidth));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setMouseTracking(true);

    const auto label = [this](const QString &caption, QRect r, const QFont &font, QColor color) {
        auto *l = new QLabel(caption, frame);
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(twips::rect(r, FrameWidth));
        l->setFont(ownFaceOnly(font));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, color);
        l->setPalette(pal);
        return l;
    };
    titleText = label(QCoreApplication::translate("TitleScreen", "Quorvel Demo"),
                      {60, 360, 5355, 1065}, fonts::times(21.75, true), QColor(128, 0, 128));
    titlePicture = new PictureBox({300, 1200, 4800, 3600}, frame);
    authorsText =
        label(QCoreApplication::translate("TitleScreen", "Written by the Quorvel science team"),
              {360, 4980, 4695, 375}, fonts::times(14.25), QColor(0, 0, 255));
    programmingText =
        label(QCoreApplication::translate("TitleScreen", "Programming by Quorvel Software"),
              {480, 5310, 4455, 375}, fonts::times(12), QColor(0, 0, 255));
    editorText =
        label(QCoreApplication::translate("TitleScreen", "Series editor: Tavimor Publishing"),
              {480, 5640, 4455, 375}, fonts::times(12), QColor(0, 0, 255));
    copyrightText = label(
        QCoreApplication::translate(
            "TitleScreen", "\u00A9 2026 Tavimor Publishing Ltd \u2022 Science for ages 7 to 11"),
        {0, 6420, 5415, 255}, fonts::arial(8.25), QColor(0, 128, 0));

    const auto button = [this](const QString &caption, QRect r) {
        auto *b = new QPushButton(caption, frame);
        b->setGeometry(twips::rect(r, FrameWidth));
        b->setFont(ownFaceOnly(b->font()));
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, QColor(192, 192, 192));
        b->setPalette(pal);
        return b;
    };
    okOrCancel = button(QCoreApplication::translate("TitleScreen", "OK"), {1320, 6000, 1335, 375});
    exitProgram =
        button(QCoreApplication::translate("TitleScreen", "Exit"), {2760, 6000, 1335, 375});
    okOrCancel->setDefault(true);
    connect(okOrCancel, &QPushButton::clicked, this, &TitleScreen::okOrCancelClicked);
    connect(exitProgram, &QPushButton::clicked, this, &TitleScreen::exitProgramClicked);

    controlnames::name({{frame, "frame"},
                        {titleText, "titleText"},
                        {titlePicture, "titlePicture"},
                        {authorsText, "authorsText"},
                        {programmingText, "programmingText"},
                        {editorText, "editorText"},
                        {okOrCancel, "okOrCancel"},
                        {exitProgram, "exitProgram"},
                        {copyrightText, "copyrightText"}});
}

void TitleScreen::load()
{
    // The font configuration is read before the screen is shown, where its texts are first
    // measured: read later, fontconfig would have read its own first, and then both.
    fonts::loadConfiguration();
    centreOnScreen(this);
    ctx.screens.show<Backdrop>();
    if (ctx.platform.paths.path(contentnames::TitlePicture).isEmpty())
        dressWithoutPicture();
}

void TitleScreen::afterShow()
{
    // The picture is decoded while the X server maps the window, before the window's first paint
    // (at start-up the title is on view about 2 ms and fully drawn about 2.5 ms sooner).
    if (titlePicture->hasPicture() || m_dressed)
        return;
    titlePicture->load(ctx.platform.paths, contentnames::TitlePicture);
    if (!titlePicture->hasPicture())
        dressWithoutPicture(); // a damaged file: the window is resized and centred again
}

void TitleScreen::dressWithoutPicture()
{
    m_dressed = true;
    // Without its picture the screen falls back to the standard look; the frame keeps the
    // screen's own grey, on which its purple, blue and green texts were chosen to be read.
    applyStandardLook(this, titlePicture);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, TitleBack);
    frame->setPalette(framePalette);
    frame->setAutoFillBackground(true);
    frame->raise();
    titlePicture->load(ctx.platform.paths, contentnames::TitleFallback);
}

void TitleScreen::warmNext()
{
    // Loads the sound system, so that the first click is heard at once.
    ctx.platform.sound.prepare(contentnames::ClickSound);
    MainMenu::makeReady(ctx, devicePixelRatioF());
}

void TitleScreen::showAsExitScreen()
{
    okOrCancel->setText(QCoreApplication::translate("TitleScreen", "Cancel"));
    nameWindow(this, QCoreApplication::translate("Screens", "Exit"));
    showScreen();
}

void TitleScreen::okOrCancelClicked()
{
    ctx.screens.show<MainMenu>();
    ctx.screens.unload(this);
    ctx.playSound(contentnames::ClickSound);
}

void TitleScreen::exitProgramClicked()
{
    ctx.playSound(contentnames::ClickSound);
    ctx.endProgram();
}
