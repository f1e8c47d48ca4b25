// Randomness quality report for generator-only runs: the real generator threads
// and tick counter, no display. Prints chi-square figures of the password
// characters per position and overall, and most-common-value min-entropy
// estimates of the timer samples.
//
// Usage: QualityBench [characters=1000000] [generators=99]

#include "core/generation/EngineSink.h"
#include "core/generation/GenerationOptions.h"
#include "core/generation/PasswordEngine.h"
#include "core/generation/Psdes.h"
#include "core/toolkit/TickCounter.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int passwordLength = 16;
constexpr int strength = 25; // the lowest the options allow: the most characters per sample

class Recorder : public EngineSink
{
public:
    void passwordFinished(std::uint64_t, const std::string &password, std::uint32_t) override
    {
        std::scoped_lock lock(mutex);
        passwords.push_back(password);
    }
    void titlePercent(std::uint64_t, int) override { }
    void progress(std::uint64_t, int) override { }
    void runOver(std::uint64_t) override
    {
        std::scoped_lock lock(mutex);
        over = true;
        done.notify_all();
    }

    void waitOver()
    {
        std::unique_lock lock(mutex);
        done.wait(lock, [this] { return over; });
    }

    std::mutex mutex;
    std::condition_variable done;
    bool over = false;
    std::vector<std::string> passwords;
};

// Regularised upper incomplete gamma Q(a, x), by series or continued fraction.
double upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double lnPrefix = -x + a * std::log(x) - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 1000; ++n) {
            term *= x / (a + n);
            sum += term;
            if (term < sum * 1e-15)
                break;
        }
        return 1.0 - sum * std::exp(lnPrefix);
    }
    double b = x + 1 - a, c = 1e300, d = 1 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < 1e-300)
            d = 1e-300;
        c = b + an / c;
        if (std::fabs(c) < 1e-300)
            c = 1e-300;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-15)
            break;
    }
    return std::exp(lnPrefix) * h;
}

struct ChiSquare
{
    double statistic = 0;
    double pValue = 0;
};

ChiSquare chiSquare(const std::vector<std::uint64_t> &counts)
{
    std::uint64_t total = 0;
    for (auto count : counts)
        total += count;
    const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
    ChiSquare result;
    for (auto count : counts) {
        const double difference = static_cast<double>(count) - expected;
        result.statistic += difference * difference / expected;
    }
    const double freedom = static_cast<double>(counts.size() - 1);
    result.pValue = upperGamma(freedom / 2, result.statistic / 2);
    return result;
}

// Most-common-value estimate: the upper 99% bound of the commonest value's share.
template <typename Value> double mcvMinEntropy(const std::vector<Value> &values)
{
    std::unordered_map<Value, std::uint64_t> counts;
    counts.reserve(values.size());
    std::uint64_t most = 0;
    for (Value value : values)
        most = std::max(most, ++counts[value]);
    const double n = static_cast<double>(values.size());
    const double p = static_cast<double>(most) / n;
    const double upper = std::min(1.0, p + 2.576 * std::sqrt(p * (1 - p) / (n - 1)));
    return -std::log2(upper);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const long characters = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int generators = argc > 2 ? std::atoi(argv[2]) : 99;
    const int passwords = static_cast<int>((characters + passwordLength - 1) / passwordLength);

    GenerationOptions options;
    options.minLength = options.maxLength = passwordLength;
    options.passCount = passwords;
    options.passStrength = strength;
    options.generators = generators;
    for (char c = '0'; c <= '9'; ++c)
        options.charPool += c;
    for (char c = 'A'; c <= 'Z'; ++c)
        options.charPool += c;
    for (char c = 'a'; c <= 'z'; ++c)
        options.charPool += c;
    const auto poolSize = options.charPool.size();

    auto engine = PasswordEngine::create(Psdes::fromTicks(TickCounter::ticks()));
    auto recorder = std::make_shared<Recorder>();
    engine->setSink(recorder);
    std::vector<std::uint32_t> samples;
    samples.reserve(static_cast<std::size_t>(passwords) * strength);
    engine->setIntakeProbeForTesting([&samples](std::uint64_t, std::uint32_t sample) { samples.push_back(sample); });

    std::printf("Quality report: %d generators, %d passwords of %d characters, strength %d, pool of %zu\n", generators,
        passwords, passwordLength, strength, poolSize);
    std::fflush(stdout);
    const auto started = std::chrono::steady_clock::now();
    const std::uint64_t run = engine->begin(options);
    const auto launch = engine->startGenerators(generators, run);
    std::printf("generators started: %d\n", launch.started);
    recorder->waitOver();
    engine->waitForThreads(1000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::vector<std::vector<std::uint64_t>> perPosition(passwordLength, std::vector<std::uint64_t>(poolSize));
    std::vector<std::uint64_t> overall(poolSize);
    std::array<int, 256> indexOf {};
    for (std::size_t i = 0; i < poolSize; ++i)
        indexOf[static_cast<unsigned char>(options.charPool[i])] = static_cast<int>(i);
    std::uint64_t total = 0;
    for (const auto &password : recorder->passwords) {
        for (int i = 0; i < passwordLength; ++i) {
            const int index = indexOf[static_cast<unsigned char>(password[i])];
            ++perPosition[i][index];
            ++overall[index];
            ++total;
        }
    }

    std::printf("characters: %llu from %zu samples in %.1f s (%.0f samples/s)\n",
        static_cast<unsigned long long>(total), samples.size(), seconds, static_cast<double>(samples.size()) / seconds);
    std::printf("chi-square, %zu degrees of freedom (expected about %zu):\n", poolSize - 1, poolSize - 1);
    for (int i = 0; i < passwordLength; ++i) {
        const auto result = chiSquare(perPosition[i]);
        std::printf("  position %2d: %8.1f  p = %.4f\n", i + 1, result.statistic, result.pValue);
    }
    const auto all = chiSquare(overall);
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

    std::vector<std::uint8_t> lowBytes;
    lowBytes.reserve(samples.size());
    for (auto sample : samples)
        lowBytes.push_back(static_cast<std::uint8_t>(sample));
    const double wholeEntropy = mcvMinEntropy(samples);
    const double byteEntropy = mcvMinEntropy(lowBytes);
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
