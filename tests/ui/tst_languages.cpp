// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen in the pseudo-languages built with the program: en_XA (every text accented, 40 %
// longer and bracketed) shows a text cut off by its box or left out of the translation system;
// ar_XB (the same, right to left) shows the design's positions mirrored.
#include "uitest.h"

#include "activityscreens.h"
#include "classresults.h"
#include "labelbutton.h"
#include "language.h"
#include "mainmenu.h"
#include "pageviewer.h"
#include "quizscreen.h"
#include "resultsscreen.h"
#include "reviewscreen.h"
#include "titlescreen.h"
#include "topichub.h"
#include "topics.h"
#include "twips.h"
#include "worksheetcatalogue.h"
#include "worksheetwizard.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QTranslator>
#include <QXmlStreamReader>

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void everyScreen_data();
    void everyScreen();
};

namespace
{

// The English texts of the program, as the translation files list them.
QSet<QString> englishTexts()
{
    QFile ts(QStringLiteral(QUORVEL_SOURCE_DIR "/translations/quorvel_es.ts"));
    QSet<QString> texts;
    if (!ts.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            texts.insert(xml.readElementText());
    }
    return texts;
}

// The activities' words, which each language's content translates (labels.txt), not the
// translation files: the pseudo-languages have no content of their own.
QSet<QString> activityWords()
{
    QFile labels(QStringLiteral(QUORVEL_SOURCE_DIR "/content/es/labels.txt"));
    QSet<QString> words;
    if (labels.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(labels.readAll()).split(QLatin1Char('\n')))
            words.insert(line.section(QStringLiteral(" | "), 0, 0));
    }
    words.insert(QStringLiteral("Michael Faraday")); // a name, the same in every language
    return words;
}

// Every kind of screen, and each topic's two activities (six designs).
QList<Screen *> screens(AppContext &ctx)
{
    QList<Screen *> all = {
        ctx.screens.get<TitleScreen>(),        ctx.screens.get<MainMenu>(),
        ctx.screens.get<TopicHub>(),           ctx.screens.get<QuizScreen>(),
        ctx.screens.get<ResultsScreen>(),      ctx.screens.get<ReviewScreen>(),
        ctx.screens.get<WorksheetCatalogue>(), ctx.screens.get<WorksheetWizard>(),
        ctx.screens.get<PageViewer>(),         ctx.screens.get<ClassResults>()};
    for (int topic = 0; topic < int(topics::table().size()); ++topic)
        all << ctx.screens.get<LabellingActivity>(topic)
            << ctx.screens.get<OrderingActivity>(topic);
    return all;
}

// Why a control's text does not fit its box, as the screen shows it; empty when it does. A label
// button draws a long text smaller, down to 70 % of its size.
QString cutOff(QWidget *control, const QString &text)
{
    QFont font = control->font();
    if (qobject_cast<LabelButton *>(control) && font.pixelSize() > 0)
        font.setPixelSize(int(font.pixelSize() * 0.7));
    const auto *label = qobject_cast<QLabel *>(control);
    const QRect box = label ? label->contentsRect() : control->rect();
    const int flags = label && label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
    if (!label && control->sizeHint().width() <= control->width())
        return QString();
    if (label && needed.width() <= box.width() && needed.height() <= box.height())
        return QString();
    return QStringLiteral("%1 needs %2 x %3 px in a %4 x %5 px box")
        .arg(text)
        .arg(label ? needed.width() : control->sizeHint().width())
        .arg(needed.height())
        .arg(box.width())
        .arg(box.height());
}

} // namespace

void TestLanguages::everyScreen_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("exitLeft");
    QTest::addColumn<bool>("mirrored");
    // The menu's Exit is designed 10560 twips from the left, 1245 wide, across 12000: at 704 px,
    // and at 13 px when mirrored. Every screen's Exit at the bottom ends 11805 twips from the
    // left: at 787 px, or starts at 13 px when mirrored.
    QTest::newRow("accented") << QStringLiteral("en_XA") << 704 << false;
    QTest::newRow("right to left") << QStringLiteral("ar_XB") << 13 << true;
}

void TestLanguages::everyScreen()
{
    QFETCH(QString, code);
    QFETCH(int, exitLeft);
    QFETCH(bool, mirrored);
    QCOMPARE(language::install(*qApp, code), code);
    Harness h;
    const QSet<QString> english = englishTexts();
    const QSet<QString> content = activityWords();
    QVERIFY(content.contains(QStringLiteral("Magnetism")));
    QVERIFY(english.contains(QStringLiteral("Exit")));
    QStringList faults;
    const QString exit = QCoreApplication::translate("Buttons", "Exit");
    for (Screen *screen : screens(*h.ctx)) {
        screen->show();
        for (QWidget *control : screen->findChildren<QWidget *>()) {
            QString text;
            if (auto *label = qobject_cast<QLabel *>(control))
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                text = button->text();
            if (text.isEmpty() || !control->isVisibleTo(screen))
                continue;
            const QString where = QStringLiteral("%1: ").arg(screen->metaObject()->className());
            if (english.contains(text) && !content.contains(text))
                faults << where + QStringLiteral("%1 is not translated").arg(text);
            if (text == exit && control->y() > 500 &&
                (mirrored ? control->x() != 13 : control->geometry().right() + 1 != 787))
                faults << where + QStringLiteral("Exit from %1 to %2 px")
                                      .arg(control->x())
                                      .arg(control->geometry().right() + 1);
            const QString cut = cutOff(control, text);
            if (!cut.isEmpty())
                faults << where + cut;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(control<LabelButton>(h.ctx->screens.get<MainMenu>(), "entries", MainMenu::Exit)->x(),
             exitLeft);

    // The labels and boxes sit on the picture, which reads the same in every direction: the
    // battery dragged with the mouse to the top-left of its box (2100, 2700 twips) snaps into it
    // (2760, 2880 twips) either way.
    for (int topic = 0; topic < int(topics::table().size()); ++topic) {
        if (topics::table()[size_t(topic)].labelling().name != QLatin1String("electricitylab"))
            continue;
        ActivityScreen *lab = h.ctx->screens.get<LabellingActivity>(topic);
        auto *battery = control<DragLabel>(lab, "dragLabels", 0);
        const QPoint to = QPoint(twips::px(2100), twips::px(2700)) + battery->rect().center();
        QTest::mousePress(battery, Qt::LeftButton, {}, battery->rect().center());
        QTest::mouseMove(battery, battery->mapFrom(lab, to));
        QTest::mouseRelease(battery, Qt::LeftButton, {}, battery->mapFrom(lab, to));
        QCOMPARE(battery->pos(), QPoint(twips::px(2760), twips::px(2880)));
    }

    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
