#include "core/process/ExitGuard.h"

#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>

namespace {

std::mutex lock;
std::function<void()> pending;
std::thread::id owner;

void runPending()
{
    std::function<void()> work;
    {
        std::scoped_lock hold(lock);
        // Another thread's exit must not touch what the owner's thread is using.
        if (owner != std::this_thread::get_id())
            return;
        work = std::exchange(pending, {});
    }
    if (!work)
        return;
    try {
        work();
    } catch (...) {
        // The process is ending either way.
    }
}

} // namespace

void ExitGuard::arm(std::function<void()> work)
{
    static const bool registered = std::atexit(runPending) == 0;
    (void)registered;
    std::scoped_lock hold(lock);
    pending = std::move(work);
    owner = std::this_thread::get_id();
}

void ExitGuard::disarm()
{
    std::scoped_lock hold(lock);
    pending = {};
}
