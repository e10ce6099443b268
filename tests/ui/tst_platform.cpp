// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtplatform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace
{

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void worksheetsInTheRunFolder();
    void worksheetsInAUserFolder();
    void picturesWhateverTheirName();
};

void TestPlatform::worksheetsInTheRunFolder()
{
    QTemporaryDir root;
    write(root.filePath(QStringLiteral("multiple/track.txt")), " 0 \r\n");
    QVERIFY(RunFolderPaths::worksheetFolderFor(root.path()).isEmpty()); // writable: used as it is
    RunFolderPaths paths(root.path());
    QCOMPARE(paths.path(QStringLiteral("Multiple\\track.txt")),
             root.filePath(QStringLiteral("multiple/track.txt")));
    // An installed run folder is never written, even by a user who may.
    write(root.filePath(QStringLiteral("read-only")), "");
    const QString user = RunFolderPaths::worksheetFolderFor(root.path());
    QVERIFY(user.endsWith(QStringLiteral("/multiple")) && !user.startsWith(root.path()));
}

void TestPlatform::worksheetsInAUserFolder()
{
    QTemporaryDir root, user;
    write(root.filePath(QStringLiteral("multiple/track.txt")), " 0 \r\n");
    write(root.filePath(QStringLiteral("multiple/electricity.txt")), "Electricity v2\r\n");
    write(root.filePath(QStringLiteral("Images/a.jpg")), "jpeg");
    // A teacher's catalogue and worksheet from an earlier run.
    const QString folder = user.filePath(QStringLiteral("multiple"));
    write(folder + QStringLiteral("/track.txt"), " 1 \r\nMagnets\r\n");
    write(folder + QStringLiteral("/Magnets.txt"), "Magnets\r\n");

    RunFolderPaths paths(root.path(), folder);
    QCOMPARE(read(folder + QStringLiteral("/track.txt")), QByteArray(" 1 \r\nMagnets\r\n"));
    QCOMPARE(read(folder + QStringLiteral("/electricity.txt")), QByteArray("Electricity v2\r\n"));
    QCOMPARE(paths.path(QStringLiteral("multiple\\TRACK.TXT")),
             folder + QStringLiteral("/track.txt"));
    QCOMPARE(paths.path(QStringLiteral("multiple/New sheet.txt")),
             folder + QStringLiteral("/New sheet.txt"));
    QCOMPARE(paths.path(QStringLiteral("images\\A.JPG")),
             root.filePath(QStringLiteral("Images/a.jpg")));
    QVERIFY(paths.path(QStringLiteral("multiple\\..\\..\\x")).isEmpty());

    // Another language's file where it has one, English file by file where it has not.
    write(root.filePath(QStringLiteral("es/multiple/electricity.txt")), "Electricidad\r\n");
    paths.setLanguage(QStringLiteral("es_MX"));
    QCOMPARE(paths.path(QStringLiteral("multiple\\Electricity.txt")),
             root.filePath(QStringLiteral("es/multiple/electricity.txt")));
    QCOMPARE(paths.path(QStringLiteral("multiple\\track.txt")),
             folder + QStringLiteral("/track.txt"));
    QCOMPARE(paths.path(QStringLiteral("images\\a.jpg")),
             root.filePath(QStringLiteral("Images/a.jpg")));
}

// Pictures are read in the format their name gives, and one whose contents are another format is
// still read.
void TestPlatform::picturesWhateverTheirName()
{
    QTemporaryDir root;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const char *format : {"bmp", "png", "jpg"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && red.save(&buffer, format));
        write(root.filePath(QStringLiteral("Images/%1.bmp").arg(QLatin1String(format))), bytes);
    }
    RunFolderPaths paths(root.path());
    for (const char *format : {"bmp", "png", "jpg"}) {
        const QString name = QStringLiteral("Images\\%1.bmp").arg(QLatin1String(format));
        QCOMPARE(paths.picture(name).size(), QSize(40, 30));
        const QImage half = paths.picture(name, QSize(20, 15));
        QCOMPARE(half.size(), QSize(20, 15));
        QCOMPARE(QColor(half.pixel(10, 7)).red() > 200, true);
    }
    // Shown larger than its file, a picture is drawn from the drawing beside it, on white; not
    // smaller.
    write(root.filePath(QStringLiteral("Images/png.svg")),
          R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3">)"
          R"(<rect width="2" height="3" fill="#0000ff"/></svg>)");
    const QString png = QStringLiteral("Images\\png.bmp");
    QCOMPARE(paths.picture(png, QSize(80, 60)).pixel(20, 30), qRgb(0, 0, 255));
    QCOMPARE(paths.picture(png, QSize(80, 60)).pixel(60, 30), qRgb(255, 255, 255));
    QCOMPARE(QColor(paths.picture(png, QSize(40, 30)).pixel(20, 15)).red() > 200, true);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
