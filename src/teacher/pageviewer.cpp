// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageviewer.h"

#include "controlnames.h"
#include "metafile/metafilewords.h"

#include "appcontext.h"
#include "contentnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "metafileview.h"
#include "pages.h"
#include "picturebox.h"
#include "standardlook.h"
#include "twips.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

PageScreen::PageScreen(AppContext &context) : Screen(context)
{
    pageOnScreen = new MetafileView({120, 0}, this);
    // The page takes the focus first, so a screen reader reads its words (its description).
    pageOnScreen->setFocusPolicy(Qt::TabFocus);
    pagePrintCopy = new MetafileView({0, 0}, this);
    pagePrintCopy->hide();

    pageCounter = new QLabel(this);
    pageCounter->setTextFormat(Qt::PlainText);
    pageCounter->setGeometry(twips::rect(4200, 7920, 2295, 495));
    pageCounter->setFont(fonts::tahoma(15.75, true));
    pageCounter->setAlignment(Qt::AlignCenter);
    pageCounter->setFrameStyle(QFrame::Box | QFrame::Plain);
    pageCounter->setAutoFillBackground(true);
    QPalette pal = pageCounter->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    pageCounter->setPalette(pal);

    addButtons(
        buttons,
        {{Print, QT_TRANSLATE_NOOP("Buttons", "Print"), {10680, 120, 1125, 495}},
         {Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10680, 7920, 1125, 495}},
         {NextPage, QT_TRANSLATE_NOOP("Buttons", "Next Page"), {6720, 7920, 2685, 495}},
         {PreviousPage, QT_TRANSLATE_NOOP("Buttons", "Previous Page"), {1320, 7920, 2685, 495}}},
        [this](int i) { buttonClicked(i); });
    buttons[PreviousPage]->setEnabled(false);
    setExitButton(buttons[Exit]);

    controlnames::name({{pageOnScreen, "pageOnScreen"},
                        {pagePrintCopy, "pagePrintCopy"},
                        {pageCounter, "pageCounter"}});
    controlnames::nameArray(buttons, "buttons");
}

void PageScreen::buttonClicked(int Index)
{
    AppState &s = ctx.state;
    switch (Index) {
    case Print:
        printPage();
        break;
    case Exit:
        ctx.screens.unload(this);
        break;
    case NextPage:
        ++s.pageNumber;
        showPage();
        pageTurned(true);
        warmSoon();
        break;
    case PreviousPage:
        --s.pageNumber;
        showPage();
        pageTurned(true);
        warmSoon();
        break;
    default:
        break;
    }
}

QList<QWidget *> PageScreen::tabOrder() const
{
    QList<QWidget *> order = Screen::tabOrder();
    order.removeOne(buttons[Print]);
    order.append(buttons[Print]);
    return order;
}

QStringList PageScreen::spokenText() const
{
    return wmf::paragraphs(pageOnScreen->metafile());
}

void PageScreen::pageTurned(bool aloud)
{
    const QStringList words = spokenText();
    pageOnScreen->setAccessibleName(pageCounter->isVisibleTo(this) ? pageCounter->text()
                                                                   : QStringLiteral("Page"));
    pageOnScreen->setAccessibleDescription(words.join(QLatin1Char('\n')));
    QAccessibleEvent changed(pageOnScreen, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    if (!aloud)
        return;
    // A screen reader hears a turned page where the focus lands (it says nothing of a changed
    // description), in the Key Facts and notes as in the guide.
    if (isVisible() && QAccessible::isActive())
        pageOnScreen->setFocus(Qt::OtherFocusReason);
    ctx.readAloud.say(words);
}

void PageScreen::warmNext()
{
    const int page = ctx.state.pageNumber;
    for (const auto &[button, turn] : {std::pair{NextPage, 1}, std::pair{PreviousPage, -1}}) {
        if (!buttons[button]->isVisibleTo(this) || !buttons[button]->isEnabled())
            continue;
        MetafileView::warm(ctx.platform.paths, pageFile(page + turn, false), true,
                           devicePixelRatioF());
        MetafileView::warm(ctx.platform.paths, pageFile(page + turn, true), false,
                           devicePixelRatioF());
    }
}

void PageScreen::printPage()
{
    const PrintJob job =
        pages::printJob(pagePrintCopy->contentName(), pagePrintCopy->ownSizeTwips());
    if (!pagePrintCopy->hasPicture()) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("Printing",
                                              "There was a problem printing to your printer."));
        return;
    }
    const QString page =
        QFileInfo(QString(pagePrintCopy->contentName()).replace(u'\\', u'/')).completeBaseName();
    printAndReport(ctx.platform, this, job, page + QStringLiteral(".pdf"), QString(),
                   QStringLiteral("page"));
}

PageViewer::PageViewer(AppContext &context) : PageScreen(context)
{
    turningLogo = new PictureBox({8520, 4320, 1800, 1800}, this);
    turningLogo->hide();
    stillLogo = new PictureBox({8550, 6240, 1800, 1335}, this);
    stillLogo->hide();
    logoTimer = new QTimer(this);
    logoTimer->setInterval(25);
    connect(logoTimer, &QTimer::timeout, this, &PageViewer::turnLogo);

    controlnames::name(
        {{turningLogo, "turningLogo"}, {stillLogo, "stillLogo"}, {logoTimer, "logoTimer"}});
}

void PageViewer::load()
{
    applyStandardLook(this);
    AppState &s = ctx.state;
    if (s.pageCount == 1) {
        pageCounter->hide();
        buttons[NextPage]->hide();
        buttons[PreviousPage]->hide();
    }
    s.logoFrame = 0;
    s.pageNumber = 1;
    pageCounter->setText(pages::counter(s.pageNumber, s.pageCount));
}

void PageViewer::openPageSet(const QString &screen)
{
    nameWindow(this, screen);
    pageOnScreen->load(ctx.platform.paths, pages::pageFile(ctx.state.pageSet, 1, false));
    pagePrintCopy->load(ctx.platform.paths, pages::pageFile(ctx.state.pageSet, 1, true));
    showScreen();
}

void PageViewer::openAcknowledgments()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Acknowledgments"));
    pageCounter->hide();
    buttons[NextPage]->hide();
    buttons[PreviousPage]->hide();
    pageOnScreen->load(ctx.platform.paths, contentnames::AcknowledgmentsPage);
    stillLogo->load(ctx.platform.paths, contentnames::StillLogo);
    pagePrintCopy->load(ctx.platform.paths, contentnames::AcknowledgmentsPrintCopy);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(49, 130, 212));
    setPalette(pal);
    startLogo();
    showScreen();
}

void PageViewer::showPage()
{
    const AppState &s = ctx.state;
    const pages::Buttons b = pages::buttons(s.pageNumber, s.pageCount);
    buttons[PreviousPage]->setEnabled(b.previous);
    buttons[NextPage]->setEnabled(b.next);
    pageOnScreen->load(ctx.platform.paths, pageFile(s.pageNumber, false));
    pagePrintCopy->load(ctx.platform.paths, pageFile(s.pageNumber, true));
    pageCounter->setText(pages::counter(s.pageNumber, s.pageCount));
}

QString PageViewer::pageFile(int page, bool printCopy) const
{
    return pages::pageFile(ctx.state.pageSet, page, printCopy);
}

void PageViewer::turnLogo()
{
    AppState &s = ctx.state;
    s.logoFrame = static_cast<qint16>(pages::nextLogoFrame(s.logoFrame));
    QImage &frame = m_logo[static_cast<size_t>(s.logoFrame)];
    if (frame.isNull())
        frame = ctx.platform.paths.picture(pages::logoFrameFile(s.logoFrame),
                                           turningLogo->devicePixels());
    turningLogo->showFrame(ctx.platform.windows, s.logoFrame, frame);
    turningLogo->show();
    stillLogo->show();
}

void PageViewer::startLogo()
{
    turningLogo->load(ctx.platform.paths, pages::logoFrameFile(ctx.state.logoFrame));
    turningLogo->show();
    stillLogo->show();
    logoTimer->start();
}

void PageViewer::hideEvent(QHideEvent *event)
{
    m_logoPaused = logoTimer->isActive();
    logoTimer->stop();
    PageScreen::hideEvent(event);
}

void PageViewer::showEvent(QShowEvent *event)
{
    if (m_logoPaused)
        logoTimer->start();
    m_logoPaused = false;
    PageScreen::showEvent(event);
}

GuideViewer::GuideViewer(AppContext &context) : PageScreen(context)
{
    pagePrintCopy->move(twips::px(120), twips::px(-240));
    // The guide's buttons never light; the bare background only turns them transparent.
    hover.setLights(false);
    hover.addAll(buttons);
    pageCounter->setText(pages::counter(1, pages::GuidePages));
}

void GuideViewer::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Teachers' Guide"));
    applyStandardLook(this);
}

void GuideViewer::openAtFirstPage()
{
    pageOnScreen->load(ctx.platform.paths, pages::guideFile(1, false));
    pagePrintCopy->load(ctx.platform.paths, pages::guideFile(1, true));
    ctx.state.pageNumber = 1;
    showScreen();
}

QString GuideViewer::pageFile(int page, bool printCopy) const
{
    return pages::guideFile(page, printCopy);
}

void GuideViewer::showPage()
{
    const int page = ctx.state.pageNumber;
    pageOnScreen->load(ctx.platform.paths, pageFile(page, false));
    pagePrintCopy->load(ctx.platform.paths, pageFile(page, true));
    if (page == 1)
        buttons[PreviousPage]->setEnabled(false);
    if (page == 2) {
        buttons[PreviousPage]->setEnabled(true);
        buttons[NextPage]->setEnabled(true);
    }
    if (page == pages::GuidePages) {
        buttons[PreviousPage]->setEnabled(true);
        buttons[NextPage]->setEnabled(false);
    }
    pageCounter->setText(pages::counter(page, pages::GuidePages));
}
