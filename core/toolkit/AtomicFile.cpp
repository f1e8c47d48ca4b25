#include "core/toolkit/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

std::function<void(const QString &)> &beforeCommitHook()
{
    static std::function<void(const QString &)> hook;
    return hook;
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
void AtomicFile::write(
    const QString &path, const QByteArray &bytes, std::optional<QFileDevice::Permissions> newFileMode)
{
    const bool replacing = QFileInfo::exists(path);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const auto fail = [&path, &file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Error(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    if (!replacing && newFileMode && !file.setPermissions(*newFileMode))
        fail();
    // A short write carries no error of its own; the next attempt reports the cause.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            fail();
        written += step;
    }
    if (beforeCommitHook())
        beforeCommitHook()(path);
    if (!file.commit())
        fail();
}
