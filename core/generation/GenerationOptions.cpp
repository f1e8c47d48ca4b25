#include "core/generation/GenerationOptions.h"

#include "core/generation/CharacterPattern.h"
#include "core/generation/OptionInt.h"

#include <algorithm>
#include <array>
#include <limits>

const char *const GenerationOptions::poolTooSmallText
    = QT_TRANSLATE_NOOP("GenerationOptions", "Character sets must contain at least two characters");
const char *const GenerationOptions::errorCaption = QT_TRANSLATE_NOOP("GenerationOptions", "Brindal Error");
const char *const GenerationOptions::questionCaption = QT_TRANSLATE_NOOP("GenerationOptions", "Brindal");

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
    // Only printable ASCII: control characters cannot be typed back from a password.
    // Such a byte is always a character of its own in UTF-8, so the distinct ones
    // are picked out first and the patterns (quadratic) see at most 95, however
    // long the sets are.
    std::array<bool, 128> present {};
    for (const CharacterSet *set :
        { &inputs.lowerCase, &inputs.upperCase, &inputs.number, &inputs.symbol, &inputs.includeCustom }) {
        if (!set->ticked)
            continue;
        for (const char ch : set->text) {
            const auto byte = static_cast<unsigned char>(ch);
            if (byte >= 0x20 && byte < 0x7F)
                present[byte] = true;
        }
    }
    std::string pool;
    for (std::size_t value = 0; value < present.size(); ++value) {
        if (present[value])
            pool.push_back(static_cast<char>(value));
    }
    if (inputs.similar.ticked)
        pool = removeMatching(pool, inputs.similar.text);
    if (inputs.excludeCustom.ticked)
        pool = removeMatching(pool, inputs.excludeCustom.text);
    return removeMatching(pool, whiteSpacePattern);
}

std::vector<std::string> GenerationOptions::buildRequiredSets(const Inputs &inputs, const std::string &pool)
{
    // The exclusions judge each character alone, so what the pool kept of a set
    // is exactly what they leave of it.
    std::vector<std::string> sets;
    for (const CharacterSet *set :
        { &inputs.lowerCase, &inputs.upperCase, &inputs.number, &inputs.symbol, &inputs.includeCustom }) {
        if (!set->ticked)
            continue;
        std::array<bool, 128> inSet {};
        for (const char ch : set->text) {
            const auto byte = static_cast<unsigned char>(ch);
            if (byte < 128)
                inSet[byte] = true;
        }
        std::string kept;
        for (const char ch : pool) {
            if (inSet[static_cast<unsigned char>(ch)])
                kept.push_back(ch);
        }
        if (!kept.empty())
            sets.push_back(std::move(kept));
    }
    return sets;
}

bool GenerationOptions::tooShortForEachSet() const
{
    return requireEachSet && minLength < shortestForEachSet();
}

int GenerationOptions::shortestForEachSet() const
{
    // What counts of a character is which sets it belongs to. One set per include
    // set: at most 32 combinations.
    const std::size_t combinations = std::size_t { 1 } << requiredSets.size();
    std::vector<std::size_t> belongs;
    for (const char ch : charPool) {
        std::size_t sets = 0;
        for (std::size_t i = 0; i < requiredSets.size(); ++i) {
            if (requiredSets[i].find(ch) != std::string::npos)
                sets |= std::size_t { 1 } << i;
        }
        belongs.push_back(sets);
    }
    const int never = std::numeric_limits<int>::max();
    std::vector<int> fewest(combinations, never);
    fewest[0] = 0;
    // Adding a character only ever adds sets, so counting upwards settles each
    // combination before it is extended.
    for (std::size_t held = 0; held < combinations; ++held) {
        if (fewest[held] == never)
            continue;
        for (const std::size_t sets : belongs)
            fewest[held | sets] = std::min(fewest[held | sets], fewest[held] + 1);
    }
    return fewest.back();
}

std::string GenerationOptions::tooShortForEachSetMessage() const
{
    return tr("The Minimum Length must be at least %1 to hold a character of each ticked set")
        .arg(shortestForEachSet())
        .toStdString();
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
    QString message
        = tr("The current password settings may be too weak. Do you want to continue generating passwords?");
    if (shortMinimum)
        message += tr("\n(Minimum Length is less than 10)");
    if (smallPool)
        message += tr("\n(Less than 32 characters and symbols are selected)");
    if (weakStrength) {
        if (generators > 0 && passStrength >= 100)
            message += tr("\n(Password Strength is less than 200 when Generators are enabled)");
        else
            message += tr("\n(Password Strength is less than 100)");
    }
    return message.toStdString();
}
