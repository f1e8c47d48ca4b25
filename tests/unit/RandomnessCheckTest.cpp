#include "core/generation/RandomnessCheck.h"
#include "core/toolkit/Threads.h"
#include "core/toolkit/TickCounter.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

class RandomnessCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        TickCounter::setSourceForTesting({});
        Threads::setRefuseForTesting(false);
        Threads::waitForAll();
    }
    void failsNamingWhatFailed_data();
    void failsNamingWhatFailed();
};

void RandomnessCheckTest::failsNamingWhatFailed_data()
{
    QTest::addColumn<bool>("stuckTimer");
    QTest::addColumn<bool>("refuseThreads");
    QTest::addColumn<int>("deadlineMs");
    QTest::addColumn<QString>("verdict"); // a pattern
    QTest::addColumn<QString>("line"); // a line before it; empty: none expected

    QTest::newRow("a timer that never moves") << true << false << 60000
                                              << "Verdict: fail: the timer samples carry 0.00 bits each, under 1; "
                                                 "positions 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 "
                                                 "not uniform"
                                              << "Judged: at least 1 bit per timer sample; positions 2 to 16 each "
                                                 "with p above 0.001 / 15 = 0.000067 (Bonferroni)";
    // 310 passwords take at least 79 rounds of 10 ms sleeps.
    QTest::newRow("too little time for a meaningful chi-square")
        << false << false << 200 << "Verdict: fail: only \\d+ passwords, at least 310 needed" << QString();
    QTest::newRow("no generator starts") << false << true << 60000
                                         << "Verdict: fail: no timer samples; only 0 passwords, at least 310 needed"
                                         << "Generators started: 0 of 99 (Thread error: failed to start)";
}

void RandomnessCheckTest::failsNamingWhatFailed()
{
    QFETCH(bool, stuckTimer);
    QFETCH(bool, refuseThreads);
    QFETCH(int, deadlineMs);
    QFETCH(QString, verdict);
    QFETCH(QString, line);

    if (stuckTimer)
        TickCounter::setSourceForTesting([] { return std::uint64_t { 42 }; });
    Threads::setRefuseForTesting(refuseThreads);
    RandomnessCheck::Settings settings;
    settings.passwords = 400;
    settings.deadline = std::chrono::milliseconds(deadlineMs);
    QStringList lines;
    const int status
        = RandomnessCheck::run([&lines](const std::string &text) { lines << QString::fromStdString(text); }, settings);
    QCOMPARE(status, 3);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(verdict)).match(lines.last()).hasMatch(),
        qPrintable(lines.last()));
    QVERIFY2(line.isEmpty() || lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
}

QTEST_APPLESS_MAIN(RandomnessCheckTest)
#include "RandomnessCheckTest.moc"
