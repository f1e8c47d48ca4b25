#include "core/generation/GenerationOptions.h"

#include <QTest>

namespace {

const std::string lower = "abcdefghijklmnopqrstuvwxyz";
const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string digits = "0123456789";
const std::string symbols = "!@#$%&^*-+=<>?/";

GenerationOptions::Inputs numbers(
    const char *minLength, const char *maxLength, const char *count, const char *strength, const char *generators)
{
    GenerationOptions::Inputs inputs;
    inputs.minLength = minLength;
    inputs.maxLength = maxLength;
    inputs.passCount = count;
    inputs.passStrength = strength;
    inputs.generators = generators;
    inputs.lowerCase = { true, lower };
    inputs.upperCase = { true, upper };
    return inputs;
}

GenerationOptions withPool(int minLength, int strength, int generators, std::size_t poolSize)
{
    GenerationOptions options;
    options.minLength = minLength;
    options.maxLength = minLength;
    options.passCount = 1;
    options.passStrength = strength;
    options.generators = generators;
    options.charPool = (lower + upper + digits).substr(0, poolSize);
    return options;
}

} // namespace

Q_DECLARE_METATYPE(GenerationOptions)
Q_DECLARE_METATYPE(GenerationOptions::Inputs)

class GenerationOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clamps_data();
    void clamps();
    void pool_data();
    void pool();
    void weakSettings_data();
    void weakSettings();
    void eachSet_data();
    void eachSet();
};

void GenerationOptionsTest::clamps_data()
{
    QTest::addColumn<GenerationOptions::Inputs>("inputs");
    QTest::addColumn<QList<int>>("expected"); // min, max, count, strength, generators

    QTest::newRow("empty texts") << numbers("", "", "", "", "") << QList<int> { 1, 1, 1, 25, 0 };
    QTest::newRow("generators with blanks and a sign")
        << numbers("8", "8", "3", "100", "  -7") << QList<int> { 8, 8, 3, 100, 0 };
    QTest::newRow("generators above the cap")
        << numbers("8", "8", "3", "100", "150") << QList<int> { 8, 8, 3, 100, 99 };
    QTest::newRow("generators wrap in 32 bits")
        << numbers("8", "8", "3", "100", "4294967297") << QList<int> { 8, 8, 3, 100, 1 };
    QTest::newRow("maximum raised to minimum before the caps")
        << numbers("70000", "5", "1", "100", "0") << QList<int> { 65535, 65535, 1, 100, 0 };
    QTest::newRow("maximum below minimum") << numbers("20", "10", "1", "100", "0") << QList<int> { 20, 20, 1, 100, 0 };
    QTest::newRow("upper caps") << numbers("1", "99999", "70000", "10000", "0")
                                << QList<int> { 1, 65535, 65535, 9999, 0 };
    QTest::newRow("trailing text ignored")
        << numbers("12abc", "16", "0 (Disabled)", "30", "0 (Disabled)") << QList<int> { 12, 16, 1, 30, 0 };
}

void GenerationOptionsTest::clamps()
{
    QFETCH(GenerationOptions::Inputs, inputs);
    QFETCH(QList<int>, expected);
    const GenerationOptions options = GenerationOptions::fromInputs(inputs);
    QCOMPARE((QList<int> {
                 options.minLength, options.maxLength, options.passCount, options.passStrength, options.generators }),
        expected);
}

void GenerationOptionsTest::pool_data()
{
    QTest::addColumn<GenerationOptions::Inputs>("inputs");
    QTest::addColumn<QByteArray>("expected");

    GenerationOptions::Inputs sorted;
    sorted.lowerCase = { true, "abc" };
    sorted.upperCase = { true, "CBA" };
    QTest::newRow("sorted by byte value") << sorted << QByteArray("ABCabc");

    GenerationOptions::Inputs unticked = sorted;
    unticked.upperCase.ticked = false;
    unticked.similar = { false, "a" };
    QTest::newRow("unticked sets are ignored") << unticked << QByteArray("abc");

    GenerationOptions::Inputs duplicates;
    duplicates.lowerCase = { true, "abca" };
    duplicates.includeCustom = { true, "cab" };
    QTest::newRow("duplicates count once") << duplicates << QByteArray("abc");

    GenerationOptions::Inputs negated;
    negated.lowerCase = { true, lower };
    negated.excludeCustom = { true, "^a-f" };
    QTest::newRow("negated exclude keeps its range") << negated << QByteArray("abcdef");

    GenerationOptions::Inputs blanks;
    blanks.includeCustom = { true, " x y " };
    QTest::newRow("white space never enters") << blanks << QByteArray("xy");

    GenerationOptions::Inputs controls;
    controls.includeCustom = { true, std::string("x\0\x1B\x07y\x7F", 6) };
    QTest::newRow("control characters never enter") << controls << QByteArray("xy");

    GenerationOptions::Inputs accented;
    accented.lowerCase = { true, "ab\xC3\xA9" };
    QTest::newRow("non-ASCII dropped") << accented << QByteArray("ab");

    GenerationOptions::Inputs literal;
    literal.includeCustom = { true, "a-z" };
    QTest::newRow("include text is not a pattern") << literal << QByteArray("-az");

    GenerationOptions::Inputs similar;
    similar.lowerCase = { true, lower };
    similar.upperCase = { true, upper };
    similar.number = { true, digits };
    similar.symbol = { true, symbols };
    similar.similar = { true, "1iIjl0oO!5S2Z" };
    QTest::newRow("similar set removes its 13") << similar
                                                << QByteArray("#$%&*+-/346789<=>?@ABCDEFGHJKLMNPQRTUVWXY^abcdefghkm"
                                                              "npqrstuvwxyz");
}

void GenerationOptionsTest::pool()
{
    QFETCH(GenerationOptions::Inputs, inputs);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(GenerationOptions::buildPool(inputs)), expected);
}

void GenerationOptionsTest::weakSettings_data()
{
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<QString>("expected");

    const QString head = "The current password settings may be too weak. Do you want to continue generating passwords?";
    const QString shortLine = "\n(Minimum Length is less than 10)";
    const QString poolLine = "\n(Less than 32 characters and symbols are selected)";
    const QString strength200 = "\n(Password Strength is less than 200 when Generators are enabled)";
    const QString strength100 = "\n(Password Strength is less than 100)";

    QTest::newRow("not weak, no question") << withPool(10, 100, 0, 32) << QString();
    QTest::newRow("not weak with generators at 200") << withPool(10, 200, 3, 62) << QString();
    QTest::newRow("every line") << withPool(1, 25, 0, 2) << head + shortLine + poolLine + strength100;
    QTest::newRow("short minimum only") << withPool(9, 100, 0, 62) << head + shortLine;
    QTest::newRow("small pool only") << withPool(10, 100, 0, 31) << head + poolLine;
    QTest::newRow("150 with generators") << withPool(10, 150, 2, 62) << head + strength200;
    QTest::newRow("50 with generators") << withPool(10, 50, 2, 62) << head + strength100;
    QTest::newRow("150 without generators") << withPool(10, 150, 0, 62) << QString();
}

void GenerationOptionsTest::weakSettings()
{
    QFETCH(GenerationOptions, options);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(options.weakSettingsMessage()), expected);
}

void GenerationOptionsTest::eachSet_data()
{
    QTest::addColumn<GenerationOptions::Inputs>("inputs");
    QTest::addColumn<QList<QByteArray>>("sets");
    QTest::addColumn<int>("shortest");

    GenerationOptions::Inputs inside;
    inside.lowerCase = { true, lower };
    inside.includeCustom = { true, "a" };
    QTest::newRow("a set inside another, one character") << inside << QList<QByteArray> { lower.c_str(), "a" } << 1;

    GenerationOptions::Inputs across;
    across.lowerCase = { true, "ab" };
    across.upperCase = { true, "AB" };
    across.includeCustom = { true, "aA" };
    QTest::newRow("three sets met by two characters") << across << QList<QByteArray> { "ab", "AB", "Aa" } << 2;

    GenerationOptions::Inputs emptied;
    emptied.lowerCase = { true, "aio" };
    emptied.number = { true, digits };
    emptied.similar = { true, "1iIjl0oO!5S2Z" };
    emptied.excludeCustom = { true, "2-9" };
    QTest::newRow("a set the exclusions empty is not required") << emptied << QList<QByteArray> { "a" } << 1;
}

void GenerationOptionsTest::eachSet()
{
    QFETCH(GenerationOptions::Inputs, inputs);
    QFETCH(QList<QByteArray>, sets);
    QFETCH(int, shortest);
    inputs.requireEachSet = true;
    GenerationOptions options = GenerationOptions::fromInputs(inputs);
    QList<QByteArray> built;
    for (const std::string &set : options.requiredSets)
        built.append(QByteArray::fromStdString(set));
    QCOMPARE(built, sets);
    options.minLength = shortest;
    QVERIFY(!options.tooShortForEachSet());
    options.minLength = shortest - 1;
    QVERIFY(options.tooShortForEachSet());
    QCOMPARE(QString::fromStdString(options.tooShortForEachSetMessage()),
        QString("The Minimum Length must be at least %1 to hold a character of each ticked set").arg(shortest));
}

QTEST_APPLESS_MAIN(GenerationOptionsTest)
#include "GenerationOptionsTest.moc"
