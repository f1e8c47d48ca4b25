// Cost of one sample through the intake, single thread, no window: lock, append,
// the share of a digest, password assembly and the reports to a sink that only counts.
#include "generation/EngineSink.h"
#include "generation/PasswordEngine.h"

#include <chrono>
#include <cstdio>

namespace {

struct CountingSink : EngineSink
{
    long reports = 0;
    void passwordFinished(std::uint64_t, const std::string &, std::uint32_t) override { ++reports; }
    void titlePercent(std::uint64_t, int) override { ++reports; }
    void progress(std::uint64_t, int) override { ++reports; }
    void runOver(std::uint64_t) override { ++reports; }
};

double nsPerSample(int strength, std::uint32_t samples)
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
    for (std::uint32_t i = 0; i < samples; ++i) {
        value = value * 1664525u + 1013904223u;
        engine->addSample(value, run);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(elapsed).count() / samples;
}

} // namespace

int main()
{
    std::printf("Sample intake without a display (16-character passwords)\n");
    for (const int strength : { 25, 100, 9999 }) {
        nsPerSample(strength, 100000); // warm-up
        std::printf("  strength %4d: %6.1f ns per sample\n", strength, nsPerSample(strength, 1500000));
    }
    return 0;
}
