#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

// Replaces a file's whole content: written beside it and renamed over it, so a
// failure at any point leaves the earlier file as it was.
class AtomicFile
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)

public:
    // what() is "<path>: <reason>".
    class Error : public std::runtime_error
    {
    public:
        Error(const QString &path, const QString &reason);
        const QString &reason() const { return why; }

    private:
        QString why;
    };

    // Every byte is written or Error is thrown. With mode, the file gets that mode
    // before a byte is written, whether it is new or replaces another; without, an
    // existing file keeps its mode and a new one gets the umask's default.
    // A symbolic link is followed only where the kernel's protected-symlinks rule
    // would follow it: in a sticky directory everyone may write to, only a link of
    // the user's or of the directory's owner. Only a regular file is replaced.
    // Only where the directory refuses a temporary file is the file written in
    // place, and then a failure puts the earlier bytes back: the file is either the
    // old one or the new one, unless the process is killed between the write and
    // the final cut, which leaves the new bytes followed by the old tail.
    static void write(
        const QString &path, const QByteArray &bytes, std::optional<QFileDevice::Permissions> mode = std::nullopt);

    // Test hook: runs after the bytes are written, before they are put in place.
    static void setBeforeCommitHookForTesting(std::function<void(const QString &path)> hook);
};
