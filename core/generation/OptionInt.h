#pragma once

#include <QByteArray>

#include <cstdint>

// Reads a numeric option's text the classic way: leading blanks, an optional sign,
// digits up to the first other character, no digits giving 0. The value wraps like
// 32-bit two's complement instead of overflowing.
std::int32_t parseOptionInt(const QByteArray &text);
