#pragma once
// The ASCII fast paths of the text service, shared by every platform. Most text the
// checks search (subjects, bodies, address lists) is ASCII; it never reaches the
// platform's Unicode tables.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/text/text.h"

namespace corvane::text::ascii {

inline constexpr std::size_t npos = std::string_view::npos;

bool isAscii(std::string_view s);
// Maps ASCII letters and leaves every other byte as it is.
std::string upper(std::string_view s);
std::string lower(std::string_view s);
// Equal when the bytes are equal after mapping ASCII letters to one case.
bool equalsNoCase(std::string_view a, std::string_view b);
// Byte-wise search ignoring ASCII case, for any needle and any text, where the platform
// cannot read them as Unicode. Matches never cut a well-formed character in two.
void findAllBytesNoCase(std::string_view haystack, std::string_view needle, std::size_t base, std::size_t limit,
                        std::vector<Match>& out);

// Searches for one ASCII needle ignoring case and stops at the first non-ASCII byte,
// where full case folding could make a match that a byte comparison cannot see.
class NoCaseSearcher {
public:
    // needle: non-empty, ASCII.
    explicit NoCaseSearcher(std::string_view needle);

    struct Result {
        std::size_t match = npos;     // offset of the match found before any non-ASCII byte
        std::size_t nonAscii = npos;  // else the first non-ASCII byte at or after `from`
    };
    Result find(std::string_view haystack, std::size_t from) const;

private:
    bool matchesAt(const char* p) const;

    std::string lowered_;  // the needle with ASCII letters in lower case
    std::string caseBit_;  // 0x20 where the needle has a letter, else 0
};

}  // namespace corvane::text::ascii
