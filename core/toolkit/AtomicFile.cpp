#include "core/toolkit/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace {

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
void writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
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
void AtomicFile::write(
    const QString &path, const QByteArray &bytes, std::optional<QFileDevice::Permissions> newFileMode)
{
    const QFileInfo existing(path);
    QSaveFile file(path);
    const auto fail = [&path, &file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Error(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The directory refuses a file beside it; the file itself may still take the bytes.
        if (existing.isFile())
            return writeInPlace(path, bytes);
        fail();
    }
    if (!existing.exists() && newFileMode && !file.setPermissions(*newFileMode))
        fail();
    qsizetype written = 0;
    if (!writeAll(file, bytes, written))
        fail();
    if (beforeCommitHook())
        beforeCommitHook()(path);
    if (!file.commit())
        fail();
}
