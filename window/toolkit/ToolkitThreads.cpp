#include "window/toolkit/ToolkitThreads.h"

#include "core/toolkit/Threads.h"

#include <QAccessible>
#include <QSemaphore>
#include <QThreadPool>

#include <future>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// The threads brought up here: the pool's one and the D-Bus connection's.
constexpr int qtThreads = 2;

// Whether count more threads can be alive at once now, asked with threads of ours:
// a pool or D-Bus thread that fails to start cannot be taken back.
bool threadsToSpare(int count)
{
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::vector<std::thread> probes;
    bool spare = true;
    try {
        while (static_cast<int>(probes.size()) < count)
            probes.push_back(Threads::startJoinable([released] { released.wait(); }));
    } catch (const std::runtime_error &) {
        spare = false;
    }
    release.set_value();
    for (std::thread &probe : probes)
        probe.join();
    return spare;
}

} // namespace

bool ToolkitThreads::bringUp()
{
    if (!threadsToSpare(qtThreads))
        return false;
    QThreadPool *pool = QThreadPool::globalInstance();
    // One thread: the painter's work for a window this small is as quick on one, and
    // every one more might fail to start later. Never ended when idle, for the same reason.
    pool->setMaxThreadCount(1);
    pool->setExpiryTimeout(-1);
    auto ran = std::make_shared<QSemaphore>();
    pool->start([ran] { ran->release(); });
    // A started thread runs it at once; the bound is only for one that never started.
    if (!ran->tryAcquire(1, 10000))
        return false;
    // The bridge connects to D-Bus on the first question, which starts that thread.
    QAccessible::isActive();
    return true;
}

QString ToolkitThreads::refusal()
{
    return tr("Zolvenar cannot start: the system lets it start no more threads");
}
