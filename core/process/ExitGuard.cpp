#include "core/process/ExitGuard.h"

#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>

namespace {

// Held while the work runs: the process must not end under it from another thread.
std::mutex lock;
std::function<void()> pending;
std::function<void()> pendingElsewhere;
std::thread::id owner;

void runPending()
{
    std::scoped_lock hold(lock);
    // Another thread's end must not touch what the owner's thread is using.
    std::function<void()> work = owner == std::this_thread::get_id() ? std::move(pending) : std::move(pendingElsewhere);
    pending = {};
    pendingElsewhere = {};
    if (!work)
        return;
    try {
        work();
    } catch (...) {
        // The process is ending either way.
    }
}

} // namespace

void ExitGuard::arm(std::function<void()> work, std::function<void()> elsewhere)
{
    static const bool registered = std::atexit(runPending) == 0;
    (void)registered;
    std::scoped_lock hold(lock);
    pending = std::move(work);
    pendingElsewhere = std::move(elsewhere);
    owner = std::this_thread::get_id();
}

void ExitGuard::disarm()
{
    std::scoped_lock hold(lock);
    pending = {};
    pendingElsewhere = {};
}

void ExitGuard::endingHere()
{
    runPending();
}
