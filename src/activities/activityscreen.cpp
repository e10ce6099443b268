#include "activityscreen.h"

#include "appcontext.h"
#include "contentnames.h"
#include "dressform.h"
#include "fonts.h"
#include "labelbutton.h"
#include "twips.h"
#include "welldone.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace
{

const QString &Thud = contentnames::ThudSound;
const QString &Click = contentnames::ClickSound;

QRect pixelRect(const QRect &t)
{
    return twips::rect(t.x(), t.y(), t.width(), t.height());
}

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
QLabel *makeBox(QWidget *parent, const QString &caption, const QRect &twipRect, const QFont &font)
{
    auto *box = new QLabel(caption, parent);
    box->setTextFormat(Qt::PlainText);
    box->setGeometry(pixelRect(twipRect));
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

DragLabel::DragLabel(QWidget *parent) : QLabel(parent)
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
}

void DragLabel::mousePressEvent(QMouseEvent *event)
{
    // Accepting the press keeps every later move and release of this press with the label; the
    // pressed label is drawn over the other labels.
    event->accept();
    raise();
}

void DragLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT moved(buttonsOf(event->buttons()), event->position());
}

void DragLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT released();
}

ClickablePicture::ClickablePicture(const QRect &twipRect, QWidget *parent)
    : PictureBox(twipRect, parent)
{
}

void ClickablePicture::setFile(const QString &file, const QImage &image)
{
    m_file = file;
    setPicture(image);
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

ActivityScreen::ActivityScreen(AppContext &context, const activity::ActivityDesign &design)
    : Screen(context), m_design(design)
{
    // Back to front: pictures, texts, start boxes, target boxes, buttons, labels.
    for (const activity::PictureDesign &p : design.pictures) {
        auto *picture = new ClickablePicture(p.frame, this);
        m_pictures[{p.control, p.index}] = picture;
        if (p.control == QLatin1String("Image1")) {
            const int index = p.index;
            connect(picture, &ClickablePicture::clicked, this,
                    [this, index] { Image1_Click(index); });
        }
    }

    for (const activity::TextDesign &t : design.texts) {
        QLabel *label =
            addLabel(t.caption, t.rect, designFont(t.font), t.color, t.align | Qt::AlignTop);
        m_texts[{t.control, t.index}] = label;
    }
    Label6 = text(QStringLiteral("Label6"));

    const QFont itemFont = designFont(design.itemFont);
    for (const activity::ItemDesign &item : design.items)
        Label4.push_back(makeBox(this, QString(), item.start, itemFont));
    for (const activity::ItemDesign &item : design.items)
        Label1.push_back(makeBox(this, item.text, item.target, itemFont));

    for (int i = 0; i < 3; ++i) {
        const activity::ButtonDesign &b = activity::buttonDesign(i);
        auto *button = new LabelButton(b.caption, b.rect, fonts::tahoma(15.75, true), this);
        connect(button, &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
        connect(button, &LabelButton::mouseMoved, this, [this, i] { Label3_MouseMove(i); });
        Label3[size_t(i)] = button;
    }
    Label3[activity::CheckScoreButton]->hide();

    for (int i = 0; i < design.count(); ++i) {
        auto *label = new DragLabel(this);
        label->setGeometry(pixelRect(design.items[size_t(i)].start));
        label->setFont(itemFont);
        connect(label, &DragLabel::moved, this, [this, i, label](int buttons, QPointF pos) {
            // The pointer in twips, relative to where the engine holds the label.
            const activity::TwipRect &l = m_engine->label(i);
            const QPointF pointer = (QPointF(label->pos()) + pos) * twips::PerPixel;
            Label2_MouseMove(i, buttons, float(pointer.x()) - l.Left, float(pointer.y()) - l.Top);
        });
        connect(label, &DragLabel::released, this, [this, i] { Label2_MouseUp(i); });
        Label2.push_back(label);
    }

    m_engine.emplace(design.engine());
}

void ActivityScreen::Form_Load()
{
    DressForm(this);
    if (m_design.background)
        setBackColor(*m_design.background);
    loadContent();
    ctx.state.OutOf = qint16(count());
    for (int i = 0; i < count(); ++i) {
        Label4[size_t(i)]->setGeometry(Label2[size_t(i)]->geometry());
        Label2[size_t(i)]->setText(Label1[size_t(i)]->text());
        Label1[size_t(i)]->setText(QString());
    }
}

void ActivityScreen::loadContent()
{
    for (const activity::PictureDesign &p : m_design.pictures)
        setPicture(picture(p.control, p.index), p.file);
}

QLabel *ActivityScreen::text(const QString &control, int index) const
{
    const auto it = m_texts.find({control, index});
    return it == m_texts.end() ? nullptr : it->second;
}

ClickablePicture *ActivityScreen::picture(const QString &control, int index) const
{
    const auto it = m_pictures.find({control, index});
    return it == m_pictures.end() ? nullptr : it->second;
}

void ActivityScreen::setPicture(ClickablePicture *control, const QString &file)
{
    if (control)
        control->setFile(file, ctx.platform.paths.picture(file));
}

void ActivityScreen::placeLabel(int i)
{
    const activity::TwipRect &l = m_engine->label(i);
    Label2[size_t(i)]->move(pixels(l.Left), pixels(l.Top));
}

void ActivityScreen::Label2_MouseMove(int Index, int Button, float X, float Y)
{
    if (m_engine->move(Index, Button, X, Y))
        placeLabel(Index);
}

void ActivityScreen::Label2_MouseUp(int Index)
{
    const int snaps = m_engine->drop(Index);
    if (Index >= 0 && Index < count())
        placeLabel(Index);
    for (int i = 0; i < snaps; ++i)
        ctx.playSound(Thud);
    if (m_engine->checkScoreShown())
        Label3[activity::CheckScoreButton]->show();
}

void ActivityScreen::Label3_Click(int Index)
{
    m_engine->press(Index, ctx.state);
    switch (Index) {
    case activity::ExitButton:
        ctx.screens.unload(this);
        break;
    case activity::StartAgainButton:
        for (int i = 0; i < count(); ++i)
            placeLabel(i);
        Label3[activity::CheckScoreButton]->hide();
        break;
    case activity::CheckScoreButton:
        // A results screen still open from an earlier press would show the earlier score: the
        // results are worded afresh for every press.
        ctx.screens.unload<Welldone>();
        ctx.screens.show<Welldone>();
        break;
    default:
        return;
    }
    ctx.playSound(Click);
}

void ActivityScreen::Label3_MouseMove(int Index)
{
    Label3[size_t(Index)]->setOpaque(true);
}

void ActivityScreen::Form_MouseMove()
{
    for (LabelButton *button : Label3)
        button->setOpaque(false);
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
