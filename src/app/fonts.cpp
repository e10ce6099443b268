// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include "twips.h"

#include <QFile>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace fonts
{

namespace
{

// The regular Tahoma face of Debian's fonts-wine, which fontconfig does not list. Its bold face
// is left out: it has the regular face's stroke weight and only wider spacing, so bold text read
// as spaced-out plain text. Without it, bold Tahoma is the regular face emboldened.
const char *const TahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
};

// The bold face's advances exceed the regular face's by about 0.08 em a letter (0.075 keeps
// every layout measured with the bold face inside its box); its space is 0.02 em narrower.
constexpr double BoldLetterEm = 0.075;
constexpr double BoldSpaceEm = -0.02;

} // namespace

bool loadConfiguration()
{
    // Fontconfig's own start-up also parses every file of its folder of configuration templates,
    // which only its listing tools use: 1.5 ms of XML at each start. The same configuration is
    // loaded here and made current, so Qt's font database finds it ready. Anything unusual (a
    // configuration that does not load, no cache folder, fontconfig's debugging asked for) is
    // left to fontconfig's own start-up. Faces the program adds go into the configuration that is
    // current, so this runs before the first of them.
    static const bool ours = [] {
        if (qEnvironmentVariableIsSet("FC_DEBUG"))
            return false;
        FcConfig *config = FcConfigCreate();
        if (!config)
            return false;
        bool usable = FcConfigParseAndLoad(config, nullptr, FcTrue) == FcTrue;
        if (usable) {
            FcStrList *cacheDirs = FcConfigGetCacheDirs(config);
            usable = cacheDirs && FcStrListNext(cacheDirs);
            if (cacheDirs)
                FcStrListDone(cacheDirs);
        }
        usable = usable && FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
        FcConfigDestroy(config); // the current configuration keeps its own reference
        return usable;
    }();
    return ours;
}

namespace
{

// Tahoma is registered when the first Tahoma font is made, not at start-up: the title screen has
// none, and reading the face would delay it.
QStringList registerTahoma()
{
    loadConfiguration(); // before the first face is added to the configuration
    // Nothing here asks the font database what it has: that would make it load every family on
    // the machine, which costs more than the rest of start-up together.
    for (const char *file : TahomaFiles) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            return {};
    }
    return {QStringLiteral("Tahoma")};
}

void substituteOnce()
{
    static const bool done = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

QStringList registerDesignFaces()
{
    substituteOnce();
    static const QStringList missing = registerTahoma();
    return missing;
}

QFont design(const QString &family, double points, bool bold)
{
    if (family == QLatin1String("Tahoma"))
        registerDesignFaces();
    else
        substituteOnce();
    QFont font(family);
    font.setPixelSize(twips::fontPx(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (bold && family == QLatin1String("Tahoma")) {
        const double px = font.pixelSize();
        font.setLetterSpacing(QFont::AbsoluteSpacing, BoldLetterEm * px);
        font.setWordSpacing((BoldSpaceEm - BoldLetterEm) * px);
    }
    return font;
}

} // namespace fonts
