#include "core/generation/StrengthModel.h"
#include "core/generation/GenerationOptions.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {

using Sets = QList<QByteArray>;
using Limit = StrengthModel::Limit;

GenerationOptions optionsFor(const QByteArray &pool, int length, const Sets &sets = {}, int strength = 100)
{
    GenerationOptions options;
    options.minLength = length;
    options.passStrength = strength;
    options.charPool = pool.toStdString();
    options.requireEachSet = !sets.isEmpty();
    for (const QByteArray &set : sets)
        options.requiredSets.push_back(set.toStdString());
    return options;
}

std::string stringAt(const std::string &pool, int length, std::uint64_t index)
{
    std::string text;
    for (int i = 0; i < length; ++i, index /= pool.size())
        text.push_back(pool[index % pool.size()]);
    return text;
}

// Every byte sequence through the engine's running sum: how often each string comes.
std::vector<std::uint64_t> stringsFromEveryByteSequence(std::size_t n, int length)
{
    std::vector<std::uint64_t> hits(static_cast<std::size_t>(std::pow(n, length)));
    for (std::uint64_t bytes = 0; bytes < (std::uint64_t { 1 } << (8 * length)); ++bytes) {
        std::uint64_t sum = 0, index = 0, weight = 1;
        for (int i = 0; i < length; ++i, weight *= n) {
            sum += (bytes >> (8 * i)) & 0xFF;
            index += (sum % n) * weight;
        }
        ++hits[index];
    }
    return hits;
}

const QByteArray printable
    = "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

} // namespace

Q_DECLARE_METATYPE(GenerationOptions)
Q_DECLARE_METATYPE(StrengthModel::Limit)

class StrengthModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void againstBruteForce_data();
    void againstBruteForce();
    void figure_data();
    void figure();
};

void StrengthModelTest::againstBruteForce_data()
{
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<Sets>("sets");
    QTest::addColumn<bool>("everyByte"); // else every string, the bias per character taken as proven

    // Biased at every position, not only the first.
    QTest::newRow("bytes: 3 characters") << QByteArray("abc") << Sets {} << true;
    QTest::newRow("bytes: 5 characters") << QByteArray("abcde") << Sets {} << true;
    QTest::newRow("bytes: 7 characters") << QByteArray("abcdefg") << Sets {} << true;
    QTest::newRow("bytes: 36 characters") << printable.left(36) << Sets {} << true;
    // Exact with each set required when n divides 256.
    QTest::newRow("bytes: 4 characters, overlapping sets") << QByteArray("abcd") << Sets { "ab", "bc" } << true;
    QTest::newRow("strings: two disjoint sets") << QByteArray("abcd") << Sets { "ab", "cd" } << false;
    QTest::newRow("strings: overlapping sets") << QByteArray("abcde") << Sets { "abc", "cde", "a" } << false;
    QTest::newRow("strings: a set inside another") << QByteArray("abc") << Sets { "abc", "b" } << false;
    QTest::newRow("strings: five sets") << QByteArray("abcdef") << Sets { "a", "b", "c", "d", "ef" } << false;
}

void StrengthModelTest::againstBruteForce()
{
    QFETCH(QByteArray, pool);
    QFETCH(Sets, sets);
    QFETCH(bool, everyByte);
    const std::size_t n = pool.size();
    for (int length = 1; length <= (everyByte ? 3 : 6); ++length) {
        const GenerationOptions options = optionsFor(pool, length, sets);
        const std::vector<std::uint64_t> hits
            = everyByte ? stringsFromEveryByteSequence(n, length) : std::vector<std::uint64_t>(std::pow(n, length), 1);
        std::uint64_t most = 0, kept = 0, count = 0;
        for (std::uint64_t index = 0; index < hits.size(); ++index) {
            if (options.holdsEachSet(stringAt(options.charPool, length, index))) {
                most = std::max(most, hits[index]);
                kept += hits[index];
                ++count;
            }
        }
        const double perCharacter = 8 - std::log2((255 + n) / n);
        const double expected = count == 0 ? 0
            : everyByte                    ? -std::log2(double(most) / double(kept))
                                           : std::max(0.0, std::log2(count) - length * (std::log2(n) - perCharacter));
        QVERIFY2(std::abs(StrengthModel::outputBits(options) - expected) < 1e-9, qPrintable(QString::number(length)));
        QCOMPARE(StrengthModel::of(options).impossible, count == 0);
    }
}

void StrengthModelTest::figure_data()
{
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<double>("bits");
    QTest::addColumn<Limit>("limit");

    const QByteArray lowerDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    const Sets both { "abcdefghijklmnopqrstuvwxyz", "0123456789" };
    QTest::newRow("default options: 16 x 5 bits") << optionsFor(lowerDigits, 16) << 80.0 << Limit::length;
    QTest::newRow("each set required costs a little") << optionsFor(lowerDigits, 16, both) << 79.9 << Limit::length;
    QTest::newRow("strength 25") << optionsFor(lowerDigits, 16, {}, 25) << 25.0 << Limit::samples;
    // The last digest is worth no more than its one character.
    QTest::newRow("17 characters at strength 25") << optionsFor(lowerDigits, 17, {}, 25) << 30.0 << Limit::samples;
    GenerationOptions mixed = optionsFor(lowerDigits, 16, {}, 25);
    mixed.mixSystemRandom = true;
    QTest::newRow("system randomness: the length alone") << mixed << 80.0 << Limit::systemRandom;
    QTest::newRow("the kept share costs the samples too")
        << optionsFor(printable.left(77), 16, { printable.left(26), printable.mid(26, 26), "m" }, 25) << 22.5
        << Limit::samples;
    // Counted exactly up to length 19, in floating point beyond, where the share
    // holding five single characters is as small as 1.6e-4.
    const Sets single { "a", "B", "7", "#", "~" };
    QTest::newRow("five single characters, length 19")
        << optionsFor(printable, 19, single, 9999) << 108.9 << Limit::length;
    QTest::newRow("five single characters, length 20")
        << optionsFor(printable, 20, single, 9999) << 115.7 << Limit::length;
    QTest::newRow("five single characters, length 40")
        << optionsFor(printable, 40, single, 9999) << 248.7 << Limit::length;
    QTest::newRow("6 bits a character, 65535 of them")
        << optionsFor(printable.left(77), 65535, { printable.left(26), printable.mid(26, 51) }, 9999) << 393210.0
        << Limit::length;
}

void StrengthModelTest::figure()
{
    QFETCH(GenerationOptions, options);
    QFETCH(double, bits);
    QFETCH(Limit, limit);
    const StrengthModel::Figure figure = StrengthModel::of(options);
    QCOMPARE(figure.bits, bits);
    QCOMPARE(figure.limit, limit);
}

QTEST_APPLESS_MAIN(StrengthModelTest)
#include "StrengthModelTest.moc"
