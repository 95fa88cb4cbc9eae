#pragma once
// The platform's usual conversions of a stored text to a number and to a Boolean. Values
// come from the wizard, from hand edits and from machine presets, which turn DWORD values
// into "&H" text, so the hexadecimal "&H" and octal "&O" forms count as numbers too.
#include <optional>
#include <string_view>

namespace corvane::settings {

// A decimal number with blanks around it (see text::parseNumber), or "&H" with 1 to 8
// hexadecimal digits, or "&O" with octal digits up to 37777777777, read as a signed
// 32-bit value (&HFFFFFFFF is -1). Nothing for any other text.
std::optional<double> classicNumber(std::string_view text);

// The largest whole number not above classicNumber(text).
std::optional<long long> classicWholeNumber(std::string_view text);

// "True" and "False" in any case (blanks around allowed), or a number, non-zero meaning
// true. Any other text throws PlatformError(platform::errors::TypeMismatch).
bool classicBoolean(std::string_view text);

}  // namespace corvane::settings
