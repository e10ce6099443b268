// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsscreen.h"

#include "appcontext.h"
#include "captionlabel.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "journal.h"
#include "labelbutton.h"
#include "picturebox.h"
#include "printlayouts.h"
#include "results.h"
#include "reviewscreen.h"
#include "standardlook.h"
#include "twips.h"

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

ResultsScreen::ResultsScreen(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    headline = addLabel(QCoreApplication::translate("ResultsScreen", "Well Done!"),
                        {0, 120, 12000, 900}, fonts::tahoma(36, true), yellow);
    celebrationPicture = new PictureBox({5880, 1440, 4800, 3600}, this);
    scoreText = addLabel(QString(), {0, 5400, 12000, 855}, fonts::times(24), yellow);
    hintText = addLabel(QString(), {1680, 6000, 8640, 1335}, fonts::times(24), yellow);
    hintText->hide();
    adviceText =
        addLabel(QCoreApplication::translate("ReviewScreen", "Read the Key Facts and try again."),
                 {0, 6240, 12000, 855}, fonts::times(24), yellow);

    pupilName = new QLineEdit(this);
    pupilName->setGeometry(twips::rect(3120, 6600, 5760, 615));
    pupilName->setFont(fonts::times(24));
    pupilName->setMaxLength(journal::MaxName);
    pupilName->setObjectName(QStringLiteral("pupilName"));
    pupilName->setAccessibleName(QCoreApplication::translate("ResultsScreen", "Your name"));
    pupilName->hide();
    nameHint = addLabel(
        QCoreApplication::translate(
            "ResultsScreen", "Enter your name in the box above before printing your certificate"),
        {3120, 7440, 5775, 855}, fonts::times(18), yellow);
    nameHint->hide();

    notKeptLine = addLabel(QString(), {0, 8400, 10440, 375}, fonts::tahoma(9.75), yellow);
    notKeptLine->hide();

    buttons[CertificateOrReview] =
        new LabelButton(QString(), {240, 1800, 3765, 495}, fonts::tahoma(15.75, true), this);
    buttons[CertificateOrReview]->hide();
    buttons[Exit] = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                                    {10560, 7920, 1245, 495}, fonts::tahoma(15.75, true), this);
    setExitButton(buttons[Exit]);
    for (int i = 0; i < 2; ++i) {
        connect(buttons[i], &LabelButton::clicked, this, [this, i] { buttonClicked(i); });
        hover.add(buttons[i]);
    }

    pictureTimer = oneShot(this, 1);
    focusTimer = oneShot(this, 10);
    soundTimer = oneShot(this, 1);
    connect(pictureTimer, &QTimer::timeout, this, &ResultsScreen::showPicture);
    connect(focusTimer, &QTimer::timeout, this, &ResultsScreen::focusName);
    connect(soundTimer, &QTimer::timeout, this, &ResultsScreen::celebrate);

    random = [] {
        QRandomGenerator generator(
            static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xffffffff));
        return generator.generateDouble();
    };

    controlnames::name({{headline, "headline"},
                        {celebrationPicture, "celebrationPicture"},
                        {scoreText, "scoreText"},
                        {hintText, "hintText"},
                        {adviceText, "adviceText"},
                        {pupilName, "pupilName"},
                        {nameHint, "nameHint"},
                        {notKeptLine, "notKeptLine"},
                        {pictureTimer, "pictureTimer"},
                        {focusTimer, "focusTimer"},
                        {soundTimer, "soundTimer"}});
    controlnames::nameArray(buttons, "buttons");
}

void ResultsScreen::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Results"));
    applyStandardLook(this, celebrationPicture);
    const results::Wording w = results::word(ctx.state.score, ctx.state.outOf);
    if (w.matched) {
        scoreText->setText(w.sentence);
        buttons[CertificateOrReview]->setText(w.buttonCaption);
        if (w.fullMarks) {
            adviceText->hide();
            buttons[CertificateOrReview]->show();
            pupilName->setText(ctx.player.name);
            pupilName->show();
            nameHint->show();
        } else {
            hintText->setText(w.hint);
        }
    }
    pictureTimer->start();
}

QStringList ResultsScreen::spokenText() const
{
    QStringList texts{scoreText->text()};
    if (hintText->isVisibleTo(this))
        texts.append(hintText->text());
    return texts;
}

void ResultsScreen::afterShow()
{
    const QString score = spokenText().join(QLatin1Char(' '));
    for (QWidget *w : {static_cast<QWidget *>(buttons[CertificateOrReview]),
                       static_cast<QWidget *>(buttons[Exit]), static_cast<QWidget *>(pupilName)})
        w->setAccessibleDescription(score);
}

void ResultsScreen::warmNext()
{
    if (ReviewScreen *review = ctx.screens.loaded<ReviewScreen>())
        drawCaptionsAhead(review);
}

void ResultsScreen::showQuizResult(const QString &notKept)
{
    adviceText->hide();
    hintText->show();
    buttons[CertificateOrReview]->show();
    showNotKept(notKept);
    showScreen();
}

void ResultsScreen::showNotKept(const QString &notKept)
{
    notKeptLine->setText(QCoreApplication::translate(
                             "ResultsScreen", "Your result could not be kept for your teacher. ") +
                         notKept);
    notKeptLine->setVisible(!notKept.isEmpty());
}

void ResultsScreen::warmPicture() const
{
    ctx.platform.paths.picture(contentnames::TitlePicture, celebrationPicture->devicePixels());
}

void ResultsScreen::showPicture()
{
    pictureTimer->stop();
    // A missing picture leaves the box empty; the chain goes on either way.
    celebrationPicture->load(ctx.platform.paths, contentnames::TitlePicture);
    focusTimer->start();
}

void ResultsScreen::focusName()
{
    focusTimer->stop();
    if (pupilName->isVisible())
        pupilName->setFocus();
    for (LabelButton *b : buttons)
        b->setOpaque(true);
    soundTimer->start();
}

void ResultsScreen::celebrate()
{
    soundTimer->stop();
    if (ctx.state.soundOn != 1)
        return;
    const QString sound = results::celebrationSound(ctx.state.score, ctx.state.outOf, random());
    if (!sound.isEmpty())
        ctx.playSound(sound);
}

void ResultsScreen::printPage()
{
    // The long-topic test measures in a small screen font, as the screen's own default font.
    const QFontMetrics screenFont(fonts::arial(8.25));
    printlayouts::Certificate c;
    c.topic = ctx.state.topicName;
    c.pupil = pupilName->text();
    c.score = ctx.state.score;
    c.outOf = ctx.state.outOf;
    c.topicScreenWidth = twips::fromPx(screenFont.horizontalAdvance(c.topic));
    const PrintJob job = printlayouts::certificate(ctx.platform.printer, c);
    printAndReport(
        ctx.platform, this, job,
        QCoreApplication::translate("ResultsScreen", "Certificate %1.pdf").arg(c.pupil),
        QCoreApplication::translate("ResultsScreen", "Your certificate is now printing."),
        QStringLiteral("certificate"));
}

void ResultsScreen::buttonClicked(int Index)
{
    if (Index == CertificateOrReview) {
        if (ctx.state.outOf == ctx.state.score) {
            printPage();
            return;
        }
        ctx.screens.show<ReviewScreen>();
    } else if (Index == Exit) {
        ctx.screens.unload<ReviewScreen>();
        ctx.screens.unload(this);
    }
    ctx.playSound(contentnames::ClickSound);
}
