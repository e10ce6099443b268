#include "fonts.h"

#include "twips.h"

#include <QFile>
#include <QFontDatabase>

namespace fonts
{

namespace
{

// Folders that may hold a Tahoma face: Debian's fonts-wine, and a copy beside the program.
const char *const TahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

} // namespace

QStringList registerDesignFaces()
{
    QStringList missing;
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        for (const char *file : TahomaFiles) {
            if (QFile::exists(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
    }
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        missing << QStringLiteral("Tahoma");

    const struct {
        const char *design;
        const char *twin;
    } twins[] = {{"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"}};
    for (const auto &t : twins) {
        const QString design = QString::fromLatin1(t.design);
        const QString twin = QString::fromLatin1(t.twin);
        if (QFontDatabase::hasFamily(design))
            continue;
        if (QFontDatabase::hasFamily(twin))
            QFont::insertSubstitution(design, twin);
        else
            missing << design;
    }
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
