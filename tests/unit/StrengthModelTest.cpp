#include "core/generation/StrengthModel.h"
#include "core/generation/GenerationOptions.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {

using Sets = QList<QByteArray>;

GenerationOptions optionsFor(const QByteArray &pool, int length, const Sets &sets = {}, int strength = 100)
{
    GenerationOptions options;
    options.minLength = length;
    options.maxLength = length;
    options.passCount = 1;
    options.passStrength = strength;
    options.charPool = pool.toStdString();
    options.requireEachSet = !sets.isEmpty();
    for (const QByteArray &set : sets)
        options.requiredSets.push_back(set.toStdString());
    return options;
}

// A character given the ones before it, as one byte modulo n (checked below byte by byte).
double bitsPerCharacter(int n)
{
    return 8 - std::log2((255 + n) / n);
}

std::string stringAt(const std::string &pool, int length, std::uint64_t index)
{
    std::string text;
    for (int i = 0; i < length; ++i, index /= pool.size())
        text.push_back(pool[index % pool.size()]);
    return text;
}

// Every byte sequence through the engine's running sum: the min-entropy of the
// password the most sequences give, among those kept.
double bytesBruteForce(const GenerationOptions &options)
{
    const std::size_t n = options.charPool.size();
    const int length = options.minLength;
    std::vector<std::uint64_t> hits(static_cast<std::size_t>(std::pow(n, length)));
    for (std::uint64_t bytes = 0; bytes < (std::uint64_t { 1 } << (8 * length)); ++bytes) {
        std::uint64_t sum = 0, index = 0, weight = 1;
        for (int i = 0; i < length; ++i, weight *= n) {
            sum += (bytes >> (8 * i)) & 0xFF;
            index += (sum % n) * weight;
        }
        ++hits[index];
    }
    std::uint64_t most = 0, kept = 0;
    for (std::uint64_t index = 0; index < hits.size(); ++index) {
        if (options.holdsEachSet(stringAt(options.charPool, length, index))) {
            most = std::max(most, hits[index]);
            kept += hits[index];
        }
    }
    return -std::log2(double(most) / double(kept));
}

// log2 of the share of strings holding each set, position by position over which
// sets are held so far: no subtraction anywhere.
double shareByPositions(const GenerationOptions &options)
{
    std::vector<long double> share(std::size_t { 1 } << options.requiredSets.size());
    share[0] = 1;
    for (int i = 0; i < options.minLength; ++i) {
        std::vector<long double> next(share.size());
        for (std::size_t held = 0; held < share.size(); ++held) {
            for (const char ch : options.charPool) {
                std::size_t now = held;
                for (std::size_t s = 0; s < options.requiredSets.size(); ++s)
                    now |= options.requiredSets[s].find(ch) != std::string::npos ? std::size_t { 1 } << s : 0;
                next[now] += share[held] / options.charPool.size();
            }
        }
        share = next;
    }
    return double(std::log2(share.back()));
}

const QByteArray printable = [] {
    QByteArray pool;
    for (char ch = '!'; ch <= '~'; ++ch)
        pool += ch;
    return pool;
}();

} // namespace

Q_DECLARE_METATYPE(GenerationOptions)
Q_DECLARE_METATYPE(StrengthModel::Limit)

class StrengthModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void againstEveryByteSequence_data();
    void againstEveryByteSequence();
    void againstEveryString_data();
    void againstEveryString();
    void closedForms_data();
    void closedForms();
    void figure_data();
    void figure();
};

void StrengthModelTest::againstEveryByteSequence_data()
{
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<Sets>("sets");

    // Biased at every position, not only the first.
    QTest::newRow("3 characters") << QByteArray("abc") << Sets {};
    QTest::newRow("5 characters") << QByteArray("abcde") << Sets {};
    QTest::newRow("7 characters") << QByteArray("abcdefg") << Sets {};
    QTest::newRow("36 characters") << QByteArray("0123456789abcdefghijklmnopqrstuvwxyz") << Sets {};
    // Exact with each set required when n divides 256.
    QTest::newRow("4 characters, overlapping sets required") << QByteArray("abcd") << Sets { "ab", "bc" };
}

void StrengthModelTest::againstEveryByteSequence()
{
    QFETCH(QByteArray, pool);
    QFETCH(Sets, sets);
    for (int length = 1; length <= 3; ++length) {
        const GenerationOptions options = optionsFor(pool, length, sets);
        QVERIFY2(std::abs(StrengthModel::outputBits(options) - bytesBruteForce(options)) < 1e-9,
            qPrintable(QString("length %1").arg(length)));
    }
}

void StrengthModelTest::againstEveryString_data()
{
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<Sets>("sets");

    QTest::newRow("two disjoint sets") << QByteArray("abcd") << Sets { "ab", "cd" };
    QTest::newRow("overlapping sets") << QByteArray("abcde") << Sets { "abc", "cde", "a" };
    QTest::newRow("a set inside another") << QByteArray("abc") << Sets { "abc", "b" };
    QTest::newRow("five sets") << QByteArray("abcdef") << Sets { "a", "b", "c", "d", "ef" };
}

void StrengthModelTest::againstEveryString()
{
    QFETCH(QByteArray, pool);
    QFETCH(Sets, sets);
    const int n = int(pool.size());
    for (int length = 1; length <= 6; ++length) {
        const GenerationOptions options = optionsFor(pool, length, sets);
        std::uint64_t count = 0;
        for (std::uint64_t index = 0; index < std::uint64_t(std::pow(n, length)); ++index)
            count += options.holdsEachSet(stringAt(options.charPool, length, index)) ? 1 : 0;
        const QString where = QString("length %1").arg(length);
        QVERIFY2(StrengthModel::of(options).impossible == (count == 0), qPrintable(where));
        const double expected
            = count == 0 ? 0 : std::max(0.0, std::log2(count) - length * (std::log2(n) - bitsPerCharacter(n)));
        QVERIFY2(std::abs(StrengthModel::outputBits(options) - expected) < 1e-9, qPrintable(where));
    }
}

void StrengthModelTest::closedForms_data()
{
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<double>("output");
    QTest::addColumn<double>("input");

    const Sets single { "a", "B", "7", "#", "~" };
    for (const int length : { 19, 20, 40 }) {
        // Counted exactly up to 19, in floating point beyond: held by a share of 1.6e-4 at 20.
        const GenerationOptions options = optionsFor(printable, length, single, 9999);
        const double output = length * bitsPerCharacter(94) + shareByPositions(options);
        QTest::addRow("94 characters, five single ones required, length %d", length) << options << output << output;
    }
    const GenerationOptions overlapping = optionsFor(printable, 30, { "a-z", "a", "az~" }, 9999);
    const double output = 30 * bitsPerCharacter(94) + shareByPositions(overlapping);
    QTest::newRow("overlapping sets, length 30") << overlapping << output << output;
    QTest::newRow("65535 characters, strength 9999")
        << optionsFor(printable, 65535, single, 9999) << 65535 * bitsPerCharacter(94) << 65535 * bitsPerCharacter(94);
    // A digest is worth its samples, but the last one no more than its 1 character.
    QTest::newRow("17 characters, strength 25") << optionsFor(printable.left(36), 17, {}, 25) << 17 * 5.0 << 25 + 5.0;
}

void StrengthModelTest::closedForms()
{
    QFETCH(GenerationOptions, options);
    QFETCH(double, output);
    QFETCH(double, input);
    QVERIFY(std::abs(StrengthModel::outputBits(options) - output) < 1e-7);
    QVERIFY(std::abs(StrengthModel::inputBits(options) - input) < 1e-7);
}

void StrengthModelTest::figure_data()
{
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<double>("bits");
    QTest::addColumn<StrengthModel::Limit>("limit");
    QTest::addColumn<bool>("impossible");

    const QByteArray lowerDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    const Sets lowerAndDigits { "abcdefghijklmnopqrstuvwxyz", "0123456789" };
    QTest::newRow("default options: 16 x 5 bits")
        << optionsFor(lowerDigits, 16) << 80.0 << StrengthModel::Limit::length << false;
    QTest::newRow("each set required costs a little")
        << optionsFor(lowerDigits, 16, lowerAndDigits) << 79.9 << StrengthModel::Limit::length << false;
    QTest::newRow("strength 25") << optionsFor(lowerDigits, 16, {}, 25) << 25.0 << StrengthModel::Limit::samples
                                 << false;
    GenerationOptions mixed = optionsFor(lowerDigits, 16, {}, 25);
    mixed.mixSystemRandom = true;
    QTest::newRow("system randomness: the length alone")
        << mixed << 80.0 << StrengthModel::Limit::systemRandom << false;
    QTest::newRow("rounded down: 90.849")
        << optionsFor(printable.left(62), 16) << 90.8 << StrengthModel::Limit::length << false;
    QTest::newRow("kept share costs the samples side too")
        << optionsFor(printable.left(77), 16, { printable.left(26), printable.mid(26, 26), "m" }, 25) << 22.5
        << StrengthModel::Limit::samples << false;
    QTest::newRow("6 bits a character over 65535, each set required")
        << optionsFor(printable.left(77), 65535, { printable.left(26), printable.mid(26, 51) }, 9999) << 393210.0
        << StrengthModel::Limit::length << false;
    QTest::newRow("one character") << optionsFor("a", 16) << 0.0 << StrengthModel::Limit::length << false;
    QTest::newRow("too short for two disjoint sets")
        << optionsFor(lowerDigits, 1, lowerAndDigits) << 0.0 << StrengthModel::Limit::length << true;
    QTest::newRow("one character holds a set and the set inside it")
        << optionsFor(lowerDigits, 1, { "abcdefghijklmnopqrstuvwxyz", "a" }) << 0.0 << StrengthModel::Limit::length
        << false;
}

void StrengthModelTest::figure()
{
    QFETCH(GenerationOptions, options);
    QFETCH(double, bits);
    QFETCH(StrengthModel::Limit, limit);
    QFETCH(bool, impossible);
    const StrengthModel::Figure figure = StrengthModel::of(options);
    QCOMPARE(figure.bits, bits);
    QCOMPARE(figure.limit, limit);
    QCOMPARE(figure.impossible, impossible);
}

QTEST_APPLESS_MAIN(StrengthModelTest)
#include "StrengthModelTest.moc"
