#include "core/generation/EngineSink.h"
#include "core/generation/PasswordEngine.h"
#include "core/toolkit/Threads.h"
#include "core/toolkit/TickCounter.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int cycles = 200;
constexpr int generators = 99;
constexpr int mouseSamplesPerCycle = 30;
// Samples carry the cycle they were made in, so a delivery into another run shows.
constexpr std::uint32_t mouseTag = 0x80000000u;
constexpr std::uint32_t timerTag = 0x40000000u;
constexpr std::uint32_t cycleMask = 0xFFFFu;

std::array<std::atomic<std::uint64_t>, cycles> runOfCycle {};
std::atomic<int> currentCycle { 0 };
std::atomic<std::uint64_t> stoppedUpTo { 0 };
std::atomic<int> violations { 0 };
std::atomic<int> passwords { 0 };
std::atomic<int> accepted { 0 };

// Each generator's first reading fixes its tag; the tick difference it then
// measures is that tag.
std::uint64_t taggedTicks()
{
    thread_local bool second = false;
    thread_local std::uint32_t tag = timerTag | static_cast<std::uint32_t>(currentCycle.load());
    second = !second;
    return second ? 0 : tag;
}

void checkSample(std::uint64_t run, std::uint32_t sample)
{
    accepted.fetch_add(1);
    if ((sample & (mouseTag | timerTag)) == 0)
        return;
    const auto cycle = sample & cycleMask;
    if (cycle >= static_cast<std::uint32_t>(cycles) || runOfCycle[cycle].load() != run)
        violations.fetch_add(1);
}

struct CheckingSink : EngineSink
{
    void check(std::uint64_t run)
    {
        if (run <= stoppedUpTo.load())
            violations.fetch_add(1);
    }
    void passwordFinished(std::uint64_t run, const std::string &password, std::uint32_t) override
    {
        check(run);
        if (password.empty())
            violations.fetch_add(1);
        passwords.fetch_add(1);
    }
    void titlePercent(std::uint64_t run, int) override { check(run); }
    void progress(std::uint64_t run, int) override { check(run); }
    void runOver(std::uint64_t run) override { check(run); }
    void runFailed(std::uint64_t, const std::string &) override { violations.fetch_add(1); }
};

} // namespace

// A plain program rather than a QTest one: the QTest watchdog thread lives in
// Qt's uninstrumented code and would trip the race detector at exit.
int main()
{
    TickCounter::setSourceForTesting(taggedTicks);
    auto engine = PasswordEngine::create(Psdes(3, 5));
    engine->setSink(std::make_shared<CheckingSink>());
    engine->setIntakeProbe(checkSample);

    std::atomic<bool> monitoring { true };
    std::atomic<int> mostAlive { 0 };
    std::thread monitor([&] {
        while (monitoring.load()) {
            mostAlive.store(std::max(mostAlive.load(), Threads::alive()));
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    int refused = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        GenerationOptions options;
        options.minLength = 1;
        options.maxLength = 16;
        options.passCount = cycle % 2 ? 3 : 65535; // half the runs end by themselves
        options.passStrength = 25;
        options.charPool = "abcdefgh";
        // A quarter of the runs drop candidates, a quarter mix in the system's bytes.
        options.requireEachSet = cycle % 4 == 1;
        options.requiredSets = { "abcd", "efgh" };
        if (options.requireEachSet)
            options.minLength = 2;
        options.mixSystemRandom = cycle % 4 == 2;
        const auto run = engine->begin(options);
        runOfCycle[cycle].store(run);
        currentCycle.store(cycle);

        refused += engine->startGenerators(generators, run).error ? 1 : 0;
        for (int i = 0; i < mouseSamplesPerCycle; ++i) {
            try {
                engine->startSampleWorker(mouseTag | static_cast<std::uint32_t>(cycle), run);
            } catch (const std::exception &) {
                ++refused;
            }
        }
        if (cycle % 10 == 0) {
            engine->setPaused(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            engine->setPaused(false);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(cycle % 3 == 0 ? 12 : 1));
        engine->stop();
        stoppedUpTo.store(run);
    }

    Threads::waitForAll();
    monitoring.store(false);
    monitor.join();
    TickCounter::setSourceForTesting({});

    std::printf("%d cycles: %d samples accepted, %d passwords, %d thread starts refused, at most %d threads alive\n",
        cycles, accepted.load(), passwords.load(), refused, mostAlive.load());
    bool ok = true;
    auto expect = [&ok](bool condition, const char *what) {
        if (!condition) {
            std::printf("FAIL: %s\n", what);
            ok = false;
        }
    };
    expect(violations.load() == 0, "no report or sample of a stopped or other run");
    expect(passwords.load() > 0, "passwords were made");
    expect(mostAlive.load() <= Threads::maxAlive, "thread cap held");
    expect(engine->threadsInside() == 0, "every engine thread left");
    return ok ? 0 : 1;
}
