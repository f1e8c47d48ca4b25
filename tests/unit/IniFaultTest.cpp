#include "ini/Ini.h"
#include "ini/IniError.h"
#include "ini/IniSection.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"

#include <QtTest>

class IniFaultTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileThatCannotBeCreated_data();
    void fileThatCannotBeCreated();
    void failureAfterWritingStartedKeepsOldFile();
};

void IniFaultTest::fileThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing directory") << QStringLiteral("missing/doc.ini");
    QTest::newRow("name of a directory") << QStringLiteral("taken");
}

void IniFaultTest::fileThatCannotBeCreated()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    const QByteArray path = QFile::encodeName(dir.filePath(name));

    Ini ini(path);
    ini.addSection("S").setValue("k", "v");
    try {
        ini.save();
        QFAIL("save reported success");
    } catch (const IniError &error) {
        QCOMPARE(error.file(), path);
        QVERIFY(QByteArray(error.what()).contains(path));
    }
    QVERIFY(ini.modified());

    // The document is intact and can be saved once the way is clear.
    QVERIFY(QDir(dir.path()).rmdir("taken"));
    QVERIFY(QDir(dir.path()).mkdir("missing"));
    ini.save();
    QVERIFY(!ini.modified());
    QCOMPARE(FileBytes::read(QFile::decodeName(path)), QByteArray("[S]\r\nk=v\r\n"));
}

void IniFaultTest::failureAfterWritingStartedKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.ini");
    const QByteArray old = "; the user's file\nkept=1\n";
    QVERIFY(FileBytes::write(path, old));

    Ini ini(QFile::encodeName(path));
    ini.addSection("Big").setValue("value", QByteArray(256 * 1024, 'x'));
    {
        const FileSizeLimit limit(16 * 1024);
        QVERIFY_THROWS_EXCEPTION(IniError, ini.save());
    }
    QVERIFY(ini.modified());
    QCOMPARE(FileBytes::read(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "doc.ini" });

    ini.save();
    QVERIFY(!ini.modified());
    QVERIFY(FileBytes::read(path).startsWith("; the user's file\r\nkept=1\r\n[Big]\r\nvalue=xxx"));
}

QTEST_APPLESS_MAIN(IniFaultTest)
#include "IniFaultTest.moc"
