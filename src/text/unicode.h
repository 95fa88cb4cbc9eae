#pragma once
// What each platform's Unicode file (unicode_posix.cpp, unicode_win32.cpp) provides to the
// portable text service. Called only for text that the ASCII fast paths cannot decide.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/text/text.h"

namespace corvane::text::unicode {

std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
// Appends to `out` the non-overlapping matches of needle (not empty) in haystack that
// ignore case, left to right, at most `limit` of them, with `base` added to every offset.
void findAllNoCase(std::string_view haystack, std::string_view needle, std::size_t base, std::size_t limit,
                   std::vector<Match>& out);

}  // namespace corvane::text::unicode
