#pragma once

#include "core/generation/GenerationOptions.h"
#include "core/generation/Psdes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class EngineSink;

// The run: sample intake, digests, password assembly and the threads that feed
// it. Window-free; it reports through an EngineSink. Threads it starts hold it by
// shared_ptr, so it outlives its owner until the last of them has left.
class PasswordEngine : public std::enable_shared_from_this<PasswordEngine>
{
public:
    enum class Intake {
        waitWhilePaused, // worker threads: hold the sample until the pause ends
        dropWhilePaused, // the user-interface thread, which must never wait here
    };

    struct GeneratorStart
    {
        int started = 0;
        std::optional<std::string> error; // why the next one could not start
    };

    struct State
    {
        std::size_t samples = 0;
        std::size_t digestBytes = 0;
        std::uint32_t passLength = 0;
        std::uint32_t passDone = 0;
        std::size_t poolSize = 0;
    };

    static std::shared_ptr<PasswordEngine> create(Psdes random);
    ~PasswordEngine();

    // Reports go nowhere while no sink is set.
    void setSink(std::shared_ptr<EngineSink> sink);

    // Starts a run with these options (already clamped, pool of two or more);
    // returns its run number, which every sample of it must carry.
    std::uint64_t begin(const GenerationOptions &options);

    // Ends the run on any thread; a delivery in progress finishes first.
    void stop();

    // The single intake. True while the run goes on; false once it is over or
    // when the sample belongs to an older run.
    bool addSample(std::uint32_t sample, std::uint64_t run, Intake intake = Intake::waitWhilePaused);

    // Starts up to count timer-sample generators for the run.
    GeneratorStart startGenerators(int count, std::uint64_t run);

    // Hands one sample to a short-lived thread. Throws when no thread can start.
    void startSampleWorker(std::uint32_t sample, std::uint64_t run);

    bool running() const { return isRunning.load(); }
    bool paused() const { return isPaused.load(); }
    void setPaused(bool paused) { isPaused.store(paused); }

    // Threads of this engine still inside it.
    int threadsInside() const { return threads.load(); }
    // Waits at most the given time for them to leave; true when none is left.
    bool waitForThreads(int milliseconds) const;

    State state() const;

    // Sees every accepted sample with the run it went into: for tests, and for the
    // randomness check, which measures the samples themselves.
    using IntakeProbe = std::function<void(std::uint64_t run, std::uint32_t sample)>;
    void setIntakeProbe(IntakeProbe probe);

    static constexpr int sleepMs = 10;

private:
    explicit PasswordEngine(Psdes random);

    void startThread(std::function<void()> body);
    void generatorMain(std::uint64_t run);
    void stopLocked();
    void nextPassword();
    void digestSamples(); // throws when the system's randomness fails
    std::string assemblePassword() const;
    int progressPermille() const;

    std::atomic<bool> isRunning { false };
    std::atomic<bool> isPaused { false };
    std::atomic<std::uint64_t> runNumber { 0 };
    std::atomic<int> threads { 0 };

    // The tracker lock: recursive, so a stop from inside a report is safe.
    mutable std::recursive_mutex trackerLock;
    // Everything below is guarded by trackerLock.
    GenerationOptions options;
    Psdes random;
    std::vector<std::uint32_t> samples;
    std::vector<unsigned char> sampleBytes; // scratch for the digest input
    std::vector<unsigned char> digestBytes;
    std::uint32_t passLength = 0;
    std::uint32_t passDone = 0;
    int lastPermille = 0;
    std::shared_ptr<EngineSink> sink;
    IntakeProbe probe;
};
