#include "core/toolkit/UiPoster.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int cycles = 100;
constexpr int workers = 4;
constexpr int postsAfterTheEnd = 200; // per worker and cycle

} // namespace

// Workers post to a window that goes away under them, again and again: no work
// may run once the target is gone, and the race detector sees every access to
// the poster's state.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::atomic<int> ranAfterEnd { 0 };
    int delivered = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        auto target = std::make_unique<QObject>();
        auto poster = std::make_shared<UiPoster>(target.get());
        std::atomic<bool> targetGone { false };
        std::atomic<int> postedAfterEnd { 0 };
        std::atomic<int> hits { 0 };
        std::vector<std::thread> threads;
        for (int w = 0; w < workers; ++w) {
            threads.emplace_back([&, poster, w] {
                const auto work = [&] {
                    if (targetGone.load())
                        ranAfterEnd.fetch_add(1);
                    hits.fetch_add(1);
                };
                while (postedAfterEnd.load() < workers * postsAfterTheEnd) {
                    const bool gone = targetGone.load();
                    poster->post(work);
                    poster->postLatest(w, work);
                    if (gone)
                        postedAfterEnd.fetch_add(1);
                }
            });
        }
        // The target goes while work is arriving and some of it still waits.
        while (hits.load() < 10)
            QCoreApplication::processEvents();
        target.reset();
        targetGone.store(true);
        for (std::thread &thread : threads)
            thread.join();
        QCoreApplication::processEvents();
        delivered += hits.load();
        if (poster->attached())
            ranAfterEnd.fetch_add(1);
    }
    std::printf("%d cycles of %d workers: %d pieces of work delivered, %d ran after their target's end\n", cycles,
        workers, delivered, ranAfterEnd.load());
    return ranAfterEnd.load() == 0 ? 0 : 1;
}
