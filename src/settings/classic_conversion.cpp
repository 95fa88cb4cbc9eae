#include "corvane/settings/classic_conversion.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/text.h"

namespace corvane::settings {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H..." or "&O..." (prefix letter in either case); the digits must fill the rest.
std::optional<double> radixNumber(const std::string& t) {
    if (t.size() < 3 || t[0] != '&') return std::nullopt;
    int radix = 0;
    if (t[1] == 'H' || t[1] == 'h') radix = 16;
    if (t[1] == 'O' || t[1] == 'o') radix = 8;
    if (radix == 0) return std::nullopt;
    std::uint64_t v = 0;
    for (std::size_t i = 2; i < t.size(); ++i) {
        int d = digitValue(t[i]);
        if (d >= radix) return std::nullopt;
        v = v * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

}  // namespace

std::optional<double> classicNumber(std::string_view text) {
    if (auto v = text::parseNumber(text)) return v;
    return radixNumber(text::trim(text));
}

std::optional<long long> classicWholeNumber(std::string_view text) {
    if (auto v = text::wholeNumber(text)) return v;
    if (auto v = radixNumber(text::trim(text))) return static_cast<long long>(std::floor(*v));
    return std::nullopt;
}

bool classicBoolean(std::string_view text) {
    const std::string t = text::trim(text);
    if (text::equalsNoCase(t, "True")) return true;
    if (text::equalsNoCase(t, "False")) return false;
    if (auto v = classicNumber(t)) return *v != 0.0;
    throw platform::PlatformError(13, "Type mismatch");
}

}  // namespace corvane::settings
