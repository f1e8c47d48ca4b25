#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system of its own (tmpfs) that a test can fill to the last byte.
// Mounting needs root; where it fails, mounted() is false and the test skips.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kibibytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return isMounted; }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Takes every free byte with a file of this name; false when that failed.
    bool fill(const QString &name);

private:
    QTemporaryDir dir;
    bool isMounted = false;
};
