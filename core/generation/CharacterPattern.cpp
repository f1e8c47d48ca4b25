#include "core/generation/CharacterPattern.h"

#include <array>
#include <cstdint>

namespace {

// One code point from text at pos, advancing pos. A byte that does not start a
// well-formed sequence stands alone, as a value no real character has, so a
// pattern can never match it by accident.
char32_t decodeNext(std::string_view text, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const char32_t stray = 0xDC00u + lead;
    int extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07u;
    } else {
        ++pos;
        return stray;
    }
    if (pos + static_cast<std::size_t>(extra) >= text.size()) {
        ++pos;
        return stray;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0u) != 0x80u) {
            ++pos;
            return stray;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and values past the last code point are not characters.
    static constexpr char32_t least[] = { 0, 0x80, 0x800, 0x10000 };
    if (value < least[extra] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        ++pos;
        return stray;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return value;
}

std::u32string decode(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        result.push_back(decodeNext(text, pos));
    return result;
}

// Whether each ASCII character matches the pattern, by matchesPattern's rules in
// one pass over it: a long exclusion against the pool would otherwise cost their
// product on every change of an option.
std::array<bool, 128> asciiMatches(std::u32string_view pattern)
{
    std::array<bool, 128> hit {};
    const std::size_t size = pattern.size();
    const bool negated = size > 1 && pattern[0] == U'^';
    const std::size_t first = negated ? 1 : 0;
    for (std::size_t i = first; i < size; ++i) {
        if (pattern[i] == U'-' && i > first && i + 1 < size) {
            const char32_t after = pattern[i + 1];
            for (char32_t ch = pattern[i - 1]; ch <= after && ch < hit.size(); ++ch)
                hit[ch] = true;
            if (after < hit.size())
                hit[after] = true;
        } else if (pattern[i] < hit.size()) {
            hit[pattern[i]] = true;
        }
    }
    if (negated) {
        for (bool &each : hit)
            each = !each;
    }
    return hit;
}

} // namespace

bool matchesPattern(char32_t ch, std::u32string_view pattern)
{
    const std::size_t size = pattern.size();
    // A lone "^" is a literal, not the negation of nothing.
    const bool negated = size > 1 && pattern[0] == U'^';
    const std::size_t first = negated ? 1 : 0;
    for (std::size_t i = first; i < size; ++i) {
        bool hit;
        if (pattern[i] == U'-' && i > first && i + 1 < size) {
            const char32_t before = pattern[i - 1];
            const char32_t after = pattern[i + 1];
            hit = (before <= ch && ch <= after) || ch == after;
        } else {
            hit = pattern[i] == ch;
        }
        if (hit)
            return !negated;
    }
    return negated;
}

std::string removeMatching(std::string_view text, std::string_view pattern)
{
    const std::u32string codePattern = decode(pattern);
    const std::array<bool, 128> ascii = asciiMatches(codePattern);
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t begin = pos;
        const char32_t ch = decodeNext(text, pos);
        if (!(ch < ascii.size() ? ascii[ch] : matchesPattern(ch, codePattern)))
            result.append(text.substr(begin, pos - begin));
    }
    return result;
}
