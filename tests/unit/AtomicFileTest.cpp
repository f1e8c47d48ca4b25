#include "core/toolkit/AtomicFile.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"
#include "support/core/PlainUser.h"

#include <QtTest>

#include <optional>

#include <sys/stat.h>

class AtomicFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AtomicFile::setBeforeCommitHookForTesting({}); }

    void replacesWholeOrNotAtAll_data();
    void replacesWholeOrNotAtAll();
};

void AtomicFileTest::replacesWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("written");
    QTest::newRow("rename into place refused: reported, earlier file intact") << "rename refused" << false;
    // Without a temporary file the only way left is in place, still checked.
    QTest::newRow("directory refuses a temporary file: written in place") << "read-only directory" << true;
    // A full disk or a size limit half way through must not leave the file cut.
    QTest::newRow("in place, the write fails part way: reported, earlier file intact")
        << "read-only directory, size limit" << false;
}

void AtomicFileTest::replacesWholeOrNotAtAll()
{
    QFETCH(QString, situation);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("file.txt");
    const QByteArray earlier = "the earlier, longer content";
    QVERIFY(FileBytes::write(path, earlier));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);

    // As a plain user, so that a read-only directory stops root's test too.
    const QByteArray dirName = QFile::encodeName(dir.path());
    std::optional<PlainUser> plainUser(
        std::in_place, std::initializer_list<QByteArray> { dirName, QFile::encodeName(path) });
    QVERIFY(plainUser->ready());
    if (situation == "rename refused") {
        // The directory turns read-only after the bytes are written, before they are put in place.
        AtomicFile::setBeforeCommitHookForTesting([&dirName](const QString &) { ::chmod(dirName.constData(), 0555); });
    } else {
        QVERIFY(::chmod(dirName.constData(), 0555) == 0);
    }

    // Longer than the earlier content, and than the size limit.
    const QByteArray replacement(40, 'n');
    QString message;
    try {
        std::optional<FileSizeLimit> limit;
        if (situation.endsWith("size limit"))
            limit.emplace(16);
        AtomicFile::write(path, replacement);
    } catch (const AtomicFile::Error &error) {
        message = QString::fromUtf8(error.what());
    }
    QVERIFY(::chmod(dirName.constData(), 0755) == 0);
    plainUser.reset();

    QCOMPARE(message.isEmpty(), written);
    if (!written)
        QVERIFY2(message.startsWith(path + ": ") && message.size() > path.size() + 2, qPrintable(message));
    QCOMPARE(FileBytes::read(path), written ? replacement : earlier);
    struct stat info = {};
    QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "file.txt" });
}

QTEST_APPLESS_MAIN(AtomicFileTest)
#include "AtomicFileTest.moc"
