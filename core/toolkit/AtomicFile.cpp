#include "core/toolkit/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The kernel's own limit on the links one lookup follows.
constexpr int maxLinks = 40;

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray directoryOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The links a path ends in, followed as the kernel follows them with protected
// symlinks on: another user's link in a sticky directory everyone may write to
// may point at any file of the user's, or at one its owner reads. The kernel's
// rule does not cover a program that reads the link and writes beside its target,
// so it is applied here.
QByteArray followLinks(const QString &path)
{
    QByteArray current = QFile::encodeName(path);
    for (int followed = 0;; ++followed) {
        struct stat link = {};
        if (::lstat(current.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return current;
        if (followed == maxLinks)
            throw AtomicFile::Error(path, systemError(ELOOP));
        const QByteArray directory = directoryOf(current);
        struct stat parent = {};
        if (::stat(directory.constData(), &parent) != 0)
            throw AtomicFile::Error(path, systemError(errno));
        const bool shared = (parent.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
        if (shared && link.st_uid != ::geteuid() && link.st_uid != parent.st_uid) {
            throw AtomicFile::Error(path,
                AtomicFile::tr("not followed: a symbolic link another user put in a directory everyone may write to"));
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.constData(), target, sizeof target);
        if (length < 0 || length == sizeof target)
            throw AtomicFile::Error(path, systemError(length < 0 ? errno : ENAMETOOLONG));
        const QByteArray next(target, length);
        current = next.startsWith('/') ? next : directory + '/' + next;
    }
}

std::function<void(const QString &)> &beforeCommitHook()
{
    static std::function<void(const QString &)> hook;
    return hook;
}

// A short write carries no error of its own; the next attempt reports the cause.
// Counts what did reach the file, so a failure knows how much to put back.
bool writeAll(QFileDevice &file, const QByteArray &bytes, qsizetype &written)
{
    written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// Without a temporary file there is no rename to make the change whole, so the
// earlier bytes are overwritten, never truncated first: on any failure the part
// already overwritten is written back (that needs no room the file did not have)
// and the file is cut back to its earlier length.
void writeInPlace(const QString &path, const QByteArray &target, const QByteArray &bytes,
    std::optional<QFileDevice::Permissions> mode)
{
    // Neither through a link nor into a FIFO that took the file's place meanwhile.
    const int descriptor = ::open(target.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        throw AtomicFile::Error(path, systemError(errno));
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw AtomicFile::Error(path, file.errorString());
    }
    struct stat info = {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        throw AtomicFile::Error(path, AtomicFile::tr("not a regular file"));
    if (mode && !file.setPermissions(*mode))
        throw AtomicFile::Error(path, file.errorString());
    const qint64 earlierSize = file.size();
    // Only what the new bytes will cover can be lost.
    const QByteArray earlier = file.read(std::min<qint64>(earlierSize, bytes.size()));
    if (earlier.size() != std::min<qint64>(earlierSize, bytes.size()))
        throw AtomicFile::Error(path, file.errorString());
    qsizetype written = 0;
    QString failure;
    if (!file.seek(0) || !writeAll(file, bytes, written)) {
        failure = file.errorString();
    } else {
        if (beforeCommitHook())
            beforeCommitHook()(path);
        // Synced before the earlier tail is cut off, so a late write error can still be undone.
        if (::fsync(file.handle()) != 0)
            failure = QString::fromLocal8Bit(std::strerror(errno));
        else if (!file.resize(bytes.size()))
            failure = file.errorString();
    }
    if (failure.isNull())
        return;
    qsizetype restored = 0;
    if (file.seek(0))
        writeAll(file, earlier.left(written), restored);
    file.resize(earlierSize);
    throw AtomicFile::Error(path, failure);
}

} // namespace

AtomicFile::Error::Error(const QString &path, const QString &reason)
    : std::runtime_error((path + QStringLiteral(": ") + reason).toUtf8().toStdString())
    , why(reason)
{ }

void AtomicFile::setBeforeCommitHookForTesting(std::function<void(const QString &path)> hook)
{
    beforeCommitHook() = std::move(hook);
}

// Unbuffered: a buffered QSaveFile overlooks a write error that only shows when
// its buffer is flushed at commit, and then renames a cut file into place.
// Qt's own direct-write fallback is not used: it truncates the file first.
void AtomicFile::write(const QString &path, const QByteArray &bytes, std::optional<QFileDevice::Permissions> mode)
{
    const QByteArray target = followLinks(path);
    struct stat existing = {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    // Renamed over, a FIFO or a device would be gone; written through, it could block.
    if (exists && !S_ISREG(existing.st_mode))
        throw Error(path, tr("not a regular file"));
    QSaveFile file(QFile::decodeName(target));
    const auto fail = [&path, &file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Error(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The directory refuses a file beside it; the file itself may still take the bytes.
        if (exists)
            return writeInPlace(path, target, bytes, mode);
        fail();
    }
    // The temporary file took the replaced file's mode: narrowed before the first byte.
    if (mode && !file.setPermissions(*mode))
        fail();
    qsizetype written = 0;
    if (!writeAll(file, bytes, written))
        fail();
    if (beforeCommitHook())
        beforeCommitHook()(path);
    if (!file.commit())
        fail();
}
