#pragma once
// Unicode text on UTF-8 strings, with the semantics the add-in's checks rely on: blanks
// are spaces only (as the classic Trim), lists are items joined by ";", and comparisons
// that ignore case use full Unicode case mapping ("straße" equals "STRASSE").
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::text {

// Leading and trailing spaces removed (tabs and line breaks are kept).
std::string trim(std::string_view s);

// Split at every occurrence of sep. The empty text gives no item; two adjacent
// separators give an empty item.
std::vector<std::string> split(std::string_view s, std::string_view sep = ";");
std::string join(const std::vector<std::string>& items, std::string_view sep = ";");

// Full Unicode case mapping, locale-independent.
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);

// Byte offset in haystack of the first match of needle at or after byte offset `from`,
// ignoring case; npos when there is none. An empty needle matches at `from`.
std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
bool equalsNoCase(std::string_view a, std::string_view b);
bool containsNoCase(std::string_view haystack, std::string_view needle);
bool startsWithNoCase(std::string_view s, std::string_view prefix);

enum class Compare { Binary, Text };
// Every non-overlapping occurrence of `what`, left to right, replaced by `with`.
std::string replaceAll(std::string_view s, std::string_view what, std::string_view with,
                       Compare compare = Compare::Binary);

// The number a settings text holds: blanks around it allowed, an optional sign, digits
// with an optional decimal point and fraction, an optional exponent. Anything else is
// not a number.
std::optional<double> parseNumber(std::string_view s);
// The largest whole number not above the number the text holds (" 14 " -> 14,
// "7.9" -> 7, "-3.5" -> -4); nothing when the text is not a number or out of range.
std::optional<long long> wholeNumber(std::string_view s);

}  // namespace corvane::text
