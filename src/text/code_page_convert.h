#pragma once
// What each platform's converter file (code_page_posix.cpp, code_page_win32.cpp) gives
// the portable conversions, for text that is not pure ASCII.
#include <optional>
#include <string>
#include <string_view>

namespace corvane::text::codepage {

std::optional<std::string> decode(std::string_view bytes, unsigned codePage);
std::optional<std::string> encode(std::string_view utf8, unsigned codePage);

}  // namespace corvane::text::codepage
