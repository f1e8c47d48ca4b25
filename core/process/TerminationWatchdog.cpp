#include "core/process/TerminationWatchdog.h"

#include "core/process/ExitGuard.h"
#include "core/process/TerminationSignals.h"
#include "core/toolkit/Threads.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The watchdog's own pipe: signal numbers from the handler, or stopByte.
int pipeEnds[2] = { -1, -1 };
constexpr unsigned char stopByte = 0;

void onSignal(int number)
{
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

// The next byte, or -1 when none came within the time (-1: no limit).
int nextByte(int timeoutMs)
{
    pollfd ready { pipeEnds[0], POLLIN, 0 };
    int found = 0;
    while ((found = ::poll(&ready, 1, timeoutMs)) < 0 && errno == EINTR) { }
    unsigned char byte = stopByte;
    return found > 0 && ::read(pipeEnds[0], &byte, 1) == 1 ? byte : -1;
}

void watch()
{
    int number = -1;
    while (number < 0)
        number = nextByte(-1);
    if (number == stopByte)
        return;
    // Further signals change nothing: only the orderly end stops the count.
    const auto deadline = std::chrono::steady_clock::now() + TerminationWatchdog::grace;
    for (;;) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        if (nextByte(static_cast<int>(left.count())) == stopByte)
            return;
    }
    ExitGuard::endingHere();
    std::signal(number, SIG_DFL);
    ::kill(::getpid(), number);
    ::_exit(128 + number);
}

} // namespace

TerminationWatchdog::TerminationWatchdog()
{
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    try {
        thread = Threads::startJoinable(watch);
    } catch (const std::runtime_error &) {
        return;
    }
    TerminationSignals::setObserver(onSignal);
}

TerminationWatchdog::~TerminationWatchdog()
{
    if (!thread.joinable())
        return;
    TerminationSignals::setObserver(nullptr);
    const unsigned char byte = stopByte;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    thread.join();
}
