#include "core/generation/OptionInt.h"

#include <QTest>

class OptionIntTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parses_data();
    void parses();
};

void OptionIntTest::parses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain digits") << QByteArray("42") << 42;
    QTest::newRow("empty is zero") << QByteArray() << 0;
    QTest::newRow("no digits is zero") << QByteArray("abc") << 0;
    QTest::newRow("stops at the first non-digit") << QByteArray("12abc") << 12;
    QTest::newRow("item with a caption") << QByteArray("0 (Disabled)") << 0;
    QTest::newRow("every leading blank skipped") << QByteArray(" \t\n\v\f\r8") << 8;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("minus sign") << QByteArray("-3") << -3;
    QTest::newRow("blank after the sign ends it") << QByteArray("- 5") << 0;
    QTest::newRow("second sign ends it") << QByteArray("+-5") << 0;
    QTest::newRow("leading zeros") << QByteArray("0042") << 42;
    QTest::newRow("largest int") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("one past wraps negative") << QByteArray("2147483648") << (-2147483647 - 1);
    QTest::newRow("smallest int") << QByteArray("-2147483648") << (-2147483647 - 1);
    QTest::newRow("2^32 - 1 is -1") << QByteArray("4294967295") << -1;
    QTest::newRow("2^32 + 1 is 1") << QByteArray("4294967297") << 1;
    QTest::newRow("negated wrap") << QByteArray("-4294967297") << -1;
    QTest::newRow("many digits keep wrapping") << QByteArray("99999999999999999999") << 1661992959;
}

void OptionIntTest::parses()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(parseOptionInt(text), value);
}

QTEST_APPLESS_MAIN(OptionIntTest)
#include "OptionIntTest.moc"
