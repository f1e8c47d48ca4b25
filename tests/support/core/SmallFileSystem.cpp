#include "support/core/SmallFileSystem.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallFileSystem::SmallFileSystem(int kibibytes)
{
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    isMounted = dir.isValid()
        && ::mount(
               "tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData())
            == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (isMounted)
        ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

bool SmallFileSystem::fill(const QString &name)
{
    const int fd
        = ::open(QFile::encodeName(filePath(name)).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const char block[512] = {};
    ssize_t written = 0;
    do
        written = ::write(fd, block, sizeof block);
    while (written > 0 || (written < 0 && errno == EINTR));
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}
