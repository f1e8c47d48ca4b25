#include "core/generation/PasswordEngine.h"
#include "core/generation/EngineSink.h"

#include <QTest>

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

} // namespace

class PasswordEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactPasswords_data();
    void exactPasswords();
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

    QTest::newRow("small pool, 16 characters at 25")
        << 25 << 16 << QByteArray("ABCabc") << 25 << QByteArray("CbBAaCCAAaACcBaC");
    QTest::newRow("8 characters at 25") << 25 << 8 << QByteArray(alphanumeric.c_str()) << 25 << QByteArray("y4H4te0q");
    QTest::newRow("16 characters still one digest")
        << 25 << 16 << QByteArray(alphanumeric.c_str()) << 25 << QByteArray("y4H4te0qMb8odrNQ");
    QTest::newRow("17 characters use one byte of a second digest")
        << 25 << 17 << QByteArray(alphanumeric.c_str()) << 50 << QByteArray("y4H4te0qMb8odrNQs");
    QTest::newRow("16 characters at 100")
        << 100 << 16 << QByteArray(alphanumeric.c_str()) << 100 << QByteArray("Ie4VbCSM91BH5CTC");
}

void PasswordEngineTest::exactPasswords()
{
    QFETCH(int, strength);
    QFETCH(int, length);
    QFETCH(QByteArray, pool);
    QFETCH(int, samples);
    QFETCH(QByteArray, expected);

    Fixture f;
    const auto run = f.engine->begin(options(strength, length, length, 2, pool.toStdString()));
    for (int i = 0; i < samples - 1; ++i)
        QVERIFY(f.engine->addSample(sampleAt(static_cast<std::uint32_t>(i)), run));
    QVERIFY(f.sink->passwords.empty());
    QVERIFY(f.engine->addSample(sampleAt(static_cast<std::uint32_t>(samples - 1)), run));
    QCOMPARE(f.sink->passwords.size(), std::size_t { 1 });
    QCOMPARE(QByteArray::fromStdString(f.sink->passwords[0]), expected);
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
