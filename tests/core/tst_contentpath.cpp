// SPDX-License-Identifier: GPL-3.0-or-later
#include "contentpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestContentPath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void resolve_data();
    void resolve();

private:
    QTemporaryDir m_root;
};

void TestContentPath::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("Images")));
    QVERIFY(root.mkpath(QStringLiteral("multiple")));
    for (const char *name : {"Images/lightning2sm.jpg", "multiple/Michael Faraday.txt"}) {
        QFile f(root.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
}

void TestContentPath::resolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // relative to the root; empty for refused

    QTest::newRow("exact, backslash") << "Images\\lightning2sm.jpg"
                                      << "Images/lightning2sm.jpg";
    QTest::newRow("folder in lower case") << "images\\lightning2sm.jpg"
                                          << "Images/lightning2sm.jpg";
    QTest::newRow("all upper case, slash") << "IMAGES/LIGHTNING2SM.JPG"
                                           << "Images/lightning2sm.jpg";
    QTest::newRow("space in name") << "multiple\\michael faraday.txt"
                                   << "multiple/Michael Faraday.txt";
    QTest::newRow("missing file keeps its spelling") << "Multiple\\New Sheet.txt"
                                                     << "multiple/New Sheet.txt";
    QTest::newRow("missing folder kept as written") << "wmf\\guide1.wmf"
                                                    << "wmf/guide1.wmf";
    QTest::newRow("doubled separators") << "Images\\\\lightning2sm.jpg"
                                        << "Images/lightning2sm.jpg";
    QTest::newRow("parent folder refused") << "..\\secret.txt" << QString();
    QTest::newRow("hidden parent refused") << "multiple/../../etc/passwd" << QString();
    QTest::newRow("empty refused") << "" << QString();
}

void TestContentPath::resolve()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString got = contentpath::resolve(m_root.path(), name);
    if (expected.isEmpty())
        QVERIFY(got.isEmpty());
    else
        QCOMPARE(got, m_root.path() + QLatin1Char('/') + expected);
}

QTEST_GUILESS_MAIN(TestContentPath)
#include "tst_contentpath.moc"
