#pragma once

#include <string>
#include <string_view>

// Character patterns as the exclude sets and the white-space filter use them:
// an optional leading "^" negates, "a-f" is a range, anything else stands for
// itself. Characters are Unicode code points; text is UTF-8.
bool matchesPattern(char32_t ch, std::u32string_view pattern);

// The text without every character that matches the pattern, the rest in order.
std::string removeMatching(std::string_view text, std::string_view pattern);

// The white space that never enters a pool or a comparison of copied text.
inline constexpr std::string_view whiteSpacePattern { " \t\v\r\n\f" };
