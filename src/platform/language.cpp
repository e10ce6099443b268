// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QVariant>

namespace language
{

namespace
{

const QString Folder = QStringLiteral(":/i18n");
const QString Option = QStringLiteral("--language");

// The built-in translation for code, or for its language alone ("es" for "es_ES").
QString translationFile(const QString &code)
{
    for (const QString &name : {code, code.section(QLatin1Char('_'), 0, 0)}) {
        const QString file = QStringLiteral("%1/quorvel_%2.qm").arg(Folder, name);
        if (!name.isEmpty() && QFile::exists(file))
            return name;
    }
    return QString();
}

} // namespace

bool isPseudo(const QString &code)
{
    return code.endsWith(QLatin1String("_XA")) || code.endsWith(QLatin1String("_XB"));
}

QString takeOption(QStringList &arguments)
{
    QString code;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == Option && i + 1 < arguments.size()) {
            code = arguments[i + 1];
            arguments.remove(i, 2);
            --i;
        } else if (arguments[i].startsWith(Option + QLatin1Char('='))) {
            code = arguments[i].mid(Option.size() + 1);
            arguments.remove(i);
            --i;
        }
    }
    return code.replace(QLatin1Char('-'), QLatin1Char('_'));
}

QString chosen(const QString &option)
{
    if (!option.isEmpty())
        return option;
    const QString set = settings::value(QStringLiteral("Language")).toString().trimmed();
    if (!set.isEmpty())
        return QString(set).replace(QLatin1Char('-'), QLatin1Char('_'));
    return QLocale::system().name();
}

QString install(QCoreApplication &app, const QString &code)
{
    QString found = translationFile(code);
    if (found.isEmpty())
        return QString();
    auto *own = new QTranslator(&app);
    if (own->load(QStringLiteral("%1/quorvel_%2.qm").arg(Folder, found)))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QLocale::setDefault(QLocale(code));
    // A graphical application's property; the command line's core application has none.
    if (QLocale(code).textDirection() == Qt::RightToLeft)
        app.setProperty("layoutDirection", QVariant::fromValue(Qt::RightToLeft));
    return found;
}

QStringList available()
{
    QStringList codes{QStringLiteral("en")};
    const QStringList files =
        QDir(Folder).entryList({QStringLiteral("quorvel_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code = file.mid(8, file.size() - 11);
        if (code != QLatin1String("en") && !isPseudo(code))
            codes << code;
    }
    return codes;
}

QString nativeName(const QString &code)
{
    const QLocale locale(code);
    // English by the name of the language, not of its American variety.
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    if (locale.language() == QLocale::C)
        return code;
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name.isEmpty() ? code : name;
}

} // namespace language
