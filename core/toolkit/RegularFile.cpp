#include "core/toolkit/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd(fd)
    { }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    const int fd;
};

} // namespace

RegularFile::Result RegularFile::read(const QByteArray &path, qint64 maxBytes)
{
    Result result;
    if (path.isEmpty() || path.contains('\0'))
        return result;
    // Non-blocking, so opening a FIFO returns at once instead of waiting for a writer.
    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? Status::missing : Status::refused;
        return result;
    }
    result.status = Status::refused;
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes)
        return result;
    // The size is a hint only: the file may grow or shrink while it is read.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                return result;
            bytes.resize(std::min<qsizetype>(2 * used + 1, maxBytes + 1));
        }
        const ssize_t step = ::read(file.fd, bytes.data() + used, static_cast<size_t>(bytes.size() - used));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return result;
        if (step == 0)
            break;
        used += step;
    }
    bytes.truncate(used);
    result.status = Status::read;
    result.bytes = std::move(bytes);
    return result;
}
