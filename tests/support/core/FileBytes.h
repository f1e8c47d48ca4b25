#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests that check bytes on disk.
class FileBytes
{
public:
    // The file's bytes, or "<no file>" when it cannot be read.
    static QByteArray read(const QString &path);
    // Replaces the file's content; false when that failed.
    static bool write(const QString &path, const QByteArray &bytes);
};
