#include "core/generation/RandomnessStatistics.h"

#include <QTest>

#include <cmath>

class RandomnessStatisticsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chiSquareAndItsPValue_data();
    void chiSquareAndItsPValue();
    void mostCommonValueMinEntropy_data();
    void mostCommonValueMinEntropy();
};

void RandomnessStatisticsTest::chiSquareAndItsPValue_data()
{
    QTest::addColumn<QList<quint64>>("counts");
    QTest::addColumn<QList<double>>("shares"); // none: equal
    QTest::addColumn<double>("statistic");
    QTest::addColumn<double>("pValue");

    // Closed forms: Q(1, x) = e^-x, Q(2, x) = e^-x (1 + x), Q(1/2, x) = erfc(sqrt x).
    QTest::newRow("2 degrees of freedom") << QList<quint64> { 10, 20, 30 } << QList<double>() << 10.0 << std::exp(-5.0);
    QTest::newRow("4 degrees of freedom, by the series")
        << QList<quint64> { 11, 12, 12, 12, 13 } << QList<double>() << 1.0 / 6 << std::exp(-1.0 / 12) * (1 + 1.0 / 12);
    QTest::newRow("4 degrees of freedom, by the continued fraction")
        << QList<quint64> { 10, 10, 10, 10, 20 } << QList<double>() << 20.0 / 3 << std::exp(-10.0 / 3) * (1 + 10.0 / 3);
    QTest::newRow("against given shares")
        << QList<quint64> { 20, 20 } << QList<double> { 0.75, 0.25 } << 40.0 / 3 << std::erfc(std::sqrt(20.0 / 3));
}

void RandomnessStatisticsTest::chiSquareAndItsPValue()
{
    QFETCH(QList<quint64>, counts);
    QFETCH(QList<double>, shares);
    QFETCH(double, statistic);
    QFETCH(double, pValue);

    const std::vector<std::uint64_t> cells(counts.begin(), counts.end());
    const auto result = shares.isEmpty() ? RandomnessStatistics::chiSquare(cells)
                                         : RandomnessStatistics::chiSquare(cells, { shares.begin(), shares.end() });
    QVERIFY2(std::fabs(result.statistic - statistic) < 1e-9, qPrintable(QString::number(result.statistic)));
    QVERIFY2(std::fabs(result.pValue - pValue) < 1e-9 * pValue, qPrintable(QString::number(result.pValue)));
}

void RandomnessStatisticsTest::mostCommonValueMinEntropy_data()
{
    QTest::addColumn<int>("distinct"); // values 0 to distinct - 1, each as often, shifted up a byte
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<double>("bits");

    QTest::newRow("one value carries nothing") << 1 << 0xFFFFFFFFu << 0.0;
    // 256 values 100 times each: the commonest share 1/256, raised to its 99% bound.
    QTest::newRow("256 even values, a little under 8 bits") << 256 << 0xFFFFFFFFu << 7.66990;
    QTest::newRow("the mask keeps only the low byte") << 256 << 0xFFu << 0.0;
}

void RandomnessStatisticsTest::mostCommonValueMinEntropy()
{
    QFETCH(int, distinct);
    QFETCH(quint32, mask);
    QFETCH(double, bits);

    std::vector<std::uint32_t> values;
    for (int round = 0; round < 100; ++round) {
        for (int value = 0; value < distinct; ++value)
            values.push_back(static_cast<std::uint32_t>(value) << 8);
    }
    QVERIFY2(std::fabs(RandomnessStatistics::mcvMinEntropy(values, mask) - bits) < 5e-5,
        qPrintable(QString::number(RandomnessStatistics::mcvMinEntropy(values, mask))));
}

QTEST_APPLESS_MAIN(RandomnessStatisticsTest)
#include "RandomnessStatisticsTest.moc"
