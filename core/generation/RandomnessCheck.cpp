#include "core/generation/RandomnessCheck.h"

#include "core/generation/EngineSink.h"
#include "core/generation/GenerationOptions.h"
#include "core/generation/PasswordEngine.h"
#include "core/generation/Psdes.h"
#include "core/generation/RandomnessStatistics.h"
#include "core/toolkit/TickCounter.h"

#include <QString>

#include <array>
#include <condition_variable>
#include <cstring>
#include <mutex>

const char *const RandomnessCheck::pool = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

namespace {

// A chi-square means something only with at least 5 expected in every cell.
constexpr int expectedPerCell = 5;

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
    void runFailed(std::uint64_t, const std::string &message) override
    {
        std::scoped_lock lock(mutex);
        failure = message;
        over = true;
        done.notify_all();
    }

    void waitUntil(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock lock(mutex);
        done.wait_until(lock, deadline, [this] { return over; });
    }

    std::mutex mutex;
    std::condition_variable done;
    bool over = false;
    std::vector<std::string> passwords;
    std::optional<std::string> failure;
};

std::string format(const char *text, double value)
{
    return QString::asprintf(text, value).toStdString();
}

} // namespace

RandomnessCheck::Collected RandomnessCheck::collect(const Settings &settings)
{
    GenerationOptions options;
    options.minLength = options.maxLength = passwordLength;
    options.passCount = settings.passwords;
    options.passStrength = strength;
    options.generators = settings.generators;
    options.charPool = pool;

    Collected collected;
    collected.samples.reserve(static_cast<std::size_t>(settings.passwords) * strength);
    auto engine = PasswordEngine::create(Psdes::fromTicks(TickCounter::ticks()));
    auto recorder = std::make_shared<Recorder>();
    engine->setSink(recorder);
    // Called under the engine's lock, which the stop below takes too.
    engine->setIntakeProbe([&collected](std::uint64_t, std::uint32_t sample) { collected.samples.push_back(sample); });

    const auto started = std::chrono::steady_clock::now();
    const std::uint64_t run = engine->begin(options);
    const PasswordEngine::GeneratorStart launch = engine->startGenerators(settings.generators, run);
    collected.generatorsStarted = launch.started;
    collected.startError = launch.error;
    if (launch.started > 0)
        recorder->waitUntil(started + settings.deadline);
    engine->stop();
    engine->setIntakeProbe({});
    engine->setSink(nullptr);
    collected.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // A generator still asleep finds the run stopped and leaves by itself.
    engine->waitForThreads(5 * PasswordEngine::sleepMs);

    std::scoped_lock lock(recorder->mutex);
    collected.passwords = std::move(recorder->passwords);
    collected.failure = recorder->failure;
    return collected;
}

std::vector<std::vector<std::uint64_t>> RandomnessCheck::countsByPosition(const std::vector<std::string> &passwords)
{
    const std::size_t poolSize = std::strlen(pool);
    std::array<std::size_t, 256> indexOf {};
    for (std::size_t i = 0; i < poolSize; ++i)
        indexOf[static_cast<unsigned char>(pool[i])] = i;
    std::vector<std::vector<std::uint64_t>> counts(passwordLength, std::vector<std::uint64_t>(poolSize));
    for (const std::string &password : passwords) {
        for (std::size_t i = 0; i < password.size() && i < counts.size(); ++i)
            ++counts[i][indexOf[static_cast<unsigned char>(password[i])]];
    }
    return counts;
}

int RandomnessCheck::run(const Print &print, const Settings &settings)
{
    const auto poolSize = static_cast<int>(std::strlen(pool));
    const double seconds = std::chrono::duration<double>(settings.deadline).count();
    print(QString::asprintf("Randomness check: %d generators, %d passwords of %d characters at strength %d from "
                            "the %d letters and digits, for at most %.0f s",
        settings.generators, settings.passwords, passwordLength, strength, poolSize, seconds)
              .toStdString());

    const Collected collected = collect(settings);
    std::vector<std::string> failed;
    if (collected.startError) {
        print(QString::asprintf("Generators started: %d of %d (%s)", collected.generatorsStarted, settings.generators,
            collected.startError->c_str())
                  .toStdString());
    }
    if (collected.failure)
        failed.push_back("the run stopped: " + *collected.failure);
    const auto made = static_cast<int>(collected.passwords.size());
    print(QString::asprintf(
        "Made %d passwords from %zu timer samples in %.1f s", made, collected.samples.size(), collected.seconds)
              .toStdString());

    if (collected.samples.empty()) {
        failed.push_back("no timer samples");
    } else {
        const double whole = RandomnessStatistics::mcvMinEntropy(collected.samples);
        const double lowByte = RandomnessStatistics::mcvMinEntropy(collected.samples, 0xFFu);
        print(QString::asprintf("Timer samples, most-common-value min-entropy: %.2f bits for the whole 32-bit "
                                "sample, %.2f bits for its low byte",
            whole, lowByte)
                  .toStdString());
        if (!(whole >= 1.0))
            failed.push_back(format("the timer samples carry %.2f bits each, under 1", whole));
    }

    // Position 1 indexes the pool with a single digest byte, so it is biased
    // whenever the pool size does not divide 256; it is shown, not judged.
    const double threshold = familyLevel / (passwordLength - 1);
    const int needed = expectedPerCell * poolSize;
    if (made < needed) {
        failed.push_back(QString::asprintf("only %d passwords, at least %d needed", made, needed).toStdString());
    } else {
        print(QString::asprintf("Chi-square of the character counts per position, %d degrees of freedom "
                                "(about %d for uniform characters):",
            poolSize - 1, poolSize - 1)
                  .toStdString());
        const auto counts = countsByPosition(collected.passwords);
        std::vector<std::uint64_t> overall(static_cast<std::size_t>(poolSize));
        std::string uneven;
        int unevenCount = 0;
        for (int i = 0; i < passwordLength; ++i) {
            const auto result = RandomnessStatistics::chiSquare(counts[i]);
            for (std::size_t c = 0; c < overall.size(); ++c)
                overall[c] += counts[i][c];
            print(QString::asprintf("  position %2d: %8.1f  p = %.4f%s", i + 1, result.statistic, result.pValue,
                i == 0 ? "  (not judged: one digest byte, the known bias)" : "")
                      .toStdString());
            if (i > 0 && !(result.pValue > threshold)) {
                uneven += (unevenCount++ > 0 ? ", " : "") + std::to_string(i + 1);
            }
        }
        const auto all = RandomnessStatistics::chiSquare(overall);
        print(QString::asprintf("  overall    : %8.1f  p = %.4f", all.statistic, all.pValue).toStdString());
        if (unevenCount > 0)
            failed.push_back((unevenCount > 1 ? "positions " : "position ") + uneven + " not uniform");
    }

    print(QString::asprintf("Judged: at least 1 bit per timer sample; positions 2 to %d each with p above "
                            "%g / %d = %.6f (Bonferroni)",
        passwordLength, familyLevel, passwordLength - 1, threshold)
              .toStdString());
    if (failed.empty()) {
        print("Verdict: pass");
        return 0;
    }
    std::string verdict = "Verdict: fail: ";
    for (std::size_t i = 0; i < failed.size(); ++i)
        verdict += (i > 0 ? "; " : "") + failed[i];
    print(verdict);
    return failStatus;
}
