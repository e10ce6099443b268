// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include "labelbutton.h"

#include <QAbstractButton>
#include <QLabel>

namespace
{

constexpr qreal MinimumTextScale = 0.6;
const char DesignSize[] = "quorvelDesignPixelSize";
const char FittedFor[] = "quorvelFittedFor";

bool fits(const QWidget *control, const QFont &font)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label)
        return control->sizeHint().width() <= control->width();
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(font).boundingRect(box, flags, label->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

} // namespace

void fitTextsToBoxes(QWidget *screen)
{
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(control);
        const auto *button = qobject_cast<QAbstractButton *>(control);
        if ((!label && !button) || qobject_cast<PlainLabel *>(control) ||
            (label && (label->text().isEmpty() || label->textFormat() != Qt::PlainText)))
            continue;
        // A control is fitted again only when its text, its box or its look has changed since it
        // was last fitted: a screen shown again measures nothing.
        const QString fittedFor = (label ? label->text() : button->text()) + QLatin1Char('\n') +
                                  QString::number(control->width()) + QLatin1Char('x') +
                                  QString::number(control->height()) + QLatin1Char('\n') +
                                  control->styleSheet();
        if (control->property(FittedFor).toString() == fittedFor)
            continue;
        control->setProperty(FittedFor, fittedFor);
        QFont font = control->font();
        int design = control->property(DesignSize).toInt();
        if (design == 0) {
            design = font.pixelSize();
            if (design <= 0)
                continue;
            control->setProperty(DesignSize, design);
        }
        for (int size = design; size >= design * MinimumTextScale; --size) {
            if (font.pixelSize() != size) {
                font.setPixelSize(size);
                control->setFont(font);
            }
            if (fits(control, font))
                break;
        }
    }
}
