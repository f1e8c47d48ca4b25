#include "core/process/TerminationSignals.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QPointer>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 4> caught { SIGTERM, SIGINT, SIGHUP, SIGQUIT };

// Both ends stay open for the process's life: a signal may come at any moment.
int pipeEnds[2] = { -1, -1 };
QPointer<TerminationSignals> instance;

void onSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: with the pipe full, one more of the same changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void setHandlers(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : caught)
        ::sigaction(number, &action, nullptr);
}

} // namespace

TerminationSignals &TerminationSignals::install()
{
    if (instance)
        return *instance;
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("cannot watch for termination signals");
    instance = new TerminationSignals(QCoreApplication::instance());
    setHandlers(onSignal);
    return *instance;
}

TerminationSignals *TerminationSignals::installed()
{
    return instance.data();
}

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
    , notifier(new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this))
{
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
}

TerminationSignals::~TerminationSignals()
{
    // With the application gone nobody would close anything.
    setHandlers(SIG_DFL);
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TerminationSignals::received))) {
            Q_EMIT received(byte);
        } else {
            std::signal(byte, SIG_DFL);
            std::raise(byte);
        }
    }
}
