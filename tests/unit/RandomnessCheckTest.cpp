#include "core/generation/RandomnessCheck.h"
#include "core/toolkit/Threads.h"
#include "core/toolkit/TickCounter.h"

#include <QStringList>
#include <QTest>

class RandomnessCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aStuckTimerFailsNamingWhatFailed();
};

void RandomnessCheckTest::aStuckTimerFailsNamingWhatFailed()
{
    TickCounter::setSourceForTesting([] { return std::uint64_t { 42 }; });
    RandomnessCheck::Settings settings;
    settings.passwords = 400; // 310 at least: 5 of each character per position
    QStringList lines;
    const int status
        = RandomnessCheck::run([&lines](const std::string &line) { lines << QString::fromStdString(line); }, settings);
    TickCounter::setSourceForTesting({});
    Threads::waitForAll();
    QCOMPARE(status, 3);
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.last(),
        QStringLiteral("Verdict: fail: the timer samples carry 0.00 bits each, under 1; positions 2, 3, 4, 5, 6, 7, 8, "
                       "9, 10, 11, 12, 13, 14, 15, 16 not uniform"));
}

QTEST_APPLESS_MAIN(RandomnessCheckTest)
#include "RandomnessCheckTest.moc"
