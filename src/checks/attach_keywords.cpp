#include <algorithm>
#include <cstdint>
#include <utility>

#include "corvane/checks/attach_missing.h"
#include "corvane/text/text.h"
#include "word_bytes.h"

namespace corvane::checks::basCorvane {

namespace {

namespace wb = word_bytes;

// The keywords worth searching for: where one keyword contains another ("ATTACHED" holds
// "ATTACH"), finding the shorter one answers for both.
std::vector<std::string> essentialKeywords(std::vector<std::string> keywords) {
    std::sort(keywords.begin(), keywords.end(),
              [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    std::vector<std::string> kept;
    for (auto& k : keywords) {
        const bool covered = std::any_of(kept.begin(), kept.end(), [&](const std::string& shorter) {
            return k.find(shorter) != std::string::npos;
        });
        if (!covered) kept.push_back(std::move(k));
    }
    return kept;
}

// How often a byte turns up in upper-cased mail text, as a rough score: letters ranked by
// their frequency in English, blanks above all, digits and other bytes below the letters.
int commonness(char c) {
    static constexpr std::string_view byFrequency = "ETAOINSHRDLCUMWFGYPBVKJXQZ";
    if (c == ' ') return 200;
    if (c == '\r' || c == '\n') return 30;
    const std::size_t rank = byFrequency.find(c);
    if (rank != std::string_view::npos) return 130 - 5 * static_cast<int>(rank);
    return (c >= '0' && c <= '9') || c == '.' || c == ',' ? 15 : 5;
}

// The two places in the keyword whose bytes are least common: candidates are the starting
// positions where both are in place, and the rarer they are the fewer need a full
// comparison ("ENCLOSE" is filtered on "C" and "L", not on its two "E"s).
struct Filter {
    std::size_t first;
    std::size_t second;
};

Filter rareBytes(std::string_view keyword) {
    Filter f{0, keyword.size() - 1};
    if (commonness(keyword[f.second]) < commonness(keyword[f.first])) std::swap(f.first, f.second);
    for (std::size_t k = 1; k + 1 < keyword.size(); ++k) {
        if (commonness(keyword[k]) < commonness(keyword[f.first])) {
            f.second = f.first;
            f.first = k;
        } else if (commonness(keyword[k]) < commonness(keyword[f.second])) {
            f.second = k;
        }
    }
    return f;
}

// Keywords that begin alike ("ENCLOSE", "ENCLOSING") are looked for in one pass over the
// text: the pass finds their shared beginning and then compares each of them.
struct KeywordGroup {
    std::string_view prefix;
    std::vector<std::string_view> keywords;
};

std::vector<KeywordGroup> groupByPrefix(std::vector<std::string>& keywords) {
    constexpr std::size_t shortestShared = 4;  // shorter beginnings find too many candidates
    std::sort(keywords.begin(), keywords.end());
    std::vector<KeywordGroup> groups;
    for (const auto& k : keywords) {
        if (!groups.empty()) {
            KeywordGroup& g = groups.back();
            const auto differ = std::mismatch(g.prefix.begin(), g.prefix.end(), k.begin(), k.end()).first;
            const auto shared = static_cast<std::size_t>(differ - g.prefix.begin());
            if (shared >= shortestShared) {
                g.prefix = g.prefix.substr(0, shared);
                g.keywords.push_back(k);
                continue;
            }
        }
        groups.push_back({k, {k}});
    }
    return groups;
}

bool anyAt(std::string_view text, std::size_t at, const KeywordGroup& group) {
    return std::any_of(group.keywords.begin(), group.keywords.end(),
                       [&](std::string_view k) { return text.substr(at, k.size()) == k; });
}

// One group's pass, eight starting positions at a time. A tight loop per group beats one
// loop over all keywords.
bool contains(std::string_view text, const KeywordGroup& group) {
    const std::string_view prefix = group.prefix;
    const Filter f = rareBytes(prefix);
    const std::uint64_t firstByte = wb::broadcast(prefix[f.first]);
    const std::uint64_t secondByte = wb::broadcast(prefix[f.second]);
    std::size_t i = 0;
    for (; i + prefix.size() + 7 <= text.size(); i += 8) {
        const char* at = text.data() + i;
        std::uint64_t candidates = wb::zeroBytes(wb::load(at + f.first) ^ firstByte) &
                                   wb::zeroBytes(wb::load(at + f.second) ^ secondByte);
        for (; candidates != 0; candidates &= candidates - 1)
            if (anyAt(text, i + static_cast<std::size_t>(wb::lowestByte(candidates)), group)) return true;
    }
    // The last few positions, where a word load would run past the end.
    for (; i < text.size(); ++i)
        if (anyAt(text, i, group)) return true;
    return false;
}

}  // namespace

bool ContainsAttachKeyword(std::string_view text, std::string_view attachKeyWords) {
    std::vector<std::string> keywords;
    for (const auto& k : text::split(attachKeyWords, ";")) {
        if (k.empty()) return true;  // the empty keyword occurs in every text
        keywords.push_back(text::toUpper(k));
    }
    std::vector<std::string> essential = essentialKeywords(std::move(keywords));
    const std::vector<KeywordGroup> groups = groupByPrefix(essential);
    return std::any_of(groups.begin(), groups.end(), [&](const KeywordGroup& g) { return contains(text, g); });
}

}  // namespace corvane::checks::basCorvane
