#include "no_case_search.h"

#include <algorithm>

#include "corvane/text/text.h"

namespace corvane::checks {

namespace {

constexpr std::size_t npos = std::string_view::npos;

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool startsCharacter(std::string_view s, std::size_t i) {
    return i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
}

// The start of the character holding byte i. A character has at most four bytes; a longer
// run of continuation bytes is not text, and stepping back over all of it would take the
// search back behind where it started.
std::size_t alignBack(std::string_view s, std::size_t i) {
    for (int back = 0; back < 3 && i > 0 && !startsCharacter(s, i); ++back) --i;
    return i;
}

std::size_t nextCharacter(std::string_view s, std::size_t i) {
    ++i;
    while (!startsCharacter(s, i)) ++i;
    return i;
}

std::optional<TextMatch> findAscii(std::string_view s, std::string_view what, std::size_t from) {
    const char lo = lowerAscii(what[0]);
    const char up = upperAscii(what[0]);
    for (std::size_t i = from; i + what.size() <= s.size(); ++i) {
        if (s[i] != lo && s[i] != up) continue;
        std::size_t k = 1;
        while (k < what.size() && lowerAscii(s[i + k]) == lowerAscii(what[k])) ++k;
        if (k == what.size()) return TextMatch{i, what.size()};
    }
    return std::nullopt;
}

// With full case mapping a match may cover more or fewer bytes than the tag ("ß" against
// "SS"). Each character folds to at least one, and at most three, characters of at most
// four bytes, which bounds the bytes a match can cover.
std::size_t longestMatch(std::string_view what) { return 12 * what.size(); }

// The bytes at `at` that equal `what` ignoring case; nothing when the search hit only
// part of a character's folding ("s" inside "ß").
std::optional<std::size_t> matchLength(std::string_view s, std::size_t at, std::string_view what) {
    const std::size_t same = at + what.size();
    if (same <= s.size() && startsCharacter(s, same) && text::equalsNoCase(s.substr(at, what.size()), what))
        return what.size();
    const std::size_t limit = std::min(s.size(), at + longestMatch(what));
    for (std::size_t end = nextCharacter(s, at); end <= limit; end = nextCharacter(s, end)) {
        if (text::equalsNoCase(s.substr(at, end - at), what)) return end - at;
        if (end == s.size()) break;
    }
    return std::nullopt;
}

// Searches windows of growing size, so that each step costs in proportion to the text it
// passes over, whatever the text service's own cost for a long haystack.
std::optional<TextMatch> findUnicode(std::string_view s, std::string_view what, std::size_t from) {
    const std::size_t span = longestMatch(what);
    std::size_t window = 2 * span + 16;
    std::size_t pos = from;
    while (pos < s.size()) {
        const bool last = s.size() - pos <= window;
        const std::size_t end = last ? s.size() : alignBack(s, pos + window);
        // A match starting before safeEnd lies wholly inside the window, so it is also the
        // first one in the whole text.
        const std::size_t safeEnd = last ? s.size() : end - span;
        const std::string_view part = s.substr(pos, end - pos);
        std::size_t at = text::findNoCase(part, what);
        while (at != npos && pos + at < safeEnd) {
            if (auto len = matchLength(s, pos + at, what)) return TextMatch{pos + at, *len};
            at = text::findNoCase(part, what, nextCharacter(part, at));
        }
        if (last) break;
        pos = alignBack(s, safeEnd);
        window = std::min<std::size_t>(window * 2, std::size_t{1} << 20);
    }
    return std::nullopt;
}

std::optional<TextMatch> find(std::string_view s, std::string_view what, std::size_t from, bool ascii) {
    if (what.empty()) return from <= s.size() ? std::optional<TextMatch>(TextMatch{from, 0}) : std::nullopt;
    return ascii ? findAscii(s, what, from) : findUnicode(s, what, from);
}

}  // namespace

bool IsAscii(std::string_view s) {
    unsigned char any = 0;
    for (char c : s) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

bool IsBlank(std::string_view s) {
    return s.find_first_not_of(' ') == npos;
}

std::optional<TextMatch> FindNoCase(std::string_view s, std::string_view what, std::size_t from) {
    if (from > s.size()) return std::nullopt;
    return find(s, what, from, IsAscii(what) && IsAscii(s.substr(from)));
}

std::string RemoveAllNoCase(std::string_view s, std::string_view what) {
    if (what.empty()) return std::string(s);
    const bool ascii = IsAscii(what) && IsAscii(s);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (auto m = find(s, what, pos, ascii)) {
        out.append(s.substr(pos, m->at - pos));
        pos = m->at + m->length;
    }
    out.append(s.substr(pos));
    return out;
}

}  // namespace corvane::checks
