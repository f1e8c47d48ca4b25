#include "window/x11/KeyData.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr char16_t backspace = 0x08;
constexpr char16_t tab = 0x09;
constexpr char16_t carriageReturn = 0x0D;
constexpr char16_t escape = 0x1B;
constexpr char16_t del = 0x7F;

// Punctuation keys of a US layout: both characters of a key share its code.
struct Punctuation
{
    char16_t plain;
    char16_t shifted;
    std::uint32_t code;
};
constexpr Punctuation punctuation[] = {
    { u';', u':', 0xBA },
    { u'=', u'+', 0xBB },
    { u',', u'<', 0xBC },
    { u'-', u'_', 0xBD },
    { u'.', u'>', 0xBE },
    { u'/', u'?', 0xBF },
    { u'`', u'~', 0xC0 },
    { u'[', u'{', 0xDB },
    { u'\\', u'|', 0xDC },
    { u']', u'}', 0xDD },
    { u'\'', u'"', 0xDE },
};
// The characters on Shift and the digit keys 0 to 9.
constexpr char16_t shiftedDigits[] = u")!@#$%^&*(";

std::uint32_t modifierBits(Qt::KeyboardModifiers modifiers)
{
    std::uint32_t bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= KeyData::shift;
    if (modifiers & Qt::ControlModifier)
        bits |= KeyData::ctrl;
    if (modifiers & Qt::AltModifier)
        bits |= KeyData::alt;
    return bits;
}

// With Ctrl held the platform types a control character (Ctrl+V is 0x16) or
// nothing at all; the key itself still names the character's key.
std::optional<std::uint32_t> fromKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::uint32_t>(key); // Qt's codes for these are the ASCII ones
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        const std::uint32_t code = KeyData::virtualKey(static_cast<char16_t>(key));
        if (code != 0)
            return code;
    }
    return std::nullopt;
}

bool isDigitKey(std::uint32_t code)
{
    return code >= u'0' && code <= u'9';
}

bool isDigit(char16_t ch)
{
    return isDigitKey(ch) || KeyData::asciiDigit(ch) != 0;
}

// Keysyms of characters beyond Latin-1 are the Unicode code point plus this.
constexpr xcb_keysym_t unicodeKeysym = 0x1000000;

// Without the layout a US keyboard is assumed, except that a symbol of a digit key
// typed without Shift came from a key of its own ('#' on a British keyboard).
std::uint32_t usKey(char16_t ch, bool shifted)
{
    const std::uint32_t code = KeyData::virtualKey(ch);
    if (isDigitKey(code) && !shifted && !isDigit(ch))
        return 0;
    return code;
}

// The plain and Shift keysyms of the pressed key in the first two groups, as the
// server maps them now, so a layout switched a moment ago counts. Empty off X11 and
// for synthetic events, which name no key.
std::vector<xcb_keysym_t> keysymsOfPressedKey(const QKeyEvent *event)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return {};
    const xcb_setup_t *setup = xcb_get_setup(c);
    const quint32 keycode = event->nativeScanCode();
    if (keycode < setup->min_keycode || keycode > setup->max_keycode)
        return {};
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(keycode), 1), nullptr),
        &std::free);
    if (!reply)
        return {};
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int count = std::min(xcb_get_keyboard_mapping_keysyms_length(reply.get()), 4);
    std::vector<xcb_keysym_t> found;
    std::copy_if(syms, syms + count, std::back_inserter(found), [](xcb_keysym_t sym) { return sym != 0; });
    return found;
}

// A key with a digit among its keysyms is that digit key whatever else it types, and
// the keypad's digits count as the digit keys'. A key that types no digit never gets
// a digit key's code, though US keys share its symbols.
std::uint32_t keyOfKeysyms(const std::vector<xcb_keysym_t> &syms, xcb_keysym_t typed)
{
    // A character from a level beyond Shift (AltGr) carries no modifier bit, so it must
    // not pass for the key's own ('{' on the German 7 key).
    if (std::find(syms.begin(), syms.end(), typed) == syms.end())
        return 0;
    constexpr xcb_keysym_t keypadZero = 0xFFB0;
    for (const xcb_keysym_t sym : syms) {
        if (isDigitKey(sym))
            return sym;
        if (sym >= keypadZero && sym <= keypadZero + 9)
            return sym - keypadZero + u'0';
        // The Arabic and Persian layouts type their own digits on these keys.
        if (sym > unicodeKeysym && sym <= unicodeKeysym + 0xFFFF) {
            if (const char16_t digit = KeyData::asciiDigit(static_cast<char16_t>(sym - unicodeKeysym)))
                return digit;
        }
    }
    for (const xcb_keysym_t sym : syms) {
        // Keysyms of printable ASCII are the characters themselves.
        const std::uint32_t code = sym >= 0x20 && sym < 0x7F ? KeyData::virtualKey(static_cast<char16_t>(sym)) : 0;
        if (code != 0 && !isDigitKey(code))
            return code;
    }
    return 0;
}

std::uint32_t typedKey(const QKeyEvent *event, char16_t ch)
{
    const std::vector<xcb_keysym_t> syms = keysymsOfPressedKey(event);
    if (!syms.empty())
        return keyOfKeysyms(syms, event->nativeVirtualKey());
    return usKey(ch, event->modifiers() & Qt::ShiftModifier);
}

} // namespace

std::uint32_t KeyData::virtualKey(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch;
    if (const char16_t digit = asciiDigit(ch))
        return digit;
    if (ch >= u'A' && ch <= u'Z')
        return ch;
    if (ch >= u'a' && ch <= u'z')
        return ch - u'a' + u'A';
    if (ch == u' ' || ch == backspace || ch == carriageReturn || ch == escape)
        return ch;
    for (int digit = 0; digit < 10; ++digit) {
        if (shiftedDigits[digit] == ch)
            return u'0' + digit;
    }
    for (const Punctuation &key : punctuation) {
        if (key.plain == ch || key.shifted == ch)
            return key.code;
    }
    return 0;
}

char16_t KeyData::asciiDigit(char16_t ch)
{
    for (const char16_t zero : { u'\u0660', u'\u06F0' }) {
        if (ch >= zero && ch <= zero + 9)
            return static_cast<char16_t>(ch - zero + u'0');
    }
    return 0;
}

std::optional<std::uint32_t> KeyData::fromEvent(const QKeyEvent *event)
{
    const int key = event->key();
    // Keys that move or delete rather than type: they keep their normal effect.
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return std::nullopt;
    const std::uint32_t bits = modifierBits(event->modifiers());
    if (key == Qt::Key_Backspace)
        return backspace | bits;

    const QString text = event->text();
    const char16_t ch = text.isEmpty() ? 0 : text.at(0).unicode();
    const bool control = ch < 0x20 || ch == del;
    if (!text.isEmpty() && !control)
        return typedKey(event, ch) | bits; // 0 for a character of no known key: still a typed character
    if (ch == carriageReturn || ch == escape)
        return ch | bits;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        if (std::optional<std::uint32_t> code = fromKey(key))
            return *code | bits;
    }
    return std::nullopt;
}
