#include "core/generation/StrengthModel.h"

#include "core/generation/GenerationOptions.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace {

using Wide = unsigned __int128;

// Pool characters are bytes below 128: a set of them fits in two words.
struct CharMask
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    static CharMask of(std::string_view text)
    {
        CharMask mask;
        for (const char ch : text) {
            const auto byte = static_cast<unsigned char>(ch);
            if (byte < 64)
                mask.low |= std::uint64_t { 1 } << byte;
            else if (byte < 128)
                mask.high |= std::uint64_t { 1 } << (byte - 64);
        }
        return mask;
    }
    CharMask operator|(CharMask other) const { return { low | other.low, high | other.high }; }
    CharMask operator&(CharMask other) const { return { low & other.low, high & other.high }; }
    std::size_t size() const { return static_cast<std::size_t>(std::popcount(low) + std::popcount(high)); }
};

// Character i is character i-1 moved on by digest byte i modulo n (the running sum
// modulo n is the previous character's index), so given the characters before it,
// each character is as biased as one byte modulo n: the heaviest residues come
// ceil(256 / n) times in 256.
long double bitsPerCharacter(std::size_t poolSize)
{
    return 8.0L - std::log2(static_cast<long double>((256 + poolSize - 1) / poolSize));
}

// base^exponent, false when it does not fit in 128 bits.
bool power(Wide base, std::uint32_t exponent, Wide &result)
{
    result = 1;
    while (exponent > 0) {
        if ((exponent & 1) && __builtin_mul_overflow(result, base, &result))
            return false;
        exponent >>= 1;
        if (exponent > 0 && __builtin_mul_overflow(base, base, &base))
            return false;
    }
    return true;
}

// log2 of the share of the n^L strings over the pool that hold a character of each
// set, by inclusion-exclusion over the unions of the sets (they may overlap);
// -infinity when no string does.
long double log2ShareHoldingEachSet(const GenerationOptions &options, std::uint32_t length)
{
    const CharMask pool = CharMask::of(options.charPool);
    const std::size_t n = options.charPool.size();
    std::vector<CharMask> sets;
    for (const std::string &set : options.requiredSets)
        sets.push_back(CharMask::of(set) & pool);
    // One set per include set: at most 32 unions.
    struct Term
    {
        std::size_t avoiding; // characters the strings of this term leave out
        bool subtracted;
    };
    std::vector<Term> terms;
    for (std::size_t subset = 0; subset < (std::size_t { 1 } << sets.size()); ++subset) {
        CharMask united;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            if (subset & (std::size_t { 1 } << i))
                united = united | sets[i];
        }
        terms.push_back({ united.size(), std::popcount(subset) % 2 == 1 });
    }

    // Exactly while n^L fits in 128 bits. The terms wrap around, but the count
    // itself lies in [0, n^L], so the wrapped sum is exact.
    Wide all;
    if (power(n, length, all)) {
        Wide count = 0;
        for (const Term &term : terms) {
            Wide part;
            power(n - term.avoiding, length, part);
            count = term.subtracted ? count - part : count + part;
        }
        if (count == 0)
            return -std::numeric_limits<long double>::infinity();
        return std::log2(static_cast<long double>(count)) - length * std::log2(static_cast<long double>(n));
    }
    // Beyond, in shares ((n - u) / n)^L. There L >= 20, where five sets are held by
    // a share of at least 1.6e-4 (the most characters, five single ones required),
    // so the cancellation costs at most 5 of long double's 19 digits.
    long double added = 0;
    long double subtracted = 0;
    for (const Term &term : terms) {
        const long double part = term.avoiding == n
            ? 0.0L
            : std::exp(length * std::log1p(-static_cast<long double>(term.avoiding) / static_cast<long double>(n)));
        (term.subtracted ? subtracted : added) += part;
    }
    return std::log2(added - subtracted);
}

struct Sides
{
    long double output = 0;
    long double input = 0;
    bool impossible = false;
};

Sides sidesOf(const GenerationOptions &options)
{
    const std::size_t n = options.charPool.size();
    if (n < 2 || options.minLength < 1)
        return {};
    const auto length = static_cast<std::uint32_t>(options.minLength);
    const long double perCharacter = bitsPerCharacter(n);

    // Keeping only the passwords that hold each set costs log2 of the share kept.
    // Exact when n divides 256. Otherwise it takes the best guess to be as likely
    // as the best of all passwords (an overestimate of it, so fewer bits) and the
    // share kept to be that of uniform characters (close: both walk the whole pool).
    long double kept = 0;
    if (options.requireEachSet) {
        kept = log2ShareHoldingEachSet(options, length);
        if (std::isinf(kept))
            return { 0, 0, true };
    }

    const std::uint32_t blocks = (length + 15) / 16;
    const std::uint32_t fullBlocks = length / 16;
    const std::uint32_t rest = length % 16;
    Sides sides;
    // One digest per 16 characters holds at most 128 bits (never reached here: a
    // character holds at most 8). Below 0 only when a handful of strings is kept
    // from a pool whose size does not divide 256: one string is worth 0 bits.
    sides.output = std::clamp(length * perCharacter + kept, 0.0L, blocks * 128.0L);
    // A digest passes on no more than its characters hold: the last one of a
    // length that is no multiple of 16 feeds fewer than 16.
    const long double perDigest = std::min<long double>(std::max(options.passStrength, 0), 128);
    const long double fed = fullBlocks * std::min(perDigest, 16 * perCharacter)
        + (rest > 0 ? std::min(perDigest, rest * perCharacter) : 0.0L);
    sides.input = std::max(fed + kept, 0.0L);
    return sides;
}

} // namespace

StrengthModel::Figure StrengthModel::of(const GenerationOptions &options)
{
    const Sides sides = sidesOf(options);
    Figure figure;
    figure.impossible = sides.impossible;
    long double bits = sides.output;
    if (options.mixSystemRandom) {
        figure.limit = Limit::systemRandom;
    } else if (sides.input < sides.output - 1e-9L) {
        // The sides add the same characters in different groupings: a tie may
        // differ in its last bits, and a tie is named the length.
        figure.limit = Limit::samples;
        bits = sides.input;
    }
    // 80 computed a hair below must still show as 80.0: a billionth of a bit is
    // far above the rounding error and far below anything that matters.
    figure.bits = static_cast<double>(std::floor(bits * 10 + 1e-8L)) / 10;
    return figure;
}

double StrengthModel::outputBits(const GenerationOptions &options)
{
    return static_cast<double>(sidesOf(options).output);
}

double StrengthModel::inputBits(const GenerationOptions &options)
{
    return static_cast<double>(sidesOf(options).input);
}
