#include "ini/Ini.h"
#include "ini/IniError.h"
#include "ini/IniSection.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Caps the size of any file this process writes, so writing fails part-way; the
// signal that would end the process turns into a plain write error.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved {};
    void (*previousHandler)(int) = nullptr;
};

} // namespace

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
    QCOMPARE(readAll(QFile::decodeName(path)), QByteArray("[S]\r\nk=v\r\n"));
}

void IniFaultTest::failureAfterWritingStartedKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.ini");
    const QByteArray old = "; the user's file\nkept=1\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }

    Ini ini(QFile::encodeName(path));
    ini.addSection("Big").setValue("value", QByteArray(256 * 1024, 'x'));
    {
        const FileSizeLimit limit(16 * 1024);
        QVERIFY_THROWS_EXCEPTION(IniError, ini.save());
    }
    QVERIFY(ini.modified());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "doc.ini" });

    ini.save();
    QVERIFY(!ini.modified());
    QVERIFY(readAll(path).startsWith("; the user's file\r\nkept=1\r\n[Big]\r\nvalue=xxx"));
}

QTEST_APPLESS_MAIN(IniFaultTest)
#include "IniFaultTest.moc"
