// The parts of the text service that do not depend on the platform's Unicode tables.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "corvane/platform/text.h"

namespace corvane::text {

std::string trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> split(std::string_view s, std::string_view sep) {
    std::vector<std::string> items;
    if (s.empty()) return items;
    if (sep.empty()) {
        items.emplace_back(s);
        return items;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(sep, start);
        if (at == std::string_view::npos) {
            items.emplace_back(s.substr(start));
            return items;
        }
        items.emplace_back(s.substr(start, at - start));
        start = at + sep.size();
    }
}

std::string join(const std::vector<std::string>& items, std::string_view sep) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += sep;
        out += items[i];
    }
    return out;
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return findNoCase(haystack, needle) != std::string_view::npos;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return findNoCase(s, prefix) == 0 && equalsNoCase(s.substr(0, std::min(s.size(), prefix.size())), prefix);
}

std::string replaceAll(std::string_view s, std::string_view what, std::string_view with, Compare compare) {
    if (what.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    for (;;) {
        std::size_t at = compare == Compare::Binary ? s.find(what, pos) : findNoCase(s, what, pos);
        if (at == std::string_view::npos) break;
        out.append(s.substr(pos, at - pos));
        out.append(with);
        // A match found without regard to case may span a different number of bytes than
        // `what` (full case mapping); step over the matched source text.
        std::size_t len = what.size();
        if (compare == Compare::Text) {
            len = 0;
            while (at + len < s.size() && !equalsNoCase(s.substr(at, len), what)) ++len;
            if (len == 0) len = what.size();
        }
        pos = at + len;
    }
    out.append(s.substr(pos));
    return out;
}

std::optional<double> parseNumber(std::string_view s) {
    std::string t = trim(s);
    if (t.empty()) return std::nullopt;
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++exp;
        if (exp == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long long> wholeNumber(std::string_view s) {
    auto v = parseNumber(s);
    if (!v) return std::nullopt;
    double f = std::floor(*v);
    if (f < -9.2e18 || f > 9.2e18) return std::nullopt;
    return static_cast<long long>(f);
}

}  // namespace corvane::text
