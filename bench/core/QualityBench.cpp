// Randomness quality report for generator-only runs: the real generator threads
// and tick counter, no display. Prints chi-square figures of the password
// characters per position and overall, and most-common-value min-entropy
// estimates of the timer samples. The longer run of what --check-randomness does.
//
// Usage: QualityBench [characters=1000000] [generators=99]

#include "core/generation/RandomnessCheck.h"
#include "core/generation/RandomnessStatistics.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char *argv[])
{
    constexpr int passwordLength = RandomnessCheck::passwordLength;
    constexpr int strength = RandomnessCheck::strength;
    const long characters = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int generators = argc > 2 ? std::atoi(argv[2]) : 99;
    const int passwords = static_cast<int>((characters + passwordLength - 1) / passwordLength);
    const std::size_t poolSize = std::strlen(RandomnessCheck::pool);

    std::printf("Quality report: %d generators, %d passwords of %d characters, strength %d, pool of %zu\n", generators,
        passwords, passwordLength, strength, poolSize);
    std::fflush(stdout);
    RandomnessCheck::Settings settings;
    settings.passwords = passwords;
    settings.generators = generators;
    settings.deadline = std::chrono::hours(24); // no limit: the report runs until it has them all
    const RandomnessCheck::Collected collected = RandomnessCheck::collect(settings);
    std::printf("generators started: %d\n", collected.generatorsStarted);
    const double seconds = collected.seconds;
    const auto &samples = collected.samples;

    const auto perPosition = RandomnessCheck::countsByPosition(collected.passwords);
    std::vector<std::uint64_t> overall(poolSize);
    std::uint64_t total = 0;
    for (const auto &counts : perPosition) {
        for (std::size_t i = 0; i < poolSize; ++i) {
            overall[i] += counts[i];
            total += counts[i];
        }
    }

    std::printf("characters: %llu from %zu samples in %.1f s (%.0f samples/s)\n",
        static_cast<unsigned long long>(total), samples.size(), seconds, static_cast<double>(samples.size()) / seconds);
    std::printf("chi-square, %zu degrees of freedom (expected about %zu):\n", poolSize - 1, poolSize - 1);
    for (int i = 0; i < passwordLength; ++i) {
        const auto result = RandomnessStatistics::chiSquare(perPosition[i]);
        std::printf("  position %2d: %8.1f  p = %.4f\n", i + 1, result.statistic, result.pValue);
    }
    const auto all = RandomnessStatistics::chiSquare(overall);
    std::printf("  overall    : %8.1f  p = %.4f\n", all.statistic, all.pValue);

    // The first character indexes the pool with one digest byte: 256 = 4 x 62 + 8,
    // so the first 8 pool characters are 5/4 as likely as the others.
    const std::size_t favoured = 256 % poolSize;
    double low = 0, high = 0;
    for (std::size_t i = 0; i < poolSize; ++i)
        (i < favoured ? low : high) += static_cast<double>(perPosition[0][i]);
    low /= static_cast<double>(favoured);
    high /= static_cast<double>(poolSize - favoured);
    std::printf("first position: the first %zu pool characters average %.0f, the other %zu average %.0f "
                "(ratio %.3f; byte arithmetic predicts %.3f)\n",
        favoured, low, poolSize - favoured, high, low / high,
        static_cast<double>(256 / poolSize + 1) / static_cast<double>(256 / poolSize));

    const double wholeEntropy = RandomnessStatistics::mcvMinEntropy(samples);
    const double byteEntropy = RandomnessStatistics::mcvMinEntropy(samples, 0xFFu);
    std::printf("timer samples, most-common-value min-entropy: whole 32-bit %.2f bits, low byte %.2f bits\n",
        wholeEntropy, byteEntropy);
    const double drawn = std::min(128.0, wholeEntropy * strength);
    const double capacity = std::log2(static_cast<double>(poolSize)) * passwordLength;
    std::printf("a %d-character password at strength %d draws on about %.0f bits of estimated entropy "
                "(%d samples, capped at the digest's 128); it can hold %.1f bits\n",
        passwordLength, strength, drawn, strength, capacity);
    std::printf("at the default strength 100: about %.0f bits\n", std::min(128.0, wholeEntropy * 100));
    return 0;
}
