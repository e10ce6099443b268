// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageviewer.h"

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
    Image1 = new MetafileView({120, 0}, this);
    // The page takes the focus first, so a screen reader reads its words (its description).
    Image1->setFocusPolicy(Qt::TabFocus);
    Image2 = new MetafileView({0, 0}, this);
    Image2->hide();

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(twips::rect(4200, 7920, 2295, 495));
    Label1->setFont(fonts::tahoma(15.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setAutoFillBackground(true);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(pal);

    addButtons(
        Label3,
        {{Print, QT_TRANSLATE_NOOP("Buttons", "Print"), {10680, 120, 1125, 495}},
         {Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10680, 7920, 1125, 495}},
         {NextPage, QT_TRANSLATE_NOOP("Buttons", "Next Page"), {6720, 7920, 2685, 495}},
         {PreviousPage, QT_TRANSLATE_NOOP("Buttons", "Previous Page"), {1320, 7920, 2685, 495}}},
        [this](int i) { Label3_Click(i); });
    Label3[PreviousPage]->setEnabled(false);
    setExitButton(Label3[Exit]);
}

void PageScreen::Label3_Click(int Index)
{
    AppState &s = ctx.state;
    switch (Index) {
    case Print:
        Printpage();
        break;
    case Exit:
        ctx.screens.unload(this);
        break;
    case NextPage:
        ++s.PageNumber;
        showPage();
        pageTurned(true);
        warmSoon();
        break;
    case PreviousPage:
        --s.PageNumber;
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
    order.removeOne(Label3[Print]);
    order.append(Label3[Print]);
    return order;
}

QStringList PageScreen::spokenText() const
{
    return wmf::paragraphs(Image1->metafile());
}

void PageScreen::pageTurned(bool aloud)
{
    const QStringList words = spokenText();
    Image1->setAccessibleName(Label1->isVisibleTo(this) ? Label1->text() : QStringLiteral("Page"));
    Image1->setAccessibleDescription(words.join(QLatin1Char('\n')));
    QAccessibleEvent changed(Image1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    if (aloud)
        ctx.readAloud.say(words);
}

void PageScreen::warmNext()
{
    const int page = ctx.state.PageNumber;
    for (const auto &[button, turn] : {std::pair{NextPage, 1}, std::pair{PreviousPage, -1}}) {
        if (!Label3[button]->isVisibleTo(this) || !Label3[button]->isEnabled())
            continue;
        MetafileView::warm(ctx.platform.paths, pageFile(page + turn, false), true,
                           devicePixelRatioF());
        MetafileView::warm(ctx.platform.paths, pageFile(page + turn, true), false,
                           devicePixelRatioF());
    }
}

void PageScreen::Printpage()
{
    const PrintJob job = pages::printJob(Image2->contentName(), Image2->ownSizeTwips());
    if (!Image2->hasPicture()) {
        ctx.platform.boxes.ok(
            this, QCoreApplication::translate("Printing",
                                              "There was a problem printing to your printer."));
        return;
    }
    const QString page =
        QFileInfo(QString(Image2->contentName()).replace(u'\\', u'/')).completeBaseName();
    printAndReport(ctx.platform, this, job, page + QStringLiteral(".pdf"), QString(),
                   QStringLiteral("page"));
}

teacher::teacher(AppContext &context) : PageScreen(context)
{
    Picture1 = new PictureBox({8520, 4320, 1800, 1800}, this);
    Picture1->hide();
    Picture2 = new PictureBox({8550, 6240, 1800, 1335}, this);
    Picture2->hide();
    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &teacher::Timer1_Timer);
}

void teacher::Form_Load()
{
    applyStandardLook(this);
    AppState &s = ctx.state;
    if (s.PageCount == 1) {
        Label1->hide();
        Label3[NextPage]->hide();
        Label3[PreviousPage]->hide();
    }
    s.StepCounter = 0;
    s.PageNumber = 1;
    Label1->setText(pages::counter(s.PageNumber, s.PageCount));
}

void teacher::openPageSet()
{
    Image1->load(ctx.platform.paths, pages::pageFile(ctx.state.PageName, 1, false));
    Image2->load(ctx.platform.paths, pages::pageFile(ctx.state.PageName, 1, true));
    showScreen();
}

void teacher::openAcknowledgments()
{
    Label1->hide();
    Label3[NextPage]->hide();
    Label3[PreviousPage]->hide();
    Image1->load(ctx.platform.paths, contentnames::AcknowledgmentsPage);
    Picture2->load(ctx.platform.paths, contentnames::StillLogo);
    Image2->load(ctx.platform.paths, contentnames::AcknowledgmentsPrintCopy);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(49, 130, 212));
    setPalette(pal);
    startLogo();
    showScreen();
}

void teacher::showPage()
{
    const AppState &s = ctx.state;
    const pages::Buttons b = pages::buttons(s.PageNumber, s.PageCount);
    Label3[PreviousPage]->setEnabled(b.previous);
    Label3[NextPage]->setEnabled(b.next);
    Image1->load(ctx.platform.paths, pageFile(s.PageNumber, false));
    Image2->load(ctx.platform.paths, pageFile(s.PageNumber, true));
    Label1->setText(pages::counter(s.PageNumber, s.PageCount));
}

QString teacher::pageFile(int page, bool printCopy) const
{
    return pages::pageFile(ctx.state.PageName, page, printCopy);
}

void teacher::Timer1_Timer()
{
    AppState &s = ctx.state;
    s.StepCounter = static_cast<qint16>(pages::nextLogoFrame(s.StepCounter));
    QImage &frame = m_logo[static_cast<size_t>(s.StepCounter)];
    if (frame.isNull())
        frame = ctx.platform.paths.picture(pages::logoFrameFile(s.StepCounter),
                                           Picture1->devicePixels());
    Picture1->showFrame(ctx.platform.windows, s.StepCounter, frame);
    Picture1->show();
    Picture2->show();
}

void teacher::startLogo()
{
    Picture1->load(ctx.platform.paths, pages::logoFrameFile(ctx.state.StepCounter));
    Picture1->show();
    Picture2->show();
    Timer1->start();
}

void teacher::hideEvent(QHideEvent *event)
{
    m_logoPaused = Timer1->isActive();
    Timer1->stop();
    PageScreen::hideEvent(event);
}

void teacher::showEvent(QShowEvent *event)
{
    if (m_logoPaused)
        Timer1->start();
    m_logoPaused = false;
    PageScreen::showEvent(event);
}

guide::guide(AppContext &context) : PageScreen(context)
{
    Image2->move(twips::px(120), twips::px(-240));
    // The guide's buttons never light; the bare background only turns them transparent.
    hover.setLights(false);
    hover.addAll(Label3);
    Label1->setText(pages::counter(1, pages::GuidePages));
}

void guide::Form_Load()
{
    applyStandardLook(this);
}

void guide::openAtFirstPage()
{
    Image1->load(ctx.platform.paths, pages::guideFile(1, false));
    Image2->load(ctx.platform.paths, pages::guideFile(1, true));
    ctx.state.PageNumber = 1;
    showScreen();
}

QString guide::pageFile(int page, bool printCopy) const
{
    return pages::guideFile(page, printCopy);
}

void guide::showPage()
{
    const int page = ctx.state.PageNumber;
    Image1->load(ctx.platform.paths, pageFile(page, false));
    Image2->load(ctx.platform.paths, pageFile(page, true));
    if (page == 1)
        Label3[PreviousPage]->setEnabled(false);
    if (page == 2) {
        Label3[PreviousPage]->setEnabled(true);
        Label3[NextPage]->setEnabled(true);
    }
    if (page == pages::GuidePages) {
        Label3[PreviousPage]->setEnabled(true);
        Label3[NextPage]->setEnabled(false);
    }
    Label1->setText(pages::counter(page, pages::GuidePages));
}
