#include "core/process/TerminationSignals.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QPointer>
#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 4> caught { SIGTERM, SIGINT, SIGHUP, SIGQUIT };

// Both ends stay open for the process's life: a signal may come at any moment.
int pipeEnds[2] = { -1, -1 };
QPointer<TerminationSignals> instance;
std::atomic<void (*)(int)> observer { nullptr };

// How often each kind has come and when it last did.
struct Repeats
{
    std::atomic<int> count { 0 };
    std::atomic<std::int64_t> lastNanoseconds { 0 };
};
static_assert(std::atomic<std::int64_t>::is_always_lock_free, "read and written inside a signal handler");
std::array<Repeats, caught.size()> repeats;
// The same signal a third time, within a second of the one before: the user means it
// and will not wait for the close any longer. Different signals close to each other
// come from a session ending around the program (a terminal's hang-up, the system's
// TERM) and wait.
constexpr std::int64_t insistence = 1'000'000'000;

void setHandler(int number, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(number, &action, nullptr);
}

void endAtOnceIfInsisting(int number)
{
    std::size_t kind = 0;
    while (kind + 1 < caught.size() && caught[kind] != number)
        ++kind;
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const std::int64_t at = std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    const int before = repeats[kind].count.fetch_add(1);
    const std::int64_t previous = repeats[kind].lastNanoseconds.exchange(at);
    if (before >= 2 && at - previous <= insistence) {
        setHandler(number, SIG_DFL);
        // Blocked while this handler runs: it ends the process as soon as it returns.
        ::raise(number);
    }
}

void onSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: with the pipe full, one more of the same changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    if (auto *told = observer.load())
        told(number);
    endAtOnceIfInsisting(number);
    errno = saved;
}

} // namespace

TerminationSignals &TerminationSignals::install()
{
    if (instance)
        return *instance;
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("cannot watch for termination signals");
    instance = new TerminationSignals(QCoreApplication::instance());
    for (int number : caught)
        setHandler(number, onSignal);
    return *instance;
}

TerminationSignals *TerminationSignals::installed()
{
    return instance.data();
}

void TerminationSignals::setObserver(void (*told)(int))
{
    observer.store(told);
}

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
    , notifier(new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this))
{
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TerminationSignals::received))) {
            Q_EMIT received(byte);
        } else {
            setHandler(byte, SIG_DFL);
            std::raise(byte);
        }
    }
}
