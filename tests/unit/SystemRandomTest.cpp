#include "core/toolkit/SystemRandom.h"

#include <QTest>

#include <cerrno>
#include <cstring>
#include <stdexcept>

class SystemRandomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SystemRandom::setSourceForTesting({}); }
    void fillsEveryByteOrSaysWhy_data();
    void fillsEveryByteOrSaysWhy();
    void theKernelGivesNewBytesEachTime();
};

void SystemRandomTest::fillsEveryByteOrSaysWhy_data()
{
    // What each call of the source does: n > 0 fills n bytes, -e fails with errno e, 0 gives nothing.
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<QString>("error"); // empty: all 16 bytes filled

    QTest::newRow("short reads are joined") << QList<int> { 5, 5, 6 } << QString();
    QTest::newRow("an interrupted call is tried again") << QList<int> { -EINTR, 10, -EINTR, 6 } << QString();
    QTest::newRow("a failure names the system's reason")
        << QList<int> { 4, -ENOSYS } << "Could not read the system's randomness (getrandom: Function not implemented)";
    QTest::newRow("nothing given is a failure, not a wait")
        << QList<int> { 0 } << "Could not read the system's randomness (getrandom: Input/output error)";
}

void SystemRandomTest::fillsEveryByteOrSaysWhy()
{
    QFETCH(QList<int>, calls);
    QFETCH(QString, error);

    int call = 0;
    unsigned char next = 1;
    SystemRandom::setSourceForTesting([&](unsigned char *data, std::size_t size) -> long {
        const int step = calls.value(call++, -EFAULT);
        if (step < 0) {
            errno = -step;
            return -1;
        }
        for (int i = 0; i < step && static_cast<std::size_t>(i) < size; ++i)
            data[i] = next++;
        return step;
    });
    unsigned char bytes[16] = {};
    QString thrown;
    try {
        SystemRandom::fill(bytes, sizeof bytes);
    } catch (const std::runtime_error &failure) {
        thrown = QString::fromUtf8(failure.what());
    }
    QCOMPARE(thrown, error);
    QCOMPARE(call, calls.size());
    if (error.isEmpty()) {
        for (int i = 0; i < 16; ++i)
            QCOMPARE(bytes[i], static_cast<unsigned char>(i + 1));
    }
}

void SystemRandomTest::theKernelGivesNewBytesEachTime()
{
    unsigned char first[32] = {}, second[32] = {};
    SystemRandom::fill(first, sizeof first);
    SystemRandom::fill(second, sizeof second);
    QVERIFY(std::memcmp(first, second, sizeof first) != 0);
}

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "SystemRandomTest.moc"
