#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

// Replaces a file's whole content: written beside it and renamed over it, so a
// failure at any point leaves the earlier file as it was.
class AtomicFile
{
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

    // Every byte is written or Error is thrown. An existing file keeps its mode;
    // a new one gets newFileMode, or the umask's default. Only where the directory
    // refuses a temporary file is the file written in place, and then a failure
    // puts the earlier bytes back: the file is either the old one or the new one.
    static void write(const QString &path, const QByteArray &bytes,
        std::optional<QFileDevice::Permissions> newFileMode = std::nullopt);

    // Test hook: runs after the bytes are written, before they are put in place.
    static void setBeforeCommitHookForTesting(std::function<void(const QString &path)> hook);
};
