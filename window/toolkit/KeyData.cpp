#include "window/toolkit/KeyData.h"

#include <QKeyEvent>

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

} // namespace

std::uint32_t KeyData::virtualKey(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch;
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
        return virtualKey(ch) | bits; // 0 for a character no US key types: still a typed character
    if (ch == carriageReturn || ch == escape)
        return ch | bits;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        if (std::optional<std::uint32_t> code = fromKey(key))
            return *code | bits;
    }
    return std::nullopt;
}
