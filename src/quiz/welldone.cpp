// SPDX-License-Identifier: GPL-3.0-or-later
#include "welldone.h"

#include "appcontext.h"
#include "contentnames.h"
#include "fonts.h"
#include "journal.h"
#include "labelbutton.h"
#include "picturebox.h"
#include "printlayouts.h"
#include "results.h"
#include "standardlook.h"
#include "twips.h"
#include "wrong.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>

namespace
{

QTimer *oneShot(QObject *parent, int ms)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    return timer;
}

} // namespace

Welldone::Welldone(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    Label4 = addLabel(QCoreApplication::translate("ResultsScreen", "Well Done!"),
                      {0, 120, 12000, 900}, fonts::tahoma(36, true), yellow);
    Picture1 = new PictureBox({5880, 1440, 4800, 3600}, this);
    Label1 = addLabel(QString(), {0, 5400, 12000, 855}, fonts::times(24), yellow);
    Label5 = addLabel(QString(), {1680, 6000, 8640, 1335}, fonts::times(24), yellow);
    Label5->hide();
    Label6 =
        addLabel(QCoreApplication::translate("ReviewScreen", "Read the Key Facts and try again."),
                 {0, 6240, 12000, 855}, fonts::times(24), yellow);

    Text1 = new QLineEdit(this);
    Text1->setGeometry(twips::rect(3120, 6600, 5760, 615));
    Text1->setFont(fonts::times(24));
    Text1->setMaxLength(journal::MaxName);
    Text1->hide();
    Label2 = addLabel(
        QCoreApplication::translate(
            "ResultsScreen", "Enter your name in the box above before printing your certificate"),
        {3120, 7440, 5775, 855}, fonts::times(18), yellow);
    Label2->hide();

    notKeptLine = addLabel(QString(), {0, 8400, 10440, 375}, fonts::tahoma(9.75), yellow);
    notKeptLine->hide();

    Label3[CertificateOrReview] =
        new LabelButton(QString(), {240, 1800, 3765, 495}, fonts::tahoma(15.75, true), this);
    Label3[CertificateOrReview]->hide();
    Label3[Exit] = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                                   {10560, 7920, 1245, 495}, fonts::tahoma(15.75, true), this);
    setExitButton(Label3[Exit]);
    for (int i = 0; i < 2; ++i) {
        connect(Label3[i], &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
        hover.add(Label3[i]);
    }

    Timer1 = oneShot(this, 1);
    Timer2 = oneShot(this, 10);
    Timer3 = oneShot(this, 1);
    connect(Timer1, &QTimer::timeout, this, &Welldone::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Welldone::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Welldone::Timer3_Timer);

    random = [] {
        QRandomGenerator generator(
            static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xffffffff));
        return generator.generateDouble();
    };
}

void Welldone::Form_Load()
{
    applyStandardLook(this, Picture1);
    const results::Wording w = results::word(ctx.state.Score, ctx.state.OutOf);
    if (w.matched) {
        Label1->setText(w.sentence);
        Label3[CertificateOrReview]->setText(w.buttonCaption);
        if (w.fullMarks) {
            Label6->hide();
            Label3[CertificateOrReview]->show();
            Text1->setText(ctx.player.name);
            Text1->show();
            Label2->show();
        } else {
            Label5->setText(w.hint);
        }
    }
    Timer1->start();
}

QStringList Welldone::spokenText() const
{
    QStringList texts{Label1->text()};
    if (Label5->isVisibleTo(this))
        texts.append(Label5->text());
    return texts;
}

void Welldone::showQuizResult(const QString &notKept)
{
    Label6->hide();
    Label5->show();
    Label3[CertificateOrReview]->show();
    showNotKept(notKept);
    showScreen();
}

void Welldone::showNotKept(const QString &notKept)
{
    notKeptLine->setText(QStringLiteral("Your result could not be kept for your teacher. ") +
                         notKept);
    notKeptLine->setVisible(!notKept.isEmpty());
}

void Welldone::warmPicture() const
{
    ctx.platform.paths.picture(contentnames::TitlePicture, Picture1->devicePixels());
}

void Welldone::Timer1_Timer()
{
    Timer1->stop();
    // A missing picture leaves the box empty; the chain goes on either way.
    Picture1->load(ctx.platform.paths, contentnames::TitlePicture);
    Timer2->start();
}

void Welldone::Timer2_Timer()
{
    Timer2->stop();
    if (Text1->isVisible())
        Text1->setFocus();
    for (LabelButton *b : Label3)
        b->setOpaque(true);
    Timer3->start();
}

void Welldone::Timer3_Timer()
{
    Timer3->stop();
    if (ctx.state.SoundOn != 1)
        return;
    const QString sound = results::celebrationSound(ctx.state.Score, ctx.state.OutOf, random());
    if (!sound.isEmpty())
        ctx.playSound(sound);
}

void Welldone::Printpage()
{
    // The long-topic test measures in a small screen font, as the screen's own default font.
    const QFontMetrics screenFont(fonts::arial(8.25));
    printlayouts::Certificate c;
    c.topic = ctx.state.TopicName;
    c.pupil = Text1->text();
    c.score = ctx.state.Score;
    c.outOf = ctx.state.OutOf;
    c.topicScreenWidth = twips::fromPx(screenFont.horizontalAdvance(c.topic));
    const PrintJob job = printlayouts::certificate(ctx.platform.printer, c);
    printAndReport(
        ctx.platform, this, job,
        QCoreApplication::translate("ResultsScreen", "Certificate %1.pdf").arg(c.pupil),
        QCoreApplication::translate("ResultsScreen", "Your certificate is now printing."),
        QStringLiteral("certificate"));
}

void Welldone::Label3_Click(int Index)
{
    if (Index == CertificateOrReview) {
        if (ctx.state.OutOf == ctx.state.Score) {
            Printpage();
            return;
        }
        ctx.screens.show<Wrong>();
    } else if (Index == Exit) {
        ctx.screens.unload<Wrong>();
        ctx.screens.unload(this);
    }
    ctx.playSound(contentnames::ClickSound);
}
