#include "core/results/ClipboardDigest.h"

#include <QTest>

class ClipboardDigestTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isMd5OfTheTextWithoutWhitespace();
    void ignoresWhitespace_data();
    void ignoresWhitespace();
    void tellsDifferentTextsApart();
};

void ClipboardDigestTest::isMd5OfTheTextWithoutWhitespace()
{
    // RFC 1321 test vectors.
    QCOMPARE(ClipboardDigest::of(QByteArray()).toHex(), QByteArray("d41d8cd98f00b204e9800998ecf8427e"));
    QCOMPARE(ClipboardDigest::of("a b\r\nc").toHex(), QByteArray("900150983cd24fb0d6963f7d28e17f72"));
}

void ClipboardDigestTest::ignoresWhitespace_data()
{
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<QByteArray>("copied");

    QTest::newRow("CR LF removed") << QByteArray("ab\r\ncd") << QByteArray("abcd");
    QTest::newRow("line ends changed by another program") << QByteArray("ab\ncd\n") << QByteArray("ab\r\ncd");
    QTest::newRow("all six whitespace bytes") << QByteArray(" \ta\v\rb\n\fc ") << QByteArray("abc");
    QTest::newRow("only whitespace is the empty text") << QByteArray(" \r\n\t") << QByteArray();
}

void ClipboardDigestTest::ignoresWhitespace()
{
    QFETCH(QByteArray, clipboard);
    QFETCH(QByteArray, copied);

    QCOMPARE(ClipboardDigest::of(clipboard), ClipboardDigest::of(copied));
}

void ClipboardDigestTest::tellsDifferentTextsApart()
{
    QVERIFY(ClipboardDigest::of("abc\r\ndef") != ClipboardDigest::of("abc\r\ndeg"));
    // Other control bytes and non-breaking spaces are content, not whitespace.
    QVERIFY(ClipboardDigest::of("a\x1b") != ClipboardDigest::of("a"));
    QVERIFY(ClipboardDigest::of("a\xc2\xa0") != ClipboardDigest::of("a"));
}

QTEST_APPLESS_MAIN(ClipboardDigestTest)
#include "ClipboardDigestTest.moc"
