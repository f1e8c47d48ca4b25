#pragma once

#include <QByteArray>

// Reads a whole file only when it is a regular file of bounded size. A FIFO would
// block the open for ever, a device could be endless, and neither is a document.
class RegularFile
{
public:
    enum class Status {
        missing, // no such file
        read, // bytes holds the whole file
        refused, // there, but not a regular file, not readable, or over the bound
    };

    struct Result
    {
        Status status = Status::missing;
        QByteArray bytes;
    };

    // path is used byte for byte; a symbolic link to a regular file is followed.
    static Result read(const QByteArray &path, qint64 maxBytes);
};
