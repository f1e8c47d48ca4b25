#include "core/toolkit/AtomicFile.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"
#include "support/core/PlainUser.h"

#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

class AtomicFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AtomicFile::setBeforeCommitHookForTesting({}); }

    void replacesWholeOrNotAtAll_data();
    void replacesWholeOrNotAtAll();
    void followsLinksAsTheKernelWould_data();
    void followsLinksAsTheKernelWould();
};

void AtomicFileTest::replacesWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<int>("mode"); // asked for; 0: none, the file keeps 0640
    QTest::addColumn<bool>("written");
    const QByteArray longer = "the earlier, longer content";
    QTest::newRow("rename into place refused: reported, earlier file intact")
        << "rename refused" << longer << 0 << false;
    // Without a temporary file the only way left is in place, still checked.
    QTest::newRow("directory refuses a temporary file: written in place")
        << "read-only directory" << longer << 0 << true;
    QTest::newRow("in place, owner-only asked: the file narrowed too")
        << "read-only directory" << longer << 0600 << true;
    // A full disk or a size limit half way through must not leave the file cut.
    QTest::newRow("in place, the write fails part way: reported, earlier file intact")
        << "read-only directory, size limit" << longer << 0 << false;
    QTest::newRow("in place, the write fails past the earlier end: cut back to it")
        << "read-only directory, size limit" << QByteArray("short") << 0 << false;
}

void AtomicFileTest::replacesWholeOrNotAtAll()
{
    QFETCH(QString, situation);
    QFETCH(QByteArray, earlier);
    QFETCH(int, mode);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("file.txt");
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
        AtomicFile::write(
            path, replacement, mode ? std::optional(QFileDevice::ReadOwner | QFileDevice::WriteOwner) : std::nullopt);
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
    QCOMPARE(info.st_mode & 07777, mode_t(mode ? mode : 0640));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "file.txt" });
}

void AtomicFileTest::followsLinksAsTheKernelWould_data()
{
    QTest::addColumn<uint>("linkOwner");
    QTest::addColumn<int>("directoryMode"); // the link's directory, owned by 65534
    QTest::addColumn<bool>("fifo"); // the link's target
    QTest::addColumn<QString>("refusal"); // empty: written through the link

    const uint user = ::geteuid(), other = 65533;
    QTest::newRow("another user's link in a sticky directory everyone may write to: refused")
        << other << 01777 << false << "symbolic link";
    QTest::newRow("the user's own link there: followed") << user << 01777 << false << "";
    QTest::newRow("the directory owner's link there: followed") << 65534u << 01777 << false << "";
    QTest::newRow("another user's link in a directory that is not sticky: followed") << other << 0777 << false << "";
    QTest::newRow("a FIFO: refused, left as it is") << user << 0755 << true << "regular file";
}

void AtomicFileTest::followsLinksAsTheKernelWould()
{
    QFETCH(uint, linkOwner);
    QFETCH(int, directoryMode);
    QFETCH(bool, fifo);
    QFETCH(QString, refusal);
    if (::geteuid() != 0)
        QSKIP("files of other users need root");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("shared") && QDir(dir.path()).mkdir("theirs"));
    const QByteArray target = QFile::encodeName(dir.filePath("theirs/target.txt"));
    const QByteArray link = QFile::encodeName(dir.filePath("shared/Password.txt"));
    const QByteArray earlier = "their own file";
    QVERIFY(fifo ? ::mkfifo(target, 0666) == 0 : FileBytes::write(QFile::decodeName(target), earlier));
    QVERIFY(::chmod(target, 0666) == 0 && ::symlink(target, link) == 0 && ::lchown(link, linkOwner, linkOwner) == 0);
    const QByteArray shared = QFile::encodeName(dir.filePath("shared"));
    QVERIFY(::chown(shared, 65534, 65534) == 0 && ::chmod(shared, mode_t(directoryMode)) == 0);

    QString reason;
    try {
        AtomicFile::write(QFile::decodeName(link), "new", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } catch (const AtomicFile::Error &error) {
        reason = error.reason();
    }

    QVERIFY2(refusal.isEmpty() ? reason.isEmpty() : reason.contains(refusal), qPrintable(reason));
    struct stat info = {};
    QVERIFY(::lstat(target, &info) == 0);
    if (!fifo)
        QCOMPARE(FileBytes::read(QFile::decodeName(target)), refusal.isEmpty() ? QByteArray("new") : earlier);
    QCOMPARE(info.st_mode, mode_t((fifo ? S_IFIFO : S_IFREG) | (refusal.isEmpty() ? 0600 : 0666)));
    QVERIFY(QFileInfo(QFile::decodeName(link)).isSymLink());
    QCOMPARE(QDir(dir.filePath("theirs")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
        QStringList { "target.txt" });
}

QTEST_APPLESS_MAIN(AtomicFileTest)
#include "AtomicFileTest.moc"
