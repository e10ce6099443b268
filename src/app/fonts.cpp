#include "fonts.h"

#include "twips.h"

#include <QFile>
#include <QFontDatabase>

namespace fonts
{

namespace
{

// The Tahoma faces of Debian's fonts-wine, which fontconfig does not list.
const char *const TahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

} // namespace

namespace
{

QStringList registerOnce()
{
    // Nothing here asks the font database what it has: that would make it load every family on
    // the machine, which costs more than the rest of start-up together.
    QStringList missing;
    bool tahoma = false;
    for (const char *file : TahomaFiles) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            tahoma = true;
    }
    if (!tahoma)
        missing << QStringLiteral("Tahoma");
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return missing;
}

} // namespace

QStringList registerDesignFaces()
{
    static const QStringList missing = registerOnce();
    return missing;
}

QFont design(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(twips::fontPx(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace fonts
