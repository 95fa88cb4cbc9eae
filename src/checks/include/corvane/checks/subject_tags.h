#pragma once
// basCorvane's subject helpers: collapsing repeated reply and forward prefixes ("RE: RE:
// FW: RE: Hello") and tidying the blanks after the first one. Blanks are spaces only.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::checks::basCorvane {

// Keeps the first occurrence of tag (ignoring case) and deletes every later one:
// "RE: RE: FW: RE: Hello" with "RE: " gives "RE: FW: Hello". A blank text gives "".
std::string MultipleRemove(std::string_view text, std::string_view tag);

// Strips the run of blanks right after the first blank: "RE:   Hello" gives "RE: Hello".
// A blank text gives "".
std::string TrimSpaceAfterFirstSpace(std::string_view text);

// When the text starts with "RE:" or "FW:" (exact case, whole word), drops the "RE:" and
// "FW:" words that follow it directly: "RE: FW: RE: Hello world" gives "RE: Hello world".
// A last word with no blank after it stays ("RE: FW:" is unchanged).
std::string RemoveLastTagIfMultipleTogether(std::string_view text);

// True when an element equals word exactly.
bool WordInArray(std::span<const std::string_view> list, std::string_view word);
bool WordInArray(std::span<const std::string> list, std::string_view word);

}  // namespace corvane::checks::basCorvane
