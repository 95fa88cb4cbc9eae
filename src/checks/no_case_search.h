#pragma once
// Finding and deleting a tag or spam mark in a subject without regard to case, in time
// linear in the subject's length (a subject may carry thousands of repeated prefixes).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::checks {

struct TextMatch {
    std::size_t at = 0;      // byte offset of the match
    std::size_t length = 0;  // bytes of the subject it covers (may differ from the tag's)
};

// The first match of `what` at or after byte offset `from`, ignoring case.
std::optional<TextMatch> FindNoCase(std::string_view s, std::string_view what, std::size_t from = 0);

// `s` with every non-overlapping match of `what` (left to right, ignoring case) deleted.
std::string RemoveAllNoCase(std::string_view s, std::string_view what);

bool IsAscii(std::string_view s);
// True for the empty text and a text of spaces only.
bool IsBlank(std::string_view s);

}  // namespace corvane::checks
