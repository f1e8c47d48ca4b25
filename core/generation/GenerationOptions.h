#pragma once

#include <QByteArray>

#include <cstdint>
#include <string>

// The numbers and the character pool a run works with, read from what the
// option controls show and forced into their legal ranges.
class GenerationOptions
{
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

    // Reads, clamps and builds the pool.
    static GenerationOptions fromInputs(const Inputs &inputs);

    // Forces the numbers into range; the order matters (the maximum is raised to
    // the minimum before either is capped).
    void clamp();

    static std::string buildPool(const Inputs &inputs);

    bool poolTooSmall() const { return charPool.size() < 2; }

    // The question to ask before a run on weak settings; empty when they are not weak.
    std::string weakSettingsMessage() const;

    static const char *const poolTooSmallText;
    static const char *const errorCaption;
    static const char *const questionCaption;
};
