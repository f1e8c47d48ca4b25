#include "core/results/ExportText.h"

#include <QTest>

class ExportTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatesItemsWithCrLfOnly_data();
    void separatesItemsWithCrLfOnly();
};

void ExportTextTest::separatesItemsWithCrLfOnly_data()
{
    QTest::addColumn<QList<QByteArray>>("items");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("three items, no break after the last")
        << QList<QByteArray> { "abc", "def", "ghi" } << QByteArray("abc\r\ndef\r\nghi");
    QTest::newRow("single item is exactly its text") << QList<QByteArray> { "Xy7#kL0p" } << QByteArray("Xy7#kL0p");
    QTest::newRow("empty list gives nothing") << QList<QByteArray> {} << QByteArray();
    QTest::newRow("empty items keep their separators") << QList<QByteArray> { "", "a", "" } << QByteArray("\r\na\r\n");
    QTest::newRow("bytes pass through unconverted")
        << QList<QByteArray> { "\xc3\xa9t\xc3\xa9", "a\tb" } << QByteArray("\xc3\xa9t\xc3\xa9\r\na\tb");
}

void ExportTextTest::separatesItemsWithCrLfOnly()
{
    QFETCH(QList<QByteArray>, items);
    QFETCH(QByteArray, expected);

    const QByteArray text = ExportText::resultsText(items);
    QCOMPARE(text, expected);
    QVERIFY(!text.startsWith("\xef\xbb\xbf"));
}

QTEST_APPLESS_MAIN(ExportTextTest)
#include "ExportTextTest.moc"
