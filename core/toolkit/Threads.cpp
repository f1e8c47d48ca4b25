#include "core/toolkit/Threads.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace {

std::mutex aliveMutex;
std::condition_variable aliveChanged;
int started = 0; // threads of ours alive, under aliveMutex
std::atomic<bool> refuse { false };

void release()
{
    std::scoped_lock lock(aliveMutex);
    --started;
    aliveChanged.notify_all();
}

std::thread launch(std::function<void()> body)
{
    {
        std::scoped_lock lock(aliveMutex);
        if (started + 1 >= Threads::maxAlive)
            throw std::runtime_error(Threads::tr("Thread error: too many threads").toStdString());
        ++started;
    }
    auto task = std::make_unique<std::function<void()>>(std::move(body));
    try {
        if (refuse.load())
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        return std::thread([task = std::move(task)]() mutable {
            try {
                (*task)();
            } catch (...) {
                // An error on a worker ends that worker only; the run it belongs to
                // reports its own failures through the window.
            }
            // The body and what it holds go before the slot does, so a waiter that
            // sees no thread alive also sees nothing of theirs still in use.
            task.reset();
            release();
        });
    } catch (const std::system_error &) {
        release();
        throw std::runtime_error(Threads::tr("Thread error: failed to start").toStdString());
    }
}

} // namespace

void Threads::start(std::function<void()> body)
{
    launch(std::move(body)).detach();
}

std::thread Threads::startJoinable(std::function<void()> body)
{
    return launch(std::move(body));
}

int Threads::alive()
{
    std::scoped_lock lock(aliveMutex);
    return started + 1;
}

void Threads::waitForAll()
{
    std::unique_lock lock(aliveMutex);
    aliveChanged.wait(lock, [] { return started == 0; });
}

void Threads::setRefuseForTesting(bool value)
{
    refuse.store(value);
}
