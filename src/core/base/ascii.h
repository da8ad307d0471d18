#pragma once
// Helpers for the ASCII syntax of text formats: blanks, letter case and hexadecimal numbers.
// Only ASCII characters are looked at; any other byte (UTF-8 included) stands for itself.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo {

/// `s` without its leading, trailing or both blanks. Blanks are spaces and tabs only: a line
/// end is not a blank here.
std::string_view trimLeft(std::string_view s);
std::string_view trimRight(std::string_view s);
std::string_view trim(std::string_view s);

/// Comparisons that take the ASCII letters A-Z and a-z as equal (and nothing else).
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

/// The value of the hexadecimal digit `c` (either case); -1 for any other character.
int hexDigitValue(char c);

/// The number written by one to eight hexadecimal digits and nothing else (no sign, no "0x",
/// no blanks); nullopt for anything else.
std::optional<std::uint32_t> parseHex32(std::string_view digits);

/// `value` in lower-case hexadecimal, padded with zeros to at least `width` digits.
std::string formatHex(std::uint32_t value, int width = 1);

} // namespace tovalo
