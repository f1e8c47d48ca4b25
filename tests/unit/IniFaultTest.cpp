#include "core/ini/Ini.h"
#include "core/ini/IniError.h"
#include "core/ini/IniSection.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"
#include "support/core/SmallFileSystem.h"

#include <QtTest>

#include <optional>

class IniFaultTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileThatCannotBeCreated_data();
    void fileThatCannotBeCreated();
    void nameBytesAreUsedAsGiven();
    void readsFilesUpToTheSizeLimit_data();
    void readsFilesUpToTheSizeLimit();
    void structureChangingTextIsRefused_data();
    void structureChangingTextIsRefused();
    void failureAfterWritingStartedKeepsOldFile_data();
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

void IniFaultTest::nameBytesAreUsedAsGiven()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + "/doc\xFF.ini";
    QFile file;
    QVERIFY(file.open(std::fopen(path.constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    QVERIFY(file.write("[S]\r\nk=v\r\n") > 0);
    file.close();

    Ini ini(path);
    QVERIFY(ini.findSection("S"));
    ini.findSection("S")->setValue("k", "w");
    // Saving under the name decoded and encoded again would write another file.
    QVERIFY_THROWS_EXCEPTION(IniError, ini.save());
    QVERIFY(!QFile::exists(QFile::decodeName(path)));
}

void IniFaultTest::readsFilesUpToTheSizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("a file exactly at the limit is read") << Ini::maxFileSize << true;
    QTest::newRow("a byte over the limit is not") << Ini::maxFileSize + 1 << false;
}

void IniFaultTest::readsFilesUpToTheSizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, read);
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.ini");
    QVERIFY(FileBytes::write(path, "[S]\r\nk=v\r\n"));
    QVERIFY(QFile::resize(path, size)); // padded with NUL bytes, where reading stops

    const Ini ini(QFile::encodeName(path));
    QCOMPARE(ini.fileRead(), read ? Ini::FileState::read : Ini::FileState::unreadable);
    QCOMPARE(ini.findSection("S") != nullptr, read);
}

void IniFaultTest::structureChangingTextIsRefused_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("value with a line feed opening a section")
        << QByteArray("S") << QByteArray("k") << QByteArray("x\n[X]");
    QTest::newRow("value with a carriage return") << QByteArray("S") << QByteArray("k") << QByteArray("x\rSAVED=FALSE");
    QTest::newRow("value with a NUL") << QByteArray("S") << QByteArray("k") << QByteArray("x\0y", 3);
    QTest::newRow("name holding '='") << QByteArray("S") << QByteArray("a=b") << QByteArray("v");
    QTest::newRow("name read as a comment") << QByteArray("S") << QByteArray(";k") << QByteArray("v");
    QTest::newRow("name read as a header") << QByteArray("S") << QByteArray("[k") << QByteArray("v");
    QTest::newRow("name losing its leading blank") << QByteArray("S") << QByteArray(" k") << QByteArray("v");
    QTest::newRow("empty name") << QByteArray("S") << QByteArray() << QByteArray("v");
    QTest::newRow("section name closing early") << QByteArray("a]b") << QByteArray("k") << QByteArray("v");
    QTest::newRow("section name with a line feed") << QByteArray("a\nb") << QByteArray("k") << QByteArray("v");
}

void IniFaultTest::structureChangingTextIsRefused()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, value);
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.ini");
    const QByteArray old = "[S]\r\nk=1\r\n";
    QVERIFY(FileBytes::write(path, old));

    Ini ini(QFile::encodeName(path));
    ini.addSection(section).setValue(name, value);
    QVERIFY_THROWS_EXCEPTION(IniError, ini.save());
    QVERIFY(ini.modified());
    QCOMPARE(FileBytes::read(path), old);
}

void IniFaultTest::failureAfterWritingStartedKeepsOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("valueSize");
    // A small document fits a write buffer, whose late failure must not go unseen.
    QTest::newRow("file-size limit, large document") << "size limit" << 256 * 1024;
    QTest::newRow("file-size limit, small document") << "size limit" << 100;
    QTest::newRow("full file system, small document") << "full" << 100;
}

void IniFaultTest::failureAfterWritingStartedKeepsOldFile()
{
    QFETCH(QString, failure);
    QFETCH(int, valueSize);
    SmallFileSystem disk(1024);
    if (!disk.mounted())
        QSKIP("cannot mount a small file system here (needs root)");
    const QString path = disk.filePath("doc.ini");
    const QByteArray old = "; the user's file\nkept=1\n";
    QVERIFY(FileBytes::write(path, old));

    Ini ini(QFile::encodeName(path));
    ini.addSection("Big").setValue("value", QByteArray(valueSize, 'x'));
    {
        std::optional<FileSizeLimit> limit;
        if (failure == "size limit")
            limit.emplace(old.size() + 8);
        else
            QVERIFY(disk.fill("filler"));
        QVERIFY_THROWS_EXCEPTION(IniError, ini.save());
        QFile::remove(disk.filePath("filler"));
    }
    QVERIFY(ini.modified());
    QCOMPARE(FileBytes::read(path), old);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList { "doc.ini" });

    ini.save();
    QVERIFY(!ini.modified());
    QVERIFY(FileBytes::read(path).startsWith("; the user's file\r\nkept=1\r\n[Big]\r\nvalue=xxx"));
}

QTEST_APPLESS_MAIN(IniFaultTest)
#include "IniFaultTest.moc"
