#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The numbers and the character pool a run works with, read from what the
// option controls show and forced into their legal ranges.
class GenerationOptions
{
    Q_DECLARE_TR_FUNCTIONS(GenerationOptions)

public:
    struct CharacterSet
    {
        bool ticked = false;
        std::string text; // UTF-8
    };

    // The option controls' contents as plain values.
    struct Inputs
    {
        QByteArray minLength, maxLength, passCount, passStrength, generators;
        CharacterSet lowerCase, upperCase, number, symbol, includeCustom; // appended as typed
        CharacterSet similar, excludeCustom; // patterns to remove
        bool mixSystemRandom = false;
        bool requireEachSet = false;
    };

    // The legal range of each number, shared with the boxes' own normalising.
    struct Range
    {
        int lowest;
        int highest;
    };
    static constexpr Range lengthRange { 1, 65535 };
    static constexpr Range countRange { 1, 65535 };
    static constexpr Range strengthRange { 25, 9999 };
    static constexpr Range generatorRange { 0, 99 };

    std::int32_t minLength = 0;
    std::int32_t maxLength = 0;
    std::int32_t passCount = 0;
    std::int32_t passStrength = 0;
    std::int32_t generators = 0;
    std::string charPool; // distinct bytes below 128 in ascending order, no white space
    // Each digest is hashed again with 16 bytes of the system's randomness.
    bool mixSystemRandom = false;
    // Every password holds a character of each of requiredSets, met by rejection.
    bool requireEachSet = false;
    // What is left in the pool of each ticked include set (lower case, upper case,
    // digits, symbols, custom, in that order), as sorted distinct bytes; sets left
    // empty by the exclusions are not listed.
    std::vector<std::string> requiredSets;

    // Reads, clamps and builds the pool.
    static GenerationOptions fromInputs(const Inputs &inputs);

    // Forces the numbers into range; the order matters (the maximum is raised to
    // the minimum before either is capped).
    void clamp();

    static std::string buildPool(const Inputs &inputs);
    static std::vector<std::string> buildRequiredSets(const Inputs &inputs, const std::string &pool);

    bool poolTooSmall() const { return charPool.size() < 2; }

    // A password of the minimum length cannot hold a character of each set.
    bool tooShortForEachSet() const;
    // The fewest characters that hold one of each set: fewer than the sets when
    // they overlap.
    int shortestForEachSet() const;
    std::string tooShortForEachSetMessage() const;
    // Whether a password holds a character of each required set (always, when off).
    bool holdsEachSet(std::string_view password) const;

    // The question to ask before a run on weak settings; empty when they are not weak.
    std::string weakSettingsMessage() const;

    // In English; tr() gives them in the user's language.
    static const char *const poolTooSmallText;
    static const char *const errorCaption;
    static const char *const questionCaption;
};
