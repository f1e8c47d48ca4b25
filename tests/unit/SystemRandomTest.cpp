#include "core/toolkit/SystemRandom.h"

#include <QTest>

#include <cerrno>
#include <stdexcept>

class SystemRandomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SystemRandom::setSourceForTesting({}); }
    void fillsEveryByteOrSaysWhy_data();
    void fillsEveryByteOrSaysWhy();
};

void SystemRandomTest::fillsEveryByteOrSaysWhy_data()
{
    // Each call of the source: n fills n bytes, -e fails with errno e.
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<QString>("error"); // empty: all 16 bytes filled in order

    QTest::newRow("short reads are joined") << QList<int> { 5, 5, 6 } << QString();
    QTest::newRow("an interrupted call is tried again") << QList<int> { -EINTR, 10, -EINTR, 6 } << QString();
    QTest::newRow("a failure names the system's reason")
        << QList<int> { 4, -ENOSYS } << "Could not read the system's randomness (getrandom: Function not implemented)";
}

void SystemRandomTest::fillsEveryByteOrSaysWhy()
{
    QFETCH(QList<int>, calls);
    QFETCH(QString, error);

    int call = 0;
    unsigned char next = 0;
    SystemRandom::setSourceForTesting([&](unsigned char *data, std::size_t size) -> long {
        const int step = calls.value(call++, -EFAULT);
        if (step < 0)
            errno = -step;
        for (int i = 0; i < step && static_cast<std::size_t>(i) < size; ++i)
            data[i] = next++;
        return step < 0 ? -1 : step;
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
    for (int i = 0; error.isEmpty() && i < 16; ++i)
        QCOMPARE(bytes[i], static_cast<unsigned char>(i));
}

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "SystemRandomTest.moc"
