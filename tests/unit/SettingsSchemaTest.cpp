#include "core/settings/SettingsSchema.h"

#include <QtTest>

class SettingsSchemaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseInt_data();
    void parseInt();
    void clamps_data();
    void clamps();
    void onlyExactBooleans();
};

void SettingsSchemaTest::parseInt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("640") << 640;
    QTest::newRow("negative") << QByteArray("-20") << -20;
    QTest::newRow("leading blanks and plus") << QByteArray(" \t+12") << 12;
    QTest::newRow("stops at the first other byte") << QByteArray("12px3") << 12;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("blank before sign only") << QByteArray("- 5") << 0;
    QTest::newRow("too large saturates") << QByteArray("99999999999999999999") << INT_MAX;
    QTest::newRow("too small saturates") << QByteArray("-99999999999999999999") << INT_MIN;
}

void SettingsSchemaTest::parseInt()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(SettingsSchema::parseInt(text), value);
}

void SettingsSchemaTest::clamps_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::addColumn<QList<int>>("clamped"); // width, height, top, left

    QTest::newRow("example") << 5000 << 600 << 1950 << -20 << QList<int> { 3000, 600, 1400, 0 };
    QTest::newRow("inside the bounds") << 640 << 480 << 50 << 100 << QList<int> { 640, 480, 50, 100 };
    QTest::newRow("negative size") << -5 << -5 << 10 << 10 << QList<int> { 0, 0, 10, 10 };
    QTest::newRow("LEFT up to 3000 less the width") << 640 << 480 << 50 << 2300 << QList<int> { 640, 480, 50, 2300 };
    QTest::newRow("LEFT beyond 3000 less the width") << 640 << 480 << 50 << 2500 << QList<int> { 640, 480, 50, 2360 };
    QTest::newRow("extremes") << INT_MAX << INT_MIN << INT_MAX << INT_MIN << QList<int> { 3000, 0, 2000, 0 };
}

void SettingsSchemaTest::clamps()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, top);
    QFETCH(int, left);
    QFETCH(QList<int>, clamped);
    const int w = SettingsSchema::clampWidth(width);
    const int h = SettingsSchema::clampHeight(height);
    QCOMPARE((QList<int> { w, h, SettingsSchema::clampTop(top, h), SettingsSchema::clampLeft(left, w) }), clamped);
    // A window larger than the bounds has a negative upper limit: the position becomes 0.
    QCOMPARE(SettingsSchema::clampTop(500, 2500), 0);
}

void SettingsSchemaTest::onlyExactBooleans()
{
    QCOMPARE(SettingsSchema::parseBool("TRUE"), std::optional<bool>(true));
    QCOMPARE(SettingsSchema::parseBool("FALSE"), std::optional<bool>(false));
    for (const char *other : { "true", "True", " TRUE", "TRUE ", "1", "" })
        QCOMPARE(SettingsSchema::parseBool(other), std::nullopt);
}

QTEST_APPLESS_MAIN(SettingsSchemaTest)
#include "SettingsSchemaTest.moc"
