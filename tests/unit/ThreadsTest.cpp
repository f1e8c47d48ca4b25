#include "core/toolkit/Threads.h"

#include <QTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace {

// Holds every thread started on it until opened.
class Gate
{
public:
    void wait()
    {
        std::unique_lock lock(mutex);
        ++waiting;
        changed.notify_all();
        opened.wait(lock, [this] { return openCount > 0 || all; });
        if (!all)
            --openCount;
    }
    void openOne()
    {
        std::scoped_lock lock(mutex);
        ++openCount;
        opened.notify_one();
    }
    void openAll()
    {
        std::scoped_lock lock(mutex);
        all = true;
        opened.notify_all();
    }
    void waitForWaiting(int count)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return waiting >= count; });
    }

private:
    std::mutex mutex;
    std::condition_variable opened;
    std::condition_variable changed;
    int waiting = 0;
    int openCount = 0;
    bool all = false;
};

QString startError(std::function<void()> body)
{
    try {
        Threads::start(std::move(body));
    } catch (const std::runtime_error &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

class ThreadsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Threads::setRefuseForTesting(false);
        Threads::waitForAll();
    }

    void capCountsTheUserInterfaceThreadAndFreesEndedSlots();
    void systemRefusalReportsFailedToStartAndKeepsNoSlot();
    void errorOnAWorkerEndsOnlyThatWorker();
};

void ThreadsTest::capCountsTheUserInterfaceThreadAndFreesEndedSlots()
{
    QCOMPARE(Threads::alive(), 1);
    Gate gate;
    const int workers = Threads::maxAlive - 1;
    for (int i = 0; i < workers; ++i)
        Threads::start([&gate] { gate.wait(); });
    gate.waitForWaiting(workers);
    QCOMPARE(Threads::alive(), 1024);

    std::atomic<bool> ranOverCap { false };
    QCOMPARE(startError([&] { ranOverCap = true; }), QStringLiteral("Thread error: too many threads"));
    QCOMPARE(Threads::alive(), 1024);

    // One thread ends: its slot is free for the next start, and only one.
    gate.openOne();
    QTRY_COMPARE(Threads::alive(), 1023);
    QCOMPARE(startError([&gate] { gate.wait(); }), QString());
    QCOMPARE(startError([] {}), QStringLiteral("Thread error: too many threads"));

    gate.openAll();
    Threads::waitForAll();
    QCOMPARE(Threads::alive(), 1);
    QVERIFY(!ranOverCap);
}

void ThreadsTest::systemRefusalReportsFailedToStartAndKeepsNoSlot()
{
    Threads::setRefuseForTesting(true);
    bool ran = false;
    QCOMPARE(startError([&ran] { ran = true; }), QStringLiteral("Thread error: failed to start"));
    QCOMPARE(Threads::alive(), 1);
    Threads::setRefuseForTesting(false);
    QCOMPARE(startError([] {}), QString());
    Threads::waitForAll();
    QVERIFY(!ran);
}

void ThreadsTest::errorOnAWorkerEndsOnlyThatWorker()
{
    std::atomic<int> finished { 0 };
    Threads::start([] { throw std::runtime_error("worker failed"); });
    Threads::start([&finished] { ++finished; });
    Threads::waitForAll();
    QCOMPARE(finished.load(), 1);
    QCOMPARE(Threads::alive(), 1);
}

QTEST_GUILESS_MAIN(ThreadsTest)
#include "ThreadsTest.moc"
