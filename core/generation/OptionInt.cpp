#include "core/generation/OptionInt.h"

std::int32_t parseOptionInt(const QByteArray &text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && (text[i] == ' ' || (text[i] >= 9 && text[i] <= 13)))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps by definition; the final conversion is modular in C++20.
    std::uint32_t value = 0;
    while (i < size && text[i] >= '0' && text[i] <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
        ++i;
    }
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}
