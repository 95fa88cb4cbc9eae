// The searches that ignore case, held against plain definitions. Input: one byte choosing
// the offset to search from, the needle, a NUL, the text searched.
//
// On a character boundary `from`, a match found must start at or after it, lie on
// character boundaries, and cover text that equals the needle ignoring case; and it must
// be the first such text: on short texts every start and end is tried (brute force). On
// ASCII text the result must be exactly that of lower-casing both and a byte search.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "corvane/text/text.h"
#include "corvane/text/utf8.h"
#include "fuzz_support.h"

using namespace corvane;
using fuzz::check;

namespace {

// Longer texts are searched but not brute-forced, which costs time in the square of it.
constexpr std::size_t kBruteForceMax = 96;

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The first text at or after `from`, between character boundaries, that equals the needle
// ignoring case. Case folding maps a character to at most three characters of at most
// four bytes each, and never to nothing, which bounds the text tried at each start.
std::optional<text::Match> bruteForceFirst(std::string_view hay, std::string_view needle, std::size_t from) {
    const std::size_t longest = 12 * needle.size();
    for (std::size_t s = from; s < hay.size(); ++s) {
        if (!text::isCharBoundary(hay, s)) continue;
        for (std::size_t e = s + 1; e <= hay.size() && e - s <= longest; ++e)
            if (text::isCharBoundary(hay, e) && text::equalsNoCase(hay.substr(s, e - s), needle))
                return text::Match{s, e - s};
    }
    return std::nullopt;
}

void checkMatch(std::string_view hay, std::string_view needle, std::size_t from, const text::Match& m) {
    check(m.pos >= from && m.len > 0 && m.pos + m.len <= hay.size(), "a match lies in the text, at or after from");
    check(text::isCharBoundary(hay, m.pos) && text::isCharBoundary(hay, m.pos + m.len),
          "a match covers whole characters");
    check(text::equalsNoCase(hay.substr(m.pos, m.len), needle), "a match equals the needle ignoring case");
}

void checkFirst(std::string_view hay, std::string_view needle, std::size_t from) {
    const auto m = text::findNoCaseSpan(hay, needle, from);
    if (from > hay.size()) return check(!m, "nothing is found from beyond the text");
    if (needle.empty()) return check(m == text::Match{from, 0}, "an empty needle matches at from");
    if (!text::isCharBoundary(hay, from)) return;
    if (m) checkMatch(hay, needle, from, *m);
    if (isAscii(hay) && isAscii(needle)) {
        const std::size_t at = asciiLower(hay).find(asciiLower(needle), from);
        check(m ? m->pos == at && m->len == needle.size() : at == std::string::npos,
              "on ASCII text the search is a byte search of the lower-cased texts");
    }
    if (hay.size() <= kBruteForceMax) check(m == bruteForceFirst(hay, needle, from), "the first match is found");
}

void checkAll(std::string_view hay, std::string_view needle) {
    const std::vector<text::Match> all = text::findAllNoCase(hay, needle);
    if (needle.empty()) return check(all.empty(), "an empty needle has no matches");
    std::vector<text::Match> chained;
    for (auto m = text::findNoCaseSpan(hay, needle); m; m = text::findNoCaseSpan(hay, needle, m->pos + m->len))
        chained.push_back(*m);
    check(all == chained, "every match is each first match after the one before");
    const bool atStart = !all.empty() && all.front().pos == 0;
    check(text::startsWithNoCase(hay, needle) == atStart, "a text starts with the needle when it matches there");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto [needle, hay] = fuzz::splitAtNul(fuzz::asText(data + 1, size - 1));
    checkFirst(hay, needle, data[0] % (hay.size() + 2));
    checkAll(hay, needle);
    return 0;
}
