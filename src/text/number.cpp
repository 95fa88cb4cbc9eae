// Reading numbers from settings text.
//
// The classic test "is this numeric" accepted more than the settings need; what is kept:
// - "+5", ".5", "5." and "1e3": plain decimal forms any hand-edited value may use.
// - "&H" with one to eight hexadecimal digits: the machine-wide preset turns a DWORD into
//   exactly this text ("&H0000000E"), so an administrator's DWORD count of 14 reads as 14.
//   As in the classic reading, four digits or fewer form a signed 16-bit value ("&HFFFF"
//   is -1) and five to eight a signed 32-bit value ("&HFFFFFFFF" is -1).
// What is refused: "&O" octal, thousands separators, currency signs, parentheses and
// trailing signs, which the classic test took from the user's locale and no setting uses;
// blanks other than spaces; a decimal comma. The decimal point is always ".", whatever
// the process locale says.
#include <charconv>
#include <cmath>
#include <cstdint>

#include "corvane/text/text.h"

namespace corvane::text {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<double> parseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : digits) {
        const int h = hexValue(c);
        if (h < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(h);
    }
    if (digits.size() <= 4) return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(v));
}

// sign? digits? ("." digits?)? (e sign? digits)? with at least one digit in the mantissa.
bool isDecimal(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponent = 0;
        while (i < t.size() && isDigit(t[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == t.size();
}

}  // namespace

std::optional<double> parseNumber(std::string_view s) {
    const std::string t = trim(s);
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) return parseHex(std::string_view(t).substr(2));
    if (!isDecimal(t)) return std::nullopt;
    // from_chars takes no leading "+" and ignores the locale.
    std::string_view digits = t;
    if (digits.front() == '+') digits.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long long> wholeNumber(std::string_view s) {
    const auto v = parseNumber(s);
    if (!v) return std::nullopt;
    const double f = std::floor(*v);
    // The largest doubles below 2^63 in magnitude; beyond them the cast would overflow.
    if (f < -9.2e18 || f > 9.2e18) return std::nullopt;
    return static_cast<long long>(f);
}

}  // namespace corvane::text
