#include "core/toolkit/TickCounter.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {
std::mutex sourceMutex;
std::function<std::uint64_t()> testSource;
std::atomic<bool> hasTestSource { false };
} // namespace

std::uint64_t TickCounter::ticks()
{
    if (hasTestSource.load(std::memory_order_acquire)) {
        std::scoped_lock lock(sourceMutex);
        if (testSource)
            return testSource();
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void TickCounter::sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TickCounter::setSourceForTesting(std::function<std::uint64_t()> source)
{
    std::scoped_lock lock(sourceMutex);
    testSource = std::move(source);
    hasTestSource.store(static_cast<bool>(testSource), std::memory_order_release);
}
