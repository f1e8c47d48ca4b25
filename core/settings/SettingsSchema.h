#pragma once

#include <QByteArray>

#include <array>
#include <optional>

// What kind of value a stored key holds and how load and save treat it.
enum class SettingKind {
    Version, // the constant version text; written, never read
    Flag, // a check box as "TRUE" / "FALSE"
    // A checkable menu item as "TRUE" / "FALSE", written only when ticked or already
    // in the file: a file whose user never ticked it stays as it was before the item.
    MenuFlag,
    // A menu's choice of delays as whole seconds, 0 for Never; written only when not
    // Never or already in the file, as MenuFlag. A value that is not one of the
    // choices reads as Never.
    Seconds,
    Text, // a text box's text
    Number, // a numeric combo box's text
    Maximized, // the window state
    Left, // the window's outer bounds
    Top,
    Width,
    Height,
    RestoreWindow, // a check box that also decides whether the geometry is applied
    Saved, // marks a completed full save
};

// One stored key. control is the object name of the control it belongs to, empty
// for window state and constants; fallback is an older key read when this one is missing.
struct SettingsKey
{
    const char *name;
    const char *control;
    SettingKind kind;
    const char *fallback = nullptr;
};

// A character set's state after a reset; text is null where the text is kept.
struct CharacterDefault
{
    const char *check;
    bool checked;
    const char *edit;
    const char *text;
};

// The layout of the settings file, shared by load and save, and the arithmetic of
// the stored window geometry.
class SettingsSchema
{
public:
    static constexpr const char *fileName = "Zolvenar.ini";
    static constexpr const char *section = "SETTINGS";
    static constexpr const char *version = ZOLVENAR_VERSION;

    // Every key, in the order a full save writes them.
    static const std::array<SettingsKey, 32> &keys();
    static const std::array<CharacterDefault, 7> &characterDefaults();

    // The delays after which a copy leaves the clipboard, in seconds, Never first.
    static constexpr std::array<int, 5> clipboardDelays { 0, 10, 30, 60, 300 };
    // One of clipboardDelays written exactly as a save writes it, else 0 (Never).
    static int parseDelay(const QByteArray &value);

    static QByteArray boolText(bool value);
    // Only the exact texts "TRUE" and "FALSE" count.
    static std::optional<bool> parseBool(const QByteArray &value);
    // Leading blanks, an optional sign and the digits up to the first other byte; no
    // digits count as 0. Saturates at the int range, the clamps follow anyway.
    static int parseInt(const QByteArray &value);

    // The most of a character set's stored value that loads into its text box, in
    // bytes. A set is typed with at most 256 characters, a pool draws on the 95
    // printable ASCII characters and exclusion patterns are short, so no real set
    // comes near it. A text box takes 45 to 70 bytes of memory for each character it
    // holds (a 15 MB set took a gigabyte); at this bound each of the seven takes
    // about 3 MB.
    static constexpr qsizetype maxSetBytes = 64 * 1024;
    // A set's stored value as it loads: at most maxSetBytes, cut before the UTF-8
    // character that would cross the bound.
    static QByteArray loadedSet(const QByteArray &stored);

    // The bounds are fixed, whatever the screen's size; each clamps from above first.
    static int clampWidth(int value);
    static int clampHeight(int value);
    static int clampTop(int value, int windowHeight);
    static int clampLeft(int value, int windowWidth);
};
