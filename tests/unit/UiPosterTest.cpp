#include "core/toolkit/UiPoster.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

// Data that dies with the target: work that ran after the target's end would
// touch freed memory, which AddressSanitizer reports.
class Payload : public QObject
{
public:
    using QObject::QObject;
    int hits = 0;
};

} // namespace

class UiPosterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workRunsOnTheTargetThreadInPostedOrder();
    void postLatestKeepsOnlyTheNewestWaitingUpdatePerSlot();
    void workPostedAfterTheTargetIsDestroyedNeverRuns();
    void detachDropsPendingAndLaterWork();
    void pendingWorkStillRunsWhenOnlyThePosterIsGone();
};

void UiPosterTest::workRunsOnTheTargetThreadInPostedOrder()
{
    QObject target;
    UiPoster poster(&target);
    std::vector<int> order;
    std::vector<QThread *> threads;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            poster.post([&order, &threads, i] {
                order.push_back(i);
                threads.push_back(QThread::currentThread());
            });
    });
    worker.join();
    QVERIFY(order.empty()); // nothing runs until the target's thread gets to it
    QCoreApplication::processEvents();
    QCOMPARE(order.size(), size_t(100));
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(order[i], i);
        QCOMPARE(threads[i], target.thread());
    }
}

void UiPosterTest::postLatestKeepsOnlyTheNewestWaitingUpdatePerSlot()
{
    QObject target;
    UiPoster poster(&target);
    std::vector<int> progress, title;
    for (int i = 1; i <= 50; ++i) {
        poster.postLatest(1, [&progress, i] { progress.push_back(i); });
        poster.postLatest(2, [&title, i] { title.push_back(i); });
    }
    QCoreApplication::processEvents();
    QCOMPARE(progress, std::vector<int>({ 50 }));
    QCOMPARE(title, std::vector<int>({ 50 }));

    // Once delivered, the next update is posted afresh.
    poster.postLatest(1, [&progress] { progress.push_back(51); });
    QCoreApplication::processEvents();
    QCOMPARE(progress, std::vector<int>({ 50, 51 }));
}

void UiPosterTest::workPostedAfterTheTargetIsDestroyedNeverRuns()
{
    auto target = std::make_unique<QObject>();
    auto *payload = new Payload(target.get());
    auto poster = std::make_shared<UiPoster>(target.get());
    std::atomic<bool> targetGone { false };
    std::atomic<bool> stop { false };
    std::atomic<int> ranAfterEnd { 0 };
    std::atomic<int> postsAfterEnd { 0 };

    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w) {
        workers.emplace_back([&, poster, w] {
            while (!stop) {
                const bool gone = targetGone;
                poster->post([&, payload] {
                    if (targetGone)
                        ++ranAfterEnd;
                    ++payload->hits;
                });
                poster->postLatest(w, [&, payload] {
                    if (targetGone)
                        ++ranAfterEnd;
                    ++payload->hits;
                });
                if (gone)
                    ++postsAfterEnd;
            }
        });
    }
    QTRY_VERIFY(payload->hits > 100);
    target.reset(); // workers keep posting throughout
    targetGone = true;
    QTRY_VERIFY(postsAfterEnd > 1000);
    QCoreApplication::processEvents();
    stop = true;
    for (std::thread &worker : workers)
        worker.join();
    QCoreApplication::processEvents();
    QCOMPARE(ranAfterEnd.load(), 0);
    QVERIFY(!poster->attached());
}

void UiPosterTest::detachDropsPendingAndLaterWork()
{
    QObject target;
    UiPoster poster(&target);
    int ran = 0;
    poster.post([&ran] { ++ran; });
    poster.postLatest(1, [&ran] { ++ran; });
    poster.detach();
    poster.post([&ran] { ++ran; });
    poster.postLatest(1, [&ran] { ++ran; });
    QCoreApplication::processEvents();
    QCOMPARE(ran, 0);
    QVERIFY(!poster.attached());
}

void UiPosterTest::pendingWorkStillRunsWhenOnlyThePosterIsGone()
{
    QObject target;
    int ran = 0;
    {
        UiPoster poster(&target);
        poster.post([&ran] { ++ran; });
        poster.postLatest(1, [&ran] { ++ran; });
    }
    QCoreApplication::processEvents();
    QCOMPARE(ran, 2);
}

QTEST_GUILESS_MAIN(UiPosterTest)
#include "UiPosterTest.moc"
