#include "core/generation/PasswordEngine.h"

#include "core/generation/EngineSink.h"
#include "core/toolkit/SystemRandom.h"
#include "core/toolkit/Threads.h"
#include "core/toolkit/TickCounter.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QtEndian>

#include <chrono>
#include <exception>
#include <thread>

std::shared_ptr<PasswordEngine> PasswordEngine::create(Psdes random)
{
    return std::shared_ptr<PasswordEngine>(new PasswordEngine(random));
}

PasswordEngine::PasswordEngine(Psdes random)
    : random(random)
{ }

PasswordEngine::~PasswordEngine() = default;

void PasswordEngine::setSink(std::shared_ptr<EngineSink> newSink)
{
    std::scoped_lock lock(trackerLock);
    sink = std::move(newSink);
}

void PasswordEngine::setIntakeProbe(IntakeProbe newProbe)
{
    std::scoped_lock lock(trackerLock);
    probe = std::move(newProbe);
}

std::uint64_t PasswordEngine::begin(const GenerationOptions &runOptions)
{
    std::scoped_lock lock(trackerLock);
    // A new number first: threads of the old run see it and drop their samples.
    const std::uint64_t run = runNumber.load() + 1;
    runNumber.store(run);
    options = runOptions;
    samples.clear();
    samples.reserve(static_cast<std::size_t>(options.passStrength));
    digestBytes.clear();
    passLength = 0;
    passDone = 0;
    lastPermille = 0;
    isRunning.store(true);
    return run;
}

void PasswordEngine::stop()
{
    // Flags first: a worker holding the lock in the pause wait lets go of it.
    isRunning.store(false);
    isPaused.store(false);
    std::scoped_lock lock(trackerLock);
    stopLocked();
}

void PasswordEngine::stopLocked()
{
    isRunning.store(false);
    isPaused.store(false);
    options.charPool.clear();
    samples.clear();
    digestBytes.clear();
    passLength = 0;
    passDone = 0;
    lastPermille = 0;
}

bool PasswordEngine::addSample(std::uint32_t sample, std::uint64_t run, Intake intake)
{
    if (!isRunning.load())
        return false;
    if (intake == Intake::dropWhilePaused && isPaused.load())
        return true;
    std::scoped_lock lock(trackerLock);
    while (isPaused.load()) {
        // A stale thread must not hold the lock through a pause that a new run's
        // intake would then wait on.
        if (!isRunning.load() || run != runNumber.load())
            return false;
        TickCounter::sleepMs(sleepMs);
    }
    if (!isRunning.load() || run != runNumber.load())
        return false;
    if (probe)
        probe(run, sample);

    if (passLength == 0)
        nextPassword();
    samples.push_back(sample);
    if (samples.size() >= static_cast<std::size_t>(options.passStrength)) {
        try {
            digestSamples();
        } catch (const std::exception &error) {
            // Never a weaker password in silence: the run ends and says why.
            stopLocked();
            if (sink)
                sink->runFailed(run, error.what());
            return false;
        }
    }

    if (digestBytes.size() >= passLength) {
        const std::string password = assemblePassword();
        // The flag first: with it off, no call on the default path.
        if (!options.requireEachSet || options.holdsEachSet(password)) {
            ++passDone;
            if (sink)
                sink->passwordFinished(run, password, passDone);
            // The report may have stopped the run (the lock is recursive).
            if (!isRunning.load() || run != runNumber.load())
                return false;
            nextPassword();
            const auto percent
                = 100u * static_cast<std::uint64_t>(passDone) / static_cast<std::uint32_t>(options.passCount);
            if (sink)
                sink->titlePercent(run, static_cast<int>(percent));
        } else {
            // Dropped whole, its digests spent: only rejection keeps every
            // password that holds each set equally likely.
            nextPassword();
        }
    }
    if (passDone >= static_cast<std::uint32_t>(options.passCount)) {
        stopLocked();
        if (sink)
            sink->runOver(run);
        return false;
    }
    const int permille = progressPermille();
    if (permille != lastPermille) {
        lastPermille = permille;
        if (sink)
            sink->progress(run, permille);
    }
    return isRunning.load();
}

void PasswordEngine::nextPassword()
{
    samples.clear();
    digestBytes.clear();
    const auto minimum = static_cast<std::uint32_t>(options.minLength);
    const auto maximum = static_cast<std::uint32_t>(options.maxLength);
    // Both ends included, so the maximum the user chose can occur.
    if (maximum > minimum)
        passLength = minimum + random.next() % (maximum - minimum + 1);
    else
        passLength = minimum;
}

void PasswordEngine::digestSamples()
{
    sampleBytes.resize(samples.size() * 4);
    for (std::size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian(samples[i], sampleBytes.data() + 4 * i);
    QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(sampleBytes.data(), static_cast<qsizetype>(sampleBytes.size())), QCryptographicHash::Md5);
    if (options.mixSystemRandom) {
        // The samples' digest followed by the system's bytes: the result is at
        // least as unpredictable as the stronger of the two.
        unsigned char system[16];
        SystemRandom::fill(system, sizeof system);
        QCryptographicHash mixed(QCryptographicHash::Md5);
        mixed.addData(digest);
        mixed.addData(QByteArrayView(system, sizeof system));
        digest = mixed.result();
    }
    digestBytes.insert(digestBytes.end(), digest.begin(), digest.end());
    samples.clear();
}

std::string PasswordEngine::assemblePassword() const
{
    std::string password(passLength, '\0');
    const std::size_t poolSize = options.charPool.size();
    std::uint32_t sum = 0;
    for (std::uint32_t i = 0; i < passLength; ++i) {
        sum += digestBytes[i];
        password[i] = options.charPool[sum % poolSize];
    }
    return password;
}

int PasswordEngine::progressPermille() const
{
    // 64 bits: long passwords at high strength overflow 32.
    const std::uint64_t strength = static_cast<std::uint32_t>(options.passStrength);
    const std::uint64_t digests = (static_cast<std::uint64_t>(passLength) + 15) / 16;
    const std::uint64_t done = samples.size() + (digestBytes.size() / 16) * strength;
    return static_cast<int>(done * 1000 / (strength * digests));
}

PasswordEngine::State PasswordEngine::state() const
{
    std::scoped_lock lock(trackerLock);
    return { samples.size(), digestBytes.size(), passLength, passDone, options.charPool.size() };
}

void PasswordEngine::startThread(std::function<void()> body)
{
    threads.fetch_add(1);
    try {
        Threads::start([self = shared_from_this(), body = std::move(body)] {
            struct Leave
            {
                PasswordEngine &engine;
                ~Leave() { engine.threads.fetch_sub(1); }
            } leave { *self };
            body();
        });
    } catch (...) {
        threads.fetch_sub(1);
        throw;
    }
}

PasswordEngine::GeneratorStart PasswordEngine::startGenerators(int count, std::uint64_t run)
{
    GeneratorStart result;
    for (; result.started < count; ++result.started) {
        try {
            startThread([this, run] { generatorMain(run); });
        } catch (const std::exception &error) {
            result.error = error.what();
            break;
        }
    }
    return result;
}

void PasswordEngine::startSampleWorker(std::uint32_t sample, std::uint64_t run)
{
    startThread([this, sample, run] { addSample(sample, run); });
}

void PasswordEngine::generatorMain(std::uint64_t run)
{
    while (isRunning.load() && runNumber.load() == run) {
        const std::uint64_t t0 = TickCounter::ticks();
        TickCounter::sleepMs(sleepMs);
        const std::uint64_t t1 = TickCounter::ticks();
        if (!addSample(static_cast<std::uint32_t>(t1 - t0), run))
            break;
    }
}

bool PasswordEngine::waitForThreads(int milliseconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (threads.load() > 0) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
