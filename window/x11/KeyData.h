#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

// Key data of a typed character: the virtual-key code of the key that types it
// on the current layout, plus the modifier bits held.
class KeyData
{
public:
    static constexpr std::uint32_t shift = 0x10000;
    static constexpr std::uint32_t ctrl = 0x20000;
    static constexpr std::uint32_t alt = 0x40000;

    // Empty for keys that type no character (arrows, Home, Delete, Tab, function keys).
    // On X11 the server says what else the pressed key types. Elsewhere, and for
    // synthetic events, which name no key, a US layout is assumed.
    static std::optional<std::uint32_t> fromEvent(const QKeyEvent *event);

    // The US-layout virtual-key code of the key that types character ch; 0 for a
    // character no key of that layout types. A digit of the Arabic scripts is its
    // digit key's, as on every layout that types one.
    static std::uint32_t virtualKey(char16_t ch);

    // The ASCII digit for an Arabic-Indic or Extended Arabic-Indic digit; 0 for
    // any other character.
    static char16_t asciiDigit(char16_t ch);
};
