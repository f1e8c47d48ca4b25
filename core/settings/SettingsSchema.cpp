#include "core/settings/SettingsSchema.h"

#include <algorithm>
#include <limits>

namespace {

// Geometry limits of the stored window, in pixels; not tied to any screen.
constexpr int maxWidth = 3000;
constexpr int maxHeight = 2000;

int clampBelow(int value, int upper)
{
    return std::max(std::min(value, upper), 0);
}

} // namespace

const std::array<SettingsKey, 32> &SettingsSchema::keys()
{
    static const std::array<SettingsKey, 32> table { {
        { "VERSION", "", SettingKind::Version },
        { "LOWERCASEENABLED", "checkLowerCase", SettingKind::Flag },
        { "UPPERCASEENABLED", "checkUpperCase", SettingKind::Flag },
        { "NUMBERENABLED", "checkNumber", SettingKind::Flag },
        { "SYMBOLENABLED", "checkSymbol", SettingKind::Flag },
        { "SIMILARENABLED", "checkSimilar", SettingKind::Flag },
        { "INCLUDECUSTOMENABLED", "checkIncludeCustom", SettingKind::Flag },
        { "EXCLUDECUSTOMENABLED", "checkExcludeCustom", SettingKind::Flag },
        { "LOWERCASESET", "editLowerCase", SettingKind::Text },
        { "UPPERCASESET", "editUpperCase", SettingKind::Text },
        { "NUMBERSET", "editNumber", SettingKind::Text },
        { "SYMBOLSET", "editSymbol", SettingKind::Text },
        { "SIMILARSET", "editSimilar", SettingKind::Text },
        { "INCLUDECUSTOMSET", "editIncludeCustom", SettingKind::Text },
        { "EXCLUDECUSTOMSET", "editExcludeCustom", SettingKind::Text },
        { "MINLENGTH", "comboMinLength", SettingKind::Number },
        { "MAXLENGTH", "comboMaxLength", SettingKind::Number },
        { "PASSCOUNT", "comboPassCount", SettingKind::Number },
        { "PASSSTRENGTH", "comboPassStrength", SettingKind::Number, "MOUSEINPUT" },
        { "GENERATORS", "comboGens", SettingKind::Number },
        { "MIXSYSTEMRANDOM", "actionMixSystemRandom", SettingKind::MenuFlag },
        { "REQUIREEACHSET", "actionRequireEachSet", SettingKind::MenuFlag },
        { "CLEARCLIPBOARDAFTER", "groupClearClipboardAfter", SettingKind::Seconds },
        { "MAXIMIZED", "", SettingKind::Maximized },
        { "LEFT", "", SettingKind::Left },
        { "TOP", "", SettingKind::Top },
        { "WIDTH", "", SettingKind::Width },
        { "HEIGHT", "", SettingKind::Height },
        { "CLEARCLIPBOARD", "checkClearClipboard", SettingKind::Flag },
        { "RESTOREWINDOW", "checkSettingsWindow", SettingKind::RestoreWindow },
        { "SAVESETTINGS", "checkSettings", SettingKind::Flag },
        { "SAVED", "", SettingKind::Saved },
    } };
    return table;
}

const std::array<CharacterDefault, 7> &SettingsSchema::characterDefaults()
{
    static const std::array<CharacterDefault, 7> table { {
        { "checkLowerCase", true, "editLowerCase", "abcdefghijklmnopqrstuvwxyz" },
        { "checkUpperCase", false, "editUpperCase", "ABCDEFGHIJKLMNOPQRSTUVWXYZ" },
        { "checkNumber", true, "editNumber", "0123456789" },
        { "checkSymbol", false, "editSymbol", "!@#$%&^*-+=<>?/" },
        { "checkSimilar", false, "editSimilar", "1iIjl0oO!5S2Z" },
        { "checkIncludeCustom", false, "editIncludeCustom", nullptr },
        { "checkExcludeCustom", false, "editExcludeCustom", nullptr },
    } };
    return table;
}

QByteArray SettingsSchema::boolText(bool value)
{
    return value ? QByteArrayLiteral("TRUE") : QByteArrayLiteral("FALSE");
}

std::optional<bool> SettingsSchema::parseBool(const QByteArray &value)
{
    if (value == "TRUE")
        return true;
    if (value == "FALSE")
        return false;
    return std::nullopt;
}

int SettingsSchema::parseDelay(const QByteArray &value)
{
    for (int delay : clipboardDelays) {
        if (value == QByteArray::number(delay))
            return delay;
    }
    return 0;
}

int SettingsSchema::parseInt(const QByteArray &value)
{
    qsizetype pos = 0;
    while (pos < value.size() && (value[pos] == ' ' || (value[pos] >= '\t' && value[pos] <= '\r')))
        ++pos;
    bool negative = false;
    if (pos < value.size() && (value[pos] == '-' || value[pos] == '+'))
        negative = value[pos++] == '-';
    constexpr long long limit = std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos)
        magnitude = std::min(magnitude * 10 + (value[pos] - '0'), limit + 1);
    const long long result = negative ? -magnitude : std::min(magnitude, limit);
    return int(result);
}

QByteArray SettingsSchema::loadedSet(const QByteArray &stored)
{
    if (stored.size() <= maxSetBytes)
        return stored;
    // A character's bytes after its first are 10xxxxxx, and it has three of them at most.
    qsizetype end = maxSetBytes;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(stored[end]) & 0xC0) == 0x80; ++back)
        --end;
    return stored.left(end);
}

int SettingsSchema::clampWidth(int value)
{
    return clampBelow(value, maxWidth);
}

int SettingsSchema::clampHeight(int value)
{
    return clampBelow(value, maxHeight);
}

int SettingsSchema::clampTop(int value, int windowHeight)
{
    return clampBelow(value, maxHeight - windowHeight);
}

int SettingsSchema::clampLeft(int value, int windowWidth)
{
    return clampBelow(value, maxWidth - windowWidth);
}
