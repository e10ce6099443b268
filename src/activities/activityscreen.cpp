// SPDX-License-Identifier: GPL-3.0-or-later
#include "activityscreen.h"

#include "access.h"
#include "activitylabels.h"
#include "appcontext.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "pupils.h"
#include "resultsscreen.h"
#include "standardlook.h"
#include "twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <cmath>

namespace
{

const QString &Thud = contentnames::ThudSound;
const QString &Click = contentnames::ClickSound;

int pixels(float t)
{
    return twips::px(int(std::lround(t)));
}

QFont designFont(const activity::FontDesign &f)
{
    return fonts::design(f.family, f.points, f.bold);
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

// A bordered box in the item font: a target box (carrying its text until load) or a start box.
DropBox *makeBox(QWidget *parent, const QString &caption, const QRect &twipRect, const QFont &font)
{
    auto *box = new DropBox(caption, parent);
    box->setTextFormat(Qt::PlainText);
    access::setRole(box, access::Role::StaticText);
    box->setGeometry(twips::onPicture(twipRect));
    box->setFont(font);
    box->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    box->setWordWrap(true);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    setTextColor(box, activity::yellow());
    box->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    return box;
}

int buttonsOf(Qt::MouseButtons buttons)
{
    int b = 0;
    if (buttons & Qt::LeftButton)
        b |= activity::LeftButton;
    if (buttons & Qt::RightButton)
        b |= activity::RightButton;
    if (buttons & Qt::MiddleButton)
        b |= activity::MiddleButton;
    return b;
}

} // namespace

DragLabel::DragLabel(QWidget *parent) : PlainLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, activity::yellow());
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    access::setRole(this, access::Role::PushButton);
}

void DragLabel::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    setAccessibleName(held ? text() + QCoreApplication::translate("ActivityScreen", ", picked up")
                           : QString());
    update();
}

int DragLabel::clickDistance()
{
    return std::max(4, QGuiApplication::styleHints()->startDragDistance());
}

void DragLabel::mousePressEvent(QMouseEvent *event)
{
    // Accepting the press keeps every later move and release of this press with the label; the
    // pressed label is drawn over the other labels.
    event->accept();
    raise();
    const bool first = (event->buttons() & ~event->button()) == Qt::NoButton;
    m_maybeClick = first && event->button() == Qt::LeftButton;
    m_pressedAt = event->globalPosition();
}

void DragLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (m_maybeClick) {
        if (QLineF(m_pressedAt, event->globalPosition()).length() <= clickDistance())
            return;
        m_maybeClick = false;
    }
    Q_EMIT moved(buttonsOf(event->buttons()), event->position());
}

void DragLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_swallowRelease) {
        m_swallowRelease = false;
        return;
    }
    const bool click = m_maybeClick && event->button() == Qt::LeftButton;
    const bool far = QLineF(m_pressedAt, event->globalPosition()).length() > clickDistance();
    m_maybeClick = false;
    if (click && !far) {
        Q_EMIT clicked();
        return;
    }
    // A press that jumped away without reporting a move is still a drag to the release point.
    if (click)
        Q_EMIT moved(activity::LeftButton, event->position());
    Q_EMIT released();
}

void DragLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click completes nothing: a double-click is one click.
    event->accept();
    m_maybeClick = false;
    m_swallowRelease = true;
}

void DragLabel::focusInEvent(QFocusEvent *event)
{
    // A label reached by the keyboard is drawn over the others. The focus coming back with its
    // window leaves the label where it is: raising it would only draw it again.
    if (event->reason() != Qt::ActiveWindowFocusReason)
        raise();
    access::pointAt(nullptr);
    PlainLabel::focusInEvent(event);
}

void DragLabel::focusOutEvent(QFocusEvent *event)
{
    PlainLabel::focusOutEvent(event);
    Q_EMIT focusLost();
}

void DragLabel::paintEvent(QPaintEvent *event)
{
    PlainLabel::paintEvent(event);
    if (!m_held)
        return;
    QPainter painter(this);
    access::drawHeldRing(painter, rect());
}

void DropBox::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
    event->accept();
}

void DropBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, this))
        Q_EMIT clicked();
}

ClickablePicture::ClickablePicture(const QRect &twipRect, QWidget *parent)
    : PictureBox(twipRect, parent)
{
    // A part of the activity's picture, in the same place in every language.
    setGeometry(twips::onPicture(twipRect));
}

void ClickablePicture::setFile(const QString &file, const QImage &image)
{
    m_file = file;
    setPicture(image);
}

void ClickablePicture::describe(const QString &description)
{
    if (focusPolicy() == Qt::NoFocus) {
        setFocusPolicy(Qt::StrongFocus);
        access::setRole(this, access::Role::Button);
    }
    if (accessibleName() != description)
        setAccessibleName(description);
}

void ClickablePicture::keyPressEvent(QKeyEvent *event)
{
    if (focusPolicy() != Qt::NoFocus &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space)) {
        event->accept();
        click();
        return;
    }
    PictureBox::keyPressEvent(event);
}

void ClickablePicture::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
    event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, this))
        Q_EMIT clicked();
}

ActivityScreen::ActivityScreen(AppContext &context, const activity::ActivityDesign &design,
                               const QString &kind)
    : Screen(context), m_design(design), m_kind(kind)
{
    const ActivityLabels words(ctx.platform.paths.path(QLatin1String(ActivityLabels::FileName)));
    // Back to front: pictures, texts, start boxes, target boxes, buttons, labels.
    for (const activity::PictureDesign &p : design.pictures) {
        auto *picture = new ClickablePicture(p.frame, this);
        if (p.control == activity::PictureArray::BackPictures) {
            backPictures[p.index] = picture;
            const int index = p.index;
            connect(picture, &ClickablePicture::clicked, this,
                    [this, index] { pictureClicked(index); });
        } else {
            frontPictures[p.index] = picture;
        }
        connect(picture, &ClickablePicture::clicked, this, &ActivityScreen::putDown);
    }

    for (const activity::TextDesign &t : design.texts) {
        QLabel *label =
            addLabel(words(t.caption), t.rect, designFont(t.font), t.color, t.align | Qt::AlignTop);
        texts.push_back(label);
    }
    heading = texts.front(); // the design's first text is always the heading

    const QFont itemFont = designFont(design.itemFont);
    const int n = design.count();
    for (const activity::ItemDesign &item : design.items) {
        startBoxes.push_back(makeBox(this, QString(), item.start, itemFont));
        const int box = n + int(startBoxes.size()) - 1;
        connect(startBoxes.back(), &DropBox::clicked, this, [this, box] { boxClicked(box); });
    }
    for (const activity::ItemDesign &item : design.items) {
        targetBoxes.push_back(makeBox(this, words(item.text), item.target, itemFont));
        const int box = int(targetBoxes.size()) - 1;
        connect(targetBoxes.back(), &DropBox::clicked, this, [this, box] { boxClicked(box); });
    }

    for (int i = 0; i < 3; ++i) {
        const activity::ButtonDesign &b = activity::buttonDesign(i);
        auto *button = new LabelButton(
            QCoreApplication::translate("Buttons", b.caption.toLatin1().constData()), b.rect,
            fonts::tahoma(15.75, true), this);
        connect(button, &LabelButton::clicked, this, [this, i] { actionClicked(i); });
        hover.add(button);
        actionButtons[size_t(i)] = button;
    }
    actionButtons[activity::CheckScoreButton]->hide();

    for (int i = 0; i < design.count(); ++i) {
        auto *label = new DragLabel(this);
        label->setGeometry(twips::onPicture(design.items[size_t(i)].start));
        label->setFont(itemFont);
        connect(label, &DragLabel::moved, this, [this, i, label](int buttons, QPointF pos) {
            // The pointer in twips, relative to where the engine holds the label.
            const activity::TwipRect &l = m_engine->label(i);
            const QPointF pointer = (QPointF(label->pos()) + pos) * twips::PerPixel;
            labelMoved(i, buttons, float(pointer.x()) - l.Left, float(pointer.y()) - l.Top);
        });
        connect(label, &DragLabel::released, this, [this, i] { labelReleased(i); });
        connect(label, &DragLabel::clicked, this, [this, i] { labelClicked(i); });
        connect(label, &DragLabel::focusLost, this, [this, i] {
            if (m_engine->held() == i)
                putDown();
        });
        dragLabels.push_back(label);
    }

    m_engine.emplace(design.engine());

    controlnames::nameArray(backPictures, "backPictures");
    controlnames::nameArray(frontPictures, "frontPictures");
    controlnames::nameArray(texts, "texts");
    controlnames::nameArray(targetBoxes, "targetBoxes");
    controlnames::nameArray(dragLabels, "dragLabels");
    controlnames::nameArray(startBoxes, "startBoxes");
    controlnames::nameArray(actionButtons, "actionButtons");
    heading->setObjectName(QStringLiteral("heading")); // texts[0]
    // A screen reader speaks the window's description, the instructions, as the window opens.
    setAccessibleDescription(spokenText().join(QLatin1Char(' ')));
}

ActivityScreen::~ActivityScreen()
{
    for (DragLabel *label : dragLabels)
        label->disconnect(this);
}

void ActivityScreen::load()
{
    applyStandardLook(this);
    if (m_design.background)
        setBackColor(*m_design.background);
    loadContent();
    ctx.state.outOf = qint16(count());
    for (int i = 0; i < count(); ++i) {
        startBoxes[size_t(i)]->setGeometry(dragLabels[size_t(i)]->geometry());
        dragLabels[size_t(i)]->setText(targetBoxes[size_t(i)]->text());
        targetBoxes[size_t(i)]->setText(QString());
    }
    m_started = QDateTime::currentDateTime();
    refresh();
}

void ActivityScreen::loadContent()
{
    for (const activity::PictureDesign &p : m_design.pictures)
        setPicture(picture(p), p.file);
}

ClickablePicture *ActivityScreen::picture(const activity::PictureDesign &p) const
{
    return (p.control == activity::PictureArray::BackPictures ? backPictures : frontPictures)
        .at(p.index);
}

void ActivityScreen::setPicture(ClickablePicture *control, const QString &file)
{
    if (control)
        control->setFile(file, ctx.platform.paths.picture(file, control->devicePixels()));
}

void ActivityScreen::warmNext()
{
    ctx.screens.build<ResultsScreen>()->warmPicture();
}

void ActivityScreen::warm(const ClickablePicture *control, const char *file) const
{
    if (control)
        ctx.platform.paths.picture(QString::fromLatin1(file), control->devicePixels());
}

void ActivityScreen::placeLabel(int i)
{
    const activity::TwipRect &l = m_engine->label(i);
    dragLabels[size_t(i)]->move(pixels(l.Left), pixels(l.Top));
}

void ActivityScreen::labelMoved(int Index, int Button, float X, float Y)
{
    // A drag takes over from any label held for placing by clicks or keys.
    if (m_engine->held() >= 0)
        putDown();
    if (m_engine->move(Index, Button, X, Y))
        placeLabel(Index);
}

void ActivityScreen::labelReleased(int Index)
{
    dropped(Index, m_engine->drop(Index));
}

void ActivityScreen::labelClicked(int Index)
{
    if (m_engine->held() == Index)
        m_engine->putDown();
    else
        m_engine->pickUp(Index);
    refresh();
    sayLabel(Index, m_engine->held() == Index
                        ? QCoreApplication::translate("ActivityScreen", "picked up")
                        : QCoreApplication::translate("ActivityScreen", "put down"));
}

QStringList ActivityScreen::spokenText() const
{
    std::vector<QLabel *> ordered = texts;
    std::stable_sort(ordered.begin(), ordered.end(), [](const QLabel *a, const QLabel *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    QStringList spoken;
    for (const QLabel *t : ordered) {
        if (t->isVisibleTo(this) && !t->text().trimmed().isEmpty())
            spoken << t->text();
    }
    return spoken;
}

void ActivityScreen::sayLabel(int i, const QString &what)
{
    if (i < 0 || i >= count())
        return;
    const DropBox *under = boxUnder(i);
    const QString box = under ? under->accessibleName() : QString();
    const QString label = dragLabels[size_t(i)]->text();
    ctx.readAloud.say(box.isEmpty() ? QStringLiteral("%1, %2.").arg(label, what)
                                    : QStringLiteral("%1, %2. %3").arg(label, what, box));
}

void ActivityScreen::sayMovedTo()
{
    const int box = m_engine->steppedTo();
    if (box < 0 || box >= m_engine->dropBoxCount())
        return;
    ctx.readAloud.say(QStringLiteral("To ") + dropBox(box)->accessibleName());
}

DropBox *ActivityScreen::dropBox(int b) const
{
    const int n = count();
    return b < n ? targetBoxes[size_t(b)] : startBoxes[size_t(b - n)];
}

DropBox *ActivityScreen::boxUnder(int i) const
{
    for (int b = 0; b < m_engine->dropBoxCount(); ++b) {
        if (activity::isOn(m_engine->label(i), m_engine->dropBox(b)))
            return dropBox(b);
    }
    return nullptr;
}

void ActivityScreen::boxClicked(int Box)
{
    const int i = m_engine->held();
    if (i >= 0)
        dropped(i, m_engine->place(Box));
}

void ActivityScreen::dropped(int i, int snaps)
{
    if (i >= 0 && i < count())
        placeLabel(i);
    for (int k = 0; k < snaps; ++k)
        ctx.playSound(Thud);
    if (m_engine->checkScoreShown())
        actionButtons[activity::CheckScoreButton]->show();
    refresh();
    sayLabel(i, QStringLiteral("dropped"));
}

void ActivityScreen::putDown()
{
    const int i = m_engine->held();
    if (i < 0)
        return;
    m_engine->putDown();
    refresh();
    if (dragLabels[size_t(i)]->hasFocus())
        pointAtLabel(i);
}

void ActivityScreen::pointAtLabel(int i)
{
    const DropBox *under = boxUnder(i);
    access::pointAt(dragLabels[size_t(i)], under ? under->accessibleName() : QString());
}

void ActivityScreen::refresh()
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        placeLabel(i);
        dragLabels[size_t(i)]->setHeld(m_engine->held() == i);
    }
    if (m_engine->held() >= 0)
        dragLabels[size_t(m_engine->held())]->raise();
    for (int box = 0; box < m_engine->dropBoxCount(); ++box) {
        QStringList holds;
        for (int i = 0; i < n; ++i) {
            if (activity::isOn(m_engine->label(i), m_engine->dropBox(box)))
                holds << dragLabels[size_t(i)]->text();
        }
        const QString held =
            holds.isEmpty() ? QCoreApplication::translate("ActivityScreen", "empty")
                            : holds.join(QCoreApplication::translate("ActivityScreen", " and "));
        const QString &place = box < n ? m_design.items[size_t(box)].box : QString();
        const QString name =
            !place.isEmpty()
                ? QCoreApplication::translate("ActivityScreen", "%1: %2")
                      .arg(
                          QCoreApplication::translate("ActivityScreen", place.toUtf8().constData()),
                          held)
                : (box < n
                       ? QCoreApplication::translate("ActivityScreen", "Box %1 of %2: %3")
                       : QCoreApplication::translate("ActivityScreen", "Start box %1 of %2: %3"))
                      .arg(box % n + 1)
                      .arg(n)
                      .arg(held);
        QLabel *w = box < n ? targetBoxes[size_t(box)] : startBoxes[size_t(box - n)];
        if (w->accessibleName() != name)
            w->setAccessibleName(name);
    }
}

void ActivityScreen::keyPressEvent(QKeyEvent *event)
{
    const auto it = std::find(dragLabels.begin(), dragLabels.end(), focusWidget());
    const int focused = it == dragLabels.end() ? -1 : int(it - dragLabels.begin());
    const int held = m_engine->held();
    int direction = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (focused < 0 || event->isAutoRepeat())
            break;
        event->accept();
        if (held != focused) {
            m_engine->pickUp(focused);
            refresh();
            sayLabel(focused, QCoreApplication::translate("ActivityScreen", "picked up"));
            // A screen reader hears the box the label lies on, then each box it is moved to.
            access::pointAt(boxUnder(focused), dragLabels[size_t(focused)]->accessibleName());
        } else if (m_engine->steppedTo() < 0) {
            putDown();
        } else {
            dropped(focused, m_engine->place(m_engine->steppedTo()));
            pointAtLabel(focused);
        }
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        direction = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        direction = -1;
        break;
    default:
        break;
    }
    if (direction != 0 && held >= 0) {
        event->accept();
        m_engine->step(direction);
        refresh();
        sayMovedTo();
        access::pointAt(dropBox(m_engine->steppedTo()));
        return;
    }
    Screen::keyPressEvent(event);
}

void ActivityScreen::escapePressed()
{
    if (m_engine->held() >= 0)
        putDown();
    else
        actionClicked(activity::ExitButton);
}

void ActivityScreen::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on the background puts a held label down.
    if (event->button() == Qt::LeftButton)
        putDown();
    Screen::mouseReleaseEvent(event);
}

QList<QWidget *> ActivityScreen::tabOrder() const
{
    // The labels in reading order of where they start (top to bottom, then left to right).
    std::vector<DragLabel *> labels = dragLabels;
    std::stable_sort(labels.begin(), labels.end(), [this](const DragLabel *a, const DragLabel *b) {
        const auto at = [this](const DragLabel *l) {
            const auto i =
                size_t(std::find(dragLabels.begin(), dragLabels.end(), l) - dragLabels.begin());
            return m_design.items[i].start;
        };
        const QRect pa = at(a), pb = at(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QList<QWidget *> order(labels.begin(), labels.end());
    order << actionButtons[activity::CheckScoreButton] << actionButtons[activity::StartAgainButton]
          << actionButtons[activity::ExitButton];
    for (QWidget *w : Screen::tabOrder()) {
        if (!order.contains(w))
            order << w;
    }
    return order;
}

void ActivityScreen::actionClicked(int Index)
{
    m_engine->press(Index, ctx.state);
    switch (Index) {
    case activity::ExitButton:
        ctx.screens.unload(this);
        break;
    case activity::StartAgainButton:
        refresh();
        actionButtons[activity::CheckScoreButton]->hide();
        m_started = QDateTime::currentDateTime();
        break;
    case activity::CheckScoreButton: {
        journal::Record record;
        record.started = m_started;
        record.finished = QDateTime::currentDateTime();
        record.topic = heading->text();
        record.activity = m_kind;
        record.score = ctx.state.score;
        record.outOf = ctx.state.outOf;
        const QString notKept = pupils::keep(ctx, record);
        // A results screen still open from an earlier press would show the earlier score: the
        // results are worded afresh for every press.
        ctx.screens.unload<ResultsScreen>();
        ResultsScreen *results = ctx.screens.get<ResultsScreen>();
        results->showNotKept(notKept);
        results->showScreen();
        break;
    }
    default:
        return;
    }
    ctx.playSound(Click);
}

void ActivityScreen::open(const QString &topic)
{
    // The topic in the activity's own words ("Electricidad"), as its quiz names it in the results.
    const ActivityLabels words(ctx.platform.paths.path(QLatin1String(ActivityLabels::FileName)));
    const QString title = words(topic);
    heading->setText(title);
    nameWindow(this, (m_kind == QLatin1String("Labelling")
                          ? QCoreApplication::translate("Screens", "%1 labelling activity")
                          : QCoreApplication::translate("Screens", "%1 ordering activity"))
                         .arg(title));
    showScreen();
}

void ActivityScreen::paintEvent(QPaintEvent *event)
{
    Screen::paintEvent(event);
    if (m_design.lines.empty())
        return;
    QPainter painter(this);
    for (const activity::LineDesign &l : m_design.lines) {
        painter.setPen(QPen(l.color, 3));
        painter.drawLine(twips::px(l.line.x1()), twips::px(l.line.y1()), twips::px(l.line.x2()),
                         twips::px(l.line.y2()));
    }
}
