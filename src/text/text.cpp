// The portable part of the text service: blanks, lists, and the choice between the ASCII
// fast paths and the platform's Unicode tables.
#include <algorithm>

#include "ascii.h"
#include "corvane/text/text.h"
#include "unicode.h"

namespace corvane::text {

namespace {

constexpr std::size_t kAll = static_cast<std::size_t>(-1);

// Matches of a non-empty needle from `from` on, at most `limit`.
std::vector<Match> collectNoCase(std::string_view haystack, std::string_view needle, std::size_t from,
                                 std::size_t limit) {
    std::vector<Match> out;
    if (!ascii::isAscii(needle)) {
        unicode::findAllNoCase(haystack.substr(from), needle, from, limit, out);
        return out;
    }
    const ascii::NoCaseSearcher searcher(needle);
    std::size_t pos = from;
    while (out.size() < limit) {
        const auto r = searcher.find(haystack, pos);
        if (r.match != ascii::npos) {
            out.push_back({r.match, needle.size()});
            pos = r.match + needle.size();
            continue;
        }
        if (r.nonAscii == ascii::npos) break;
        // A match found byte-wise before the first non-ASCII character is also the first
        // match by the Unicode rules. From here on the platform decides; a match may begin
        // up to needle.size() - 1 ASCII bytes before that character.
        const std::size_t back = std::min(r.nonAscii - pos, needle.size() - 1);
        const std::size_t start = r.nonAscii - back;
        unicode::findAllNoCase(haystack.substr(start), needle, start, limit - out.size(), out);
        break;
    }
    return out;
}

}  // namespace

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
        const std::size_t at = s.find(sep, start);
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

std::string toUpper(std::string_view s) { return ascii::isAscii(s) ? ascii::upper(s) : unicode::toUpper(s); }

std::string toLower(std::string_view s) { return ascii::isAscii(s) ? ascii::lower(s) : unicode::toLower(s); }

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (ascii::isAscii(a) && ascii::isAscii(b)) return ascii::equalsNoCase(a, b);
    return unicode::equalsNoCase(a, b);
}

std::optional<Match> findNoCaseSpan(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (from > haystack.size()) return std::nullopt;
    if (needle.empty()) return Match{from, 0};
    auto found = collectNoCase(haystack, needle, from, 1);
    if (found.empty()) return std::nullopt;
    return found.front();
}

std::vector<Match> findAllNoCase(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) return {};
    return collectNoCase(haystack, needle, 0, kAll);
}

std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    const auto m = findNoCaseSpan(haystack, needle, from);
    return m ? m->pos : std::string_view::npos;
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return findNoCaseSpan(haystack, needle).has_value();
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (ascii::isAscii(prefix) && ascii::isAscii(s.substr(0, prefix.size())))
        return ascii::equalsNoCase(s.substr(0, prefix.size()), prefix);
    const auto m = findNoCaseSpan(s, prefix);
    return m && m->pos == 0;
}

std::string replaceAll(std::string_view s, std::string_view what, std::string_view with, Compare compare) {
    if (what.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    if (compare == Compare::Binary) {
        for (std::size_t at = s.find(what); at != std::string_view::npos; at = s.find(what, pos)) {
            out.append(s.substr(pos, at - pos)).append(with);
            pos = at + what.size();
        }
    } else {
        for (const Match& m : findAllNoCase(s, what)) {
            out.append(s.substr(pos, m.pos - pos)).append(with);
            pos = m.pos + m.len;
        }
    }
    out.append(s.substr(pos));
    return out;
}

}  // namespace corvane::text
