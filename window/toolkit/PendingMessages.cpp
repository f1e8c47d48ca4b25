#include "window/toolkit/PendingMessages.h"

#include <QCoreApplication>

#include <atomic>

namespace {
std::atomic<bool> quittingFlag { false };
} // namespace

bool PendingMessages::process()
{
    if (quitting())
        return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !quitting();
}

void PendingMessages::setQuitting(bool value)
{
    quittingFlag.store(value);
}

bool PendingMessages::quitting()
{
    return quittingFlag.load() || !QCoreApplication::instance() || QCoreApplication::closingDown();
}
