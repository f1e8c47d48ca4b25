#include "core/generation/GenerationOptions.h"

#include "core/generation/CharacterPattern.h"
#include "core/generation/OptionInt.h"

#include <array>

const char *const GenerationOptions::poolTooSmallText = "Character sets must contain at least two characters";
const char *const GenerationOptions::errorCaption = "Brindal Error";
const char *const GenerationOptions::questionCaption = "Brindal";

GenerationOptions GenerationOptions::fromInputs(const Inputs &inputs)
{
    GenerationOptions options;
    options.minLength = parseOptionInt(inputs.minLength);
    options.maxLength = parseOptionInt(inputs.maxLength);
    options.passCount = parseOptionInt(inputs.passCount);
    options.passStrength = parseOptionInt(inputs.passStrength);
    options.generators = parseOptionInt(inputs.generators);
    options.clamp();
    options.charPool = buildPool(inputs);
    options.mixSystemRandom = inputs.mixSystemRandom;
    options.requireEachSet = inputs.requireEachSet;
    options.requiredSets = buildRequiredSets(inputs, options.charPool);
    return options;
}

void GenerationOptions::clamp()
{
    if (minLength < lengthRange.lowest)
        minLength = lengthRange.lowest;
    if (maxLength < lengthRange.lowest)
        maxLength = lengthRange.lowest;
    if (passCount < countRange.lowest)
        passCount = countRange.lowest;
    if (passStrength < strengthRange.lowest)
        passStrength = strengthRange.lowest;
    if (maxLength < minLength)
        maxLength = minLength;
    // Lengths and counts stop at 65535: the list and the progress arithmetic stay small.
    if (minLength > lengthRange.highest)
        minLength = lengthRange.highest;
    if (maxLength > lengthRange.highest)
        maxLength = lengthRange.highest;
    if (passCount > countRange.highest)
        passCount = countRange.highest;
    // 9999 samples of 4 bytes is the most one digest is ever taken over.
    if (passStrength > strengthRange.highest)
        passStrength = strengthRange.highest;
    if (generators < 1)
        generators = generatorRange.lowest;
    // 99 generators keep well clear of the program's thread cap.
    if (generators > generatorRange.highest)
        generators = generatorRange.highest;
}

std::string GenerationOptions::buildPool(const Inputs &inputs)
{
    std::string text;
    for (const CharacterSet *set :
        { &inputs.lowerCase, &inputs.upperCase, &inputs.number, &inputs.symbol, &inputs.includeCustom }) {
        if (set->ticked)
            text += set->text;
    }
    if (inputs.similar.ticked)
        text = removeMatching(text, inputs.similar.text);
    if (inputs.excludeCustom.ticked)
        text = removeMatching(text, inputs.excludeCustom.text);
    text = removeMatching(text, whiteSpacePattern);

    // Only printable ASCII: control characters cannot be typed back from a password.
    std::array<bool, 128> present {};
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte < 0x7F)
            present[byte] = true;
    }
    std::string pool;
    for (std::size_t value = 0; value < present.size(); ++value) {
        if (present[value])
            pool.push_back(static_cast<char>(value));
    }
    return pool;
}

std::vector<std::string> GenerationOptions::buildRequiredSets(const Inputs &inputs, const std::string &pool)
{
    std::vector<std::string> sets;
    for (const CharacterSet *set :
        { &inputs.lowerCase, &inputs.upperCase, &inputs.number, &inputs.symbol, &inputs.includeCustom }) {
        if (!set->ticked)
            continue;
        // Exclusions work on code points, so a set is filtered as the pool was.
        std::string text = set->text;
        if (inputs.similar.ticked)
            text = removeMatching(text, inputs.similar.text);
        if (inputs.excludeCustom.ticked)
            text = removeMatching(text, inputs.excludeCustom.text);
        std::string kept;
        for (const char ch : pool) {
            if (text.find(ch) != std::string::npos)
                kept.push_back(ch);
        }
        if (!kept.empty())
            sets.push_back(std::move(kept));
    }
    return sets;
}

bool GenerationOptions::tooShortForEachSet() const
{
    return requireEachSet && static_cast<std::size_t>(minLength) < requiredSets.size();
}

std::string GenerationOptions::tooShortForEachSetMessage() const
{
    return "The Minimum Length must be at least " + std::to_string(requiredSets.size())
        + " to hold a character of each ticked set";
}

bool GenerationOptions::holdsEachSet(std::string_view password) const
{
    if (!requireEachSet)
        return true;
    for (const std::string &set : requiredSets) {
        if (password.find_first_of(set) == std::string_view::npos)
            return false;
    }
    return true;
}

std::string GenerationOptions::weakSettingsMessage() const
{
    const int threshold = generators > 0 ? 200 : 100;
    const bool weakStrength = passStrength < threshold;
    const bool shortMinimum = minLength < 10;
    const bool smallPool = charPool.size() < 32;
    if (!weakStrength && !shortMinimum && !smallPool)
        return {};
    std::string message
        = "The current password settings may be too weak. Do you want to continue generating passwords?";
    if (shortMinimum)
        message += "\n(Minimum Length is less than 10)";
    if (smallPool)
        message += "\n(Less than 32 characters and symbols are selected)";
    if (weakStrength) {
        if (generators > 0 && passStrength >= 100)
            message += "\n(Password Strength is less than 200 when Generators are enabled)";
        else
            message += "\n(Password Strength is less than 100)";
    }
    return message;
}
