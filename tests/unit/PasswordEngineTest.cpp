#include "core/generation/PasswordEngine.h"
#include "core/generation/EngineSink.h"
#include "core/generation/RandomnessStatistics.h"
#include "core/toolkit/SystemRandom.h"

#include <QTest>

#include <bit>
#include <cmath>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

const std::string alphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

std::uint32_t sampleAt(std::uint32_t i)
{
    return i * 2654435761u + 12345u;
}

struct RecordingSink : EngineSink
{
    std::mutex mutex;
    std::condition_variable over;
    std::vector<std::string> passwords;
    std::vector<int> titles;
    std::vector<int> permilles;
    int runsOver = 0;
    std::function<void()> onPassword;

    void passwordFinished(std::uint64_t, const std::string &password, std::uint32_t) override
    {
        {
            std::scoped_lock lock(mutex);
            passwords.push_back(password);
        }
        if (onPassword)
            onPassword();
    }
    void titlePercent(std::uint64_t, int percent) override
    {
        std::scoped_lock lock(mutex);
        titles.push_back(percent);
    }
    void progress(std::uint64_t, int permille) override
    {
        std::scoped_lock lock(mutex);
        permilles.push_back(permille);
    }
    void runOver(std::uint64_t) override
    {
        std::scoped_lock lock(mutex);
        ++runsOver;
        over.notify_all();
    }
    void runFailed(std::uint64_t, const std::string &message) override
    {
        std::scoped_lock lock(mutex);
        failures.push_back(message);
    }
    std::vector<std::string> failures;
};

GenerationOptions options(
    int strength, int minLength, int maxLength, int count = 65535, const std::string &pool = alphanumeric)
{
    GenerationOptions result;
    result.minLength = minLength;
    result.maxLength = maxLength;
    result.passCount = count;
    result.passStrength = strength;
    result.charPool = pool;
    return result;
}

struct Fixture
{
    std::shared_ptr<PasswordEngine> engine = PasswordEngine::create(Psdes(7, 11));
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
    Fixture() { engine->setSink(sink); }
};

// The system's bytes come from the source until the end of the scope.
struct SystemSource
{
    explicit SystemSource(SystemRandom::Source source) { SystemRandom::setSourceForTesting(std::move(source)); }
    ~SystemSource() { SystemRandom::setSourceForTesting({}); }
};

// Shares of each pool character at any one position among the passwords of this
// length that hold each of the disjoint sets, by inclusion and exclusion.
std::vector<double> sharesHoldingEachSet(const std::string &pool, const std::vector<std::string> &sets, int length)
{
    const auto coverage = [&](std::size_t skip, int characters) {
        double sum = 0;
        for (unsigned subset = 0; subset < (1u << sets.size()); ++subset) {
            if (subset & (1u << skip))
                continue;
            std::size_t missing = 0;
            for (std::size_t k = 0; k < sets.size(); ++k)
                missing += (subset >> k) & 1u ? sets[k].size() : 0;
            const double share = static_cast<double>(pool.size() - missing) / static_cast<double>(pool.size());
            sum += (std::popcount(subset) % 2 ? -1 : 1) * std::pow(share, characters);
        }
        return sum;
    };
    std::vector<double> shares;
    for (const char c : pool) {
        std::size_t set = 0;
        while (sets[set].find(c) == std::string::npos)
            ++set;
        shares.push_back(coverage(set, length - 1) / coverage(sets.size(), length) / static_cast<double>(pool.size()));
    }
    return shares;
}

} // namespace

class PasswordEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactPasswords_data();
    void exactPasswords();
    void everyKeptPasswordHoldsEachSetAsRejectionMakesIt();
    void systemRandomness_data();
    void systemRandomness();
    void progressCountsDigestsAndSamples();
    void progressDoesNotOverflow();
    void titlesThenRunOver();
    void lengthsCoverBothEnds_data();
    void lengthsCoverBothEnds();
    void samplesOfOtherRunsAreDropped();
    void pauseDropsOnlyNonWaitingSamples();
    void stopReleasesAWorkerWaitingInThePause();
    void stopFromInsideAReport();
    void generatorsFinishARunAlone();
};

void PasswordEngineTest::exactPasswords_data()
{
    QTest::addColumn<int>("strength");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<int>("samples");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("maximum"); // 0: the length
    QTest::addColumn<QByteArrayList>("sets"); // each must be held; none: off
    QTest::addColumn<QByteArray>("system"); // the system's bytes mixed in; none: off

    const QByteArray alpha(alphanumeric.c_str());
    QTest::newRow("small pool, 16 characters at 25")
        << 25 << 16 << QByteArray("ABCabc") << 25 << QByteArray("CbBAaCCAAaACcBaC") << 0 << QByteArrayList()
        << QByteArray();
    QTest::newRow("8 characters at 25") << 25 << 8 << alpha << 25 << QByteArray("y4H4te0q") << 0 << QByteArrayList()
                                        << QByteArray();
    QTest::newRow("16 characters still one digest")
        << 25 << 16 << alpha << 25 << QByteArray("y4H4te0qMb8odrNQ") << 0 << QByteArrayList() << QByteArray();
    QTest::newRow("17 characters use one byte of a second digest")
        << 25 << 17 << alpha << 50 << QByteArray("y4H4te0qMb8odrNQs") << 0 << QByteArrayList() << QByteArray();
    QTest::newRow("16 characters at 100")
        << 100 << 16 << alpha << 100 << QByteArray("Ie4VbCSM91BH5CTC") << 0 << QByteArrayList() << QByteArray();
    // Candidates a830 and c032 lack d, e and f; the third is drawn at a new length.
    QTest::newRow("candidates missing a set dropped, the next drawn anew")
        << 25 << 3 << QByteArray("0123456789abcdef") << 75 << QByteArray("4568ae3") << 8
        << QByteArrayList { "0123456789", "abc", "def" } << QByteArray();
    QTest::newRow("the samples' digest hashed again with the system's bytes")
        << 25 << 16 << alpha << 25 << QByteArray("glahJQ9cJHNbhqQj") << 0 << QByteArrayList()
        << QByteArray("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f", 16);
}

void PasswordEngineTest::exactPasswords()
{
    QFETCH(int, strength);
    QFETCH(int, length);
    QFETCH(QByteArray, pool);
    QFETCH(int, samples);
    QFETCH(QByteArray, expected);
    QFETCH(int, maximum);
    QFETCH(QByteArrayList, sets);
    QFETCH(QByteArray, system);

    SystemSource source([system](unsigned char *data, std::size_t size) {
        const auto count = std::min(size, static_cast<std::size_t>(system.size()));
        std::copy_n(system.constData(), count, data);
        return static_cast<long>(count);
    });
    Fixture f;
    GenerationOptions chosen = options(strength, length, maximum ? maximum : length, 2, pool.toStdString());
    chosen.mixSystemRandom = !system.isEmpty();
    chosen.requireEachSet = !sets.isEmpty();
    for (const QByteArray &set : sets)
        chosen.requiredSets.push_back(set.toStdString());
    const auto run = f.engine->begin(chosen);
    for (int i = 0; i < samples - 1; ++i)
        QVERIFY(f.engine->addSample(sampleAt(static_cast<std::uint32_t>(i)), run));
    QVERIFY(f.sink->passwords.empty());
    QVERIFY(f.engine->addSample(sampleAt(static_cast<std::uint32_t>(samples - 1)), run));
    QCOMPARE(f.sink->passwords.size(), std::size_t { 1 });
    QCOMPARE(QByteArray::fromStdString(f.sink->passwords[0]), expected);
}

void PasswordEngineTest::everyKeptPasswordHoldsEachSetAsRejectionMakesIt()
{
    // A pool of 16: position 1 has no byte bias, so every position can be judged.
    const std::string pool = "0123456789abcdef";
    const std::vector<std::string> sets { "01234567", "89ab", "cdef" };
    constexpr int length = 6;
    constexpr std::uint32_t count = 100000;
    Fixture f;
    GenerationOptions chosen = options(25, length, length, static_cast<int>(count), pool);
    chosen.requireEachSet = true;
    chosen.requiredSets = sets;
    const auto run = f.engine->begin(chosen);
    for (std::uint32_t i = 0; f.engine->addSample(sampleAt(i), run); ++i) { }
    QCOMPARE(f.sink->passwords.size(), std::size_t { count });
    QCOMPARE(f.sink->titles.back(), 100);

    std::vector<std::vector<std::uint64_t>> counts(length, std::vector<std::uint64_t>(pool.size()));
    for (const std::string &password : f.sink->passwords) {
        for (const std::string &set : sets)
            QVERIFY2(password.find_first_of(set) != std::string::npos, password.c_str());
        for (int i = 0; i < length; ++i)
            ++counts[i][pool.find(password[i])];
    }
    // Planted or swapped characters would crowd the small sets at some positions.
    const std::vector<double> shares = sharesHoldingEachSet(pool, sets, length);
    for (int i = 0; i < length; ++i) {
        const auto result = RandomnessStatistics::chiSquare(counts[i], shares);
        QVERIFY2(result.pValue > 0.001, qPrintable(QStringLiteral("position %1: %2").arg(i + 1).arg(result.statistic)));
    }
}

void PasswordEngineTest::systemRandomness_data()
{
    QTest::addColumn<QByteArray>("failure"); // empty: the system's own bytes
    QTest::newRow("the same samples give another password") << QByteArray();
    QTest::newRow("a failure stops the run with its reason")
        << QByteArray("Could not read the system's randomness (getrandom: Function not implemented)");
}

void PasswordEngineTest::systemRandomness()
{
    QFETCH(QByteArray, failure);
    const bool fails = !failure.isEmpty();
    SystemSource source(fails ? [](unsigned char *, std::size_t) {
        errno = ENOSYS;
        return -1L;
    } : SystemRandom::Source());
    Fixture f;
    GenerationOptions chosen = options(25, 16, 16, 2);
    chosen.mixSystemRandom = true;
    const auto run = f.engine->begin(chosen);
    for (std::uint32_t i = 0; i < 24; ++i)
        QVERIFY(f.engine->addSample(sampleAt(i), run));
    QCOMPARE(f.engine->addSample(sampleAt(24), run), !fails);
    QCOMPARE(f.sink->failures.size(), fails ? 1u : 0u);
    QCOMPARE(f.sink->passwords.size(), fails ? 0u : 1u);
    if (fails)
        QCOMPARE(QByteArray::fromStdString(f.sink->failures[0]), failure);
    else
        QVERIFY(f.sink->passwords[0] != "y4H4te0qMb8odrNQ"); // the samples alone give this
}

void PasswordEngineTest::progressCountsDigestsAndSamples()
{
    Fixture f;
    const auto run = f.engine->begin(options(100, 20, 20));
    for (std::uint32_t i = 0; i < 150; ++i)
        f.engine->addSample(sampleAt(i), run);
    QCOMPARE(f.sink->permilles.back(), 750);
    QCOMPARE(f.engine->state().samples, std::size_t { 50 });
    QCOMPARE(f.engine->state().digestBytes, std::size_t { 16 });
}

void PasswordEngineTest::progressDoesNotOverflow()
{
    // 430 digests of 9999 samples: the thousandths product passes 2^32.
    Fixture f;
    const auto run = f.engine->begin(options(9999, 65535, 65535));
    for (std::uint32_t i = 0; i < 430u * 9999u; ++i)
        f.engine->addSample(i, run);
    QCOMPARE(f.sink->permilles.back(), 430 * 1000 / 4096);
}

void PasswordEngineTest::titlesThenRunOver()
{
    Fixture f;
    const auto run = f.engine->begin(options(25, 8, 8, 3));
    for (std::uint32_t i = 0; i < 74; ++i)
        QVERIFY(f.engine->addSample(sampleAt(i), run));
    QCOMPARE(f.sink->titles, (std::vector<int> { 33, 66 }));
    QCOMPARE(f.sink->runsOver, 0);
    QVERIFY(!f.engine->addSample(sampleAt(74), run));
    QCOMPARE(f.sink->titles, (std::vector<int> { 33, 66, 100 }));
    QCOMPARE(f.sink->runsOver, 1);
    QCOMPARE(f.sink->passwords.size(), std::size_t { 3 });
    QVERIFY(!f.engine->running());
    QVERIFY(!f.engine->addSample(1, run));
    QCOMPARE(f.engine->state().poolSize, std::size_t { 0 });
}

void PasswordEngineTest::lengthsCoverBothEnds_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("lengths");

    QTest::newRow("equal") << 8 << 8 << QList<int> { 8 };
    QTest::newRow("maximum one above") << 8 << 9 << QList<int> { 8, 9 };
    QTest::newRow("8 to 12") << 8 << 12 << QList<int> { 8, 9, 10, 11, 12 };
}

void PasswordEngineTest::lengthsCoverBothEnds()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QList<int>, lengths);

    Fixture f;
    const auto run = f.engine->begin(options(25, minimum, maximum));
    for (std::uint32_t i = 0; i < 25 * 300; ++i)
        f.engine->addSample(sampleAt(i), run);
    std::set<int> seen;
    for (const std::string &password : f.sink->passwords)
        seen.insert(static_cast<int>(password.size()));
    QCOMPARE(QList<int>(seen.begin(), seen.end()), lengths);
}

void PasswordEngineTest::samplesOfOtherRunsAreDropped()
{
    Fixture f;
    const auto first = f.engine->begin(options(25, 8, 8));
    QVERIFY(f.engine->addSample(1, first));
    f.engine->stop();
    QCOMPARE(f.engine->state().samples, std::size_t { 0 });
    QVERIFY(!f.engine->addSample(2, first));

    const auto second = f.engine->begin(options(25, 8, 8));
    QVERIFY(!f.engine->addSample(3, first));
    QCOMPARE(f.engine->state().samples, std::size_t { 0 });
    QVERIFY(f.engine->addSample(4, second));
    QCOMPARE(f.engine->state().samples, std::size_t { 1 });
}

void PasswordEngineTest::pauseDropsOnlyNonWaitingSamples()
{
    Fixture f;
    const auto run = f.engine->begin(options(25, 8, 8));
    f.engine->setPaused(true);
    QVERIFY(f.engine->addSample(1, run, PasswordEngine::Intake::dropWhilePaused));
    QCOMPARE(f.engine->state().samples, std::size_t { 0 });

    std::thread worker([&] { f.engine->addSample(2, run); });
    f.engine->setPaused(false);
    worker.join();
    QCOMPARE(f.engine->state().samples, std::size_t { 1 });
}

void PasswordEngineTest::stopReleasesAWorkerWaitingInThePause()
{
    Fixture f;
    const auto run = f.engine->begin(options(25, 8, 8));
    f.engine->setPaused(true);
    bool result = true;
    std::thread worker([&] { result = f.engine->addSample(1, run); });
    // Give the worker time to take the lock and wait; stop must get through either way.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    f.engine->stop();
    worker.join();
    QVERIFY(!result);
    QVERIFY(!f.engine->paused());
}

void PasswordEngineTest::stopFromInsideAReport()
{
    Fixture f;
    f.sink->onPassword = [&] { f.engine->stop(); };
    const auto run = f.engine->begin(options(25, 8, 8));
    for (std::uint32_t i = 0; i < 24; ++i)
        f.engine->addSample(sampleAt(i), run);
    QVERIFY(!f.engine->addSample(sampleAt(24), run));
    QCOMPARE(f.sink->passwords.size(), std::size_t { 1 });
    QVERIFY(f.sink->permilles.size() <= 24u);
    QCOMPARE(f.engine->state().passLength, 0u);
}

void PasswordEngineTest::generatorsFinishARunAlone()
{
    Fixture f;
    const auto run = f.engine->begin(options(25, 8, 8, 3));
    const auto started = f.engine->startGenerators(3, run);
    QCOMPARE(started.started, 3);
    QVERIFY(!started.error);
    {
        std::unique_lock lock(f.sink->mutex);
        QVERIFY(f.sink->over.wait_for(lock, std::chrono::seconds(30), [&] { return f.sink->runsOver == 1; }));
    }
    QVERIFY(f.engine->waitForThreads(30000));
    QCOMPARE(f.sink->passwords.size(), std::size_t { 3 });
    for (const std::string &password : f.sink->passwords)
        QCOMPARE(password.size(), std::size_t { 8 });
}

QTEST_APPLESS_MAIN(PasswordEngineTest)
#include "PasswordEngineTest.moc"
