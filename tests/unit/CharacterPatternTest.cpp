#include "core/generation/CharacterPattern.h"

#include <QTest>

class CharacterPatternTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data();
    void matches();
    void removes_data();
    void removes();
};

void CharacterPatternTest::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("matching");
    QTest::addColumn<QString>("notMatching");

    QTest::newRow("range includes both ends") << "a-f"
                                              << "abcdef"
                                              << "g`-A";
    QTest::newRow("negated range") << "^0-9"
                                   << "a^-Z "
                                   << "0123456789";
    QTest::newRow("leading dash is literal") << "-a"
                                             << "-a"
                                             << "b`";
    QTest::newRow("trailing dash is literal") << "a-"
                                              << "-a"
                                              << "b`";
    QTest::newRow("dash after caret is literal") << "^-a"
                                                 << "bz^"
                                                 << "-a";
    QTest::newRow("lone caret is a literal") << "^"
                                             << "^"
                                             << "a-";
    QTest::newRow("reversed range matches only its ends") << "z-a"
                                                          << "za"
                                                          << "mb-";
    QTest::newRow("empty pattern matches nothing") << ""
                                                   << ""
                                                   << "a^- ";
    QTest::newRow("ranges chain through a shared end") << "a-c-e"
                                                       << "abcde"
                                                       << "f";
    QTest::newRow("code points, not bytes")
        << QString::fromUtf8("α-γ") << QString::fromUtf8("αβγ") << QString::fromUtf8("δΑé");
}

void CharacterPatternTest::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, matching);
    QFETCH(QString, notMatching);
    const std::u32string codePattern = pattern.toStdU32String();
    for (const char32_t ch : matching.toStdU32String())
        QVERIFY2(matchesPattern(ch, codePattern), qPrintable(QString::fromUcs4(&ch, 1)));
    for (const char32_t ch : notMatching.toStdU32String())
        QVERIFY2(!matchesPattern(ch, codePattern), qPrintable(QString::fromUcs4(&ch, 1)));
    // Removal works out the ASCII characters its own way: it must agree.
    QCOMPARE(QString::fromStdString(removeMatching(matching.toStdString(), pattern.toStdString())), QString());
    QCOMPARE(QString::fromStdString(removeMatching(notMatching.toStdString(), pattern.toStdString())), notMatching);
}

void CharacterPatternTest::removes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("keeps order of the rest") << QByteArray("a1b2c3") << QByteArray("0-9") << QByteArray("abc");
    QTest::newRow("nothing matches") << QByteArray("abc") << QByteArray("x") << QByteArray("abc");
    QTest::newRow("white space") << QByteArray(" x\ty\v\r\n\fz") << QByteArray(whiteSpacePattern.data())
                                 << QByteArray("xyz");
    QTest::newRow("similar set") << QByteArray("1iIjl0oO!5S2Zab") << QByteArray("1iIjl0oO!5S2Z") << QByteArray("ab");
    QTest::newRow("whole multi-byte characters")
        << QByteArray("caf\xC3\xA9 na\xC3\xAFve") << QByteArray("\xC3\xA9") << QByteArray("caf na\xC3\xAFve");
    QTest::newRow("negation keeps only matches") << QByteArray("abcXYZ123") << QByteArray("^a-f") << QByteArray("abc");
    QTest::newRow("stray byte survives a pattern of ranges") << QByteArray("a\xFF"
                                                                           "b")
                                                             << QByteArray("\x01-\x7F") << QByteArray("\xFF");
}

void CharacterPatternTest::removes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, expected);
    const std::string result = removeMatching(text.toStdString(), pattern.toStdString());
    QCOMPARE(QByteArray::fromStdString(result), expected);
}

QTEST_APPLESS_MAIN(CharacterPatternTest)
#include "CharacterPatternTest.moc"
