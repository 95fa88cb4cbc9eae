#pragma once
// Unicode text on UTF-8 strings, with the semantics the add-in's checks rely on: blanks
// are spaces only (as the classic Trim), lists are items joined by ";", and comparisons
// that ignore case treat "straße" and "STRASSE" as equal.
//
// Case mapping and comparison come from the platform's Unicode tables: ICU on Linux, the
// NLS functions of Windows. Both agree on ASCII, on accented and non-Latin capitals, on
// "ß" matching "ss", on "ς", "σ" and "Σ" matching, and on leaving text that is not valid
// UTF-8 as it is. They differ where Windows has no equivalent:
//   toUpper    ICU maps one letter to several ("ß" -> "SS"); Windows keeps "ß".
//   toLower    ICU writes a word-final capital sigma as "ς"; Windows always as "σ".
//   equalsNoCase / findNoCase
//              ICU compares full case folding; Windows compares linguistically ignoring
//              case, so it also equates canonically equivalent forms ("é" precomposed and
//              decomposed) and skips characters its tables ignore (soft hyphen). A
//              needle, or for equalsNoCase either text, that is not valid UTF-8 is
//              compared byte-wise on Windows, ignoring ASCII case only.
// Pure ASCII input never reaches the platform tables: it is handled by fast paths with
// identical results on both.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::text {

// The line break of Windows texts: message boxes, message bodies, settings files.
inline constexpr const char* CrLf = "\r\n";

// Leading and trailing spaces removed (tabs and line breaks are kept).
std::string trim(std::string_view s);

// Split at every occurrence of sep. The empty text gives no item; two adjacent
// separators give an empty item, and so does a trailing separator.
std::vector<std::string> split(std::string_view s, std::string_view sep = ";");
std::string join(const std::vector<std::string>& items, std::string_view sep = ";");

// Case mapping, locale-independent.
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);

// A match of a search that ignores case: its byte offset and byte length in the searched
// text. The length can differ from the needle's ("STRASSE" matches "ß" with length 2,
// "ẞ" matches "ss" with length 3), so callers that cut or replace use `len`.
struct Match {
    std::size_t pos = 0;
    std::size_t len = 0;
    friend bool operator==(const Match&, const Match&) = default;
};

// The first match of needle ignoring case that starts at or after byte offset `from`; a
// match always covers whole characters ("s" is not found inside "ß"). An empty needle
// matches at `from` with length 0; nothing when `from` lies beyond the text.
std::optional<Match> findNoCaseSpan(std::string_view haystack, std::string_view needle, std::size_t from = 0);
// Every non-overlapping match ignoring case, left to right. None for an empty needle.
std::vector<Match> findAllNoCase(std::string_view haystack, std::string_view needle);
// The byte offset of findNoCaseSpan, or npos.
std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
bool equalsNoCase(std::string_view a, std::string_view b);
bool containsNoCase(std::string_view haystack, std::string_view needle);
bool startsWithNoCase(std::string_view s, std::string_view prefix);

enum class Compare { Binary, Text };
// Every non-overlapping occurrence of `what`, left to right, replaced by `with`. Text
// ignores case as findAllNoCase does and replaces the matched source text. An empty
// `what` leaves the text as it is.
std::string replaceAll(std::string_view s, std::string_view what, std::string_view with,
                       Compare compare = Compare::Binary);

// The number a settings text holds: spaces around it allowed; an optional sign, digits
// with an optional decimal point and fraction (at least one digit: "5." and ".5" count),
// an optional exponent ("1e3"); or "&H" and one to eight hexadecimal digits, the form the
// machine-wide preset gives a DWORD. Anything else is not a number (see text_number.cpp).
std::optional<double> parseNumber(std::string_view s);
// The largest whole number not above the number the text holds (" 14 " -> 14,
// "7.9" -> 7, "-3.5" -> -4); nothing when the text is not a number or out of range.
std::optional<long long> wholeNumber(std::string_view s);

}  // namespace corvane::text
