// A run fed by generators alone, against its physical limit: G generators can at
// best deliver G samples per 10 ms sleep, as long as one sleep really takes here.
#include "core/generation/EngineSink.h"
#include "core/generation/PasswordEngine.h"
#include "core/toolkit/Threads.h"
#include "core/toolkit/TickCounter.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace {

struct OverSink : EngineSink
{
    std::mutex mutex;
    std::condition_variable changed;
    bool over = false;
    void passwordFinished(std::uint64_t, const std::string &, std::uint32_t) override { }
    void titlePercent(std::uint64_t, int) override { }
    void progress(std::uint64_t, int) override { }
    void runOver(std::uint64_t) override
    {
        std::scoped_lock lock(mutex);
        over = true;
        changed.notify_all();
    }
    void runFailed(std::uint64_t run, const std::string &) override { runOver(run); }
};

double measuredSleepSeconds()
{
    constexpr int rounds = 100;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        TickCounter::ticks();
        TickCounter::sleepMs(PasswordEngine::sleepMs);
        TickCounter::ticks();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

} // namespace

int main()
{
    const double sleepSeconds = measuredSleepSeconds();
    std::printf("One %d ms sleep takes %.3f ms here\n", PasswordEngine::sleepMs, sleepSeconds * 1000);
    std::printf("Generator-only run, strength 25, 16 characters, about 150 sleeps per generator\n");
    for (const int generators : { 1, 8, 99 }) {
        auto engine = PasswordEngine::create(Psdes(1, 1));
        auto sink = std::make_shared<OverSink>();
        engine->setSink(sink);
        GenerationOptions options;
        options.minLength = 16;
        options.maxLength = 16;
        options.passCount = 6 * generators;
        options.passStrength = 25;
        options.charPool = "abcdefghijklmnopqrstuvwxyz";
        const double samplesNeeded = static_cast<double>(options.passCount) * options.passStrength;

        const auto start = std::chrono::steady_clock::now();
        const auto run = engine->begin(options);
        const int started = engine->startGenerators(generators, run).started;
        {
            std::unique_lock lock(sink->mutex);
            sink->changed.wait(lock, [&] { return sink->over; });
        }
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double limit = samplesNeeded / (generators / sleepSeconds);
        std::printf("  G = %2d (%2d started): %6.0f samples in %.3f s, limit %.3f s, ratio %.3f\n", generators, started,
            samplesNeeded, wall, limit, wall / limit);
        engine->waitForThreads(1000);
    }
    Threads::waitForAll();
    return 0;
}
