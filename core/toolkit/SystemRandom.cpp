#include "core/toolkit/SystemRandom.h"

#include <sys/random.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <stdexcept>
#include <system_error>

namespace {
std::mutex sourceMutex;
SystemRandom::Source testSource;
std::atomic<bool> hasTestSource { false };

long readSome(unsigned char *data, std::size_t size)
{
    if (hasTestSource.load(std::memory_order_acquire)) {
        std::scoped_lock lock(sourceMutex);
        if (testSource)
            return testSource(data, size);
    }
    return static_cast<long>(getrandom(data, size, 0));
}
} // namespace

void SystemRandom::fill(unsigned char *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        errno = 0;
        const long got = readSome(data + done, size - done);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // Zero bytes without an error cannot end either; call it what it is.
        const int reason = got < 0 && errno != 0 ? errno : EIO;
        throw std::runtime_error(tr("Could not read the system's randomness (getrandom: %1)")
                                     .arg(QString::fromStdString(std::system_category().message(reason)))
                                     .toStdString());
    }
}

void SystemRandom::setSourceForTesting(Source source)
{
    std::scoped_lock lock(sourceMutex);
    testSource = std::move(source);
    hasTestSource.store(static_cast<bool>(testSource), std::memory_order_release);
}
