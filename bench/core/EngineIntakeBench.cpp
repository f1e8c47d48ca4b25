// Cost of one sample through the intake, single thread, no window: lock, append,
// the share of a digest, password assembly and the reports to a sink that only counts.
#include "core/generation/EngineSink.h"
#include "core/generation/PasswordEngine.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

struct CountingSink : EngineSink
{
    long reports = 0;
    void passwordFinished(std::uint64_t, const std::string &, std::uint32_t) override { ++reports; }
    void titlePercent(std::uint64_t, int) override { ++reports; }
    void progress(std::uint64_t, int) override { ++reports; }
    void runOver(std::uint64_t) override { ++reports; }
    void runFailed(std::uint64_t, const std::string &) override { ++reports; }
};

struct Cost
{
    double wall;
    double cpu;
};

double threadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e9 + now.tv_nsec;
}

// Wall time per sample, and the thread's own processor time, which other load on the machine does not inflate.
Cost nsPerSample(int strength, std::uint32_t samples)
{
    auto engine = PasswordEngine::create(Psdes(1, 1));
    auto sink = std::make_shared<CountingSink>();
    engine->setSink(sink);
    GenerationOptions options;
    options.minLength = 16;
    options.maxLength = 16;
    options.passCount = 65535;
    options.passStrength = strength;
    options.charPool = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const auto run = engine->begin(options);
    std::uint32_t value = 12345;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuNs();
    for (std::uint32_t i = 0; i < samples; ++i) {
        value = value * 1664525u + 1013904223u;
        engine->addSample(value, run);
    }
    const double cpu = threadCpuNs() - cpuStart;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return { std::chrono::duration<double, std::nano>(elapsed).count() / samples, cpu / samples };
}

} // namespace

int main()
{
    std::printf("Sample intake without a display (16-character passwords)\n");
    for (const int strength : { 25, 100, 9999 }) {
        nsPerSample(strength, 100000); // warm-up
        const Cost cost = nsPerSample(strength, 1500000);
        std::printf(
            "  strength %4d: %6.1f ns per sample (%6.1f ns of processor time)\n", strength, cost.wall, cost.cpu);
    }
    return 0;
}
