// SPDX-License-Identifier: GPL-3.0-or-later
#include "contentnames.h"

namespace contentnames
{

const QString ClickSound = QStringLiteral("wav\\click.wav");
const QString TypeKeySound = QStringLiteral("wav\\typekey.wav");
const QString ThudSound = QStringLiteral("wav\\thud3.wav");
const QString EagleSound = QStringLiteral("wav\\eagle6.wav");

const QString TitlePicture = QStringLiteral("images\\lightning2sm.jpg");
const QString TitleFallback = QStringLiteral("images\\lightni0.jpg");
const QString MenuPicture = QStringLiteral("Images\\lightning2sm.jpg");
const QString Catalogue = QStringLiteral("multiple\\track.txt");
const QString ResultsFolder = QStringLiteral("multiple\\results");
const QString StillLogo = QStringLiteral("logo\\tavimor2.bmp");
const QString AcknowledgmentsPage = QStringLiteral("wmf\\acknowledgments.wmf");
const QString AcknowledgmentsPrintCopy = QStringLiteral("wmf2\\acknowledgments.wmf");

QStringList fixedPictures()
{
    return {TitlePicture, TitleFallback, MenuPicture, StillLogo};
}

QStringList fixedSounds()
{
    return {ClickSound, TypeKeySound, ThudSound, EagleSound};
}

} // namespace contentnames
