#pragma once
// Text in a Windows code page (the ANSI code page of files such as the settings file) to
// and from UTF-8. ICU's converters on Linux, MultiByteToWideChar and WideCharToMultiByte
// on Windows; both map the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) to the control characters of the same number, and neither guesses a
// look-alike for a character the code page lacks.
#include <optional>
#include <string>
#include <string_view>

namespace corvane::text {

// The ANSI code page of Western European Windows.
inline constexpr unsigned WesternEuropeanCodePage = 1252;

// The text of `bytes` in code page `codePage`, as UTF-8. Nothing when a byte sequence is
// no character of that code page (a lead byte without its trail byte) or the code page is
// not known. Pure ASCII comes back unchanged.
std::optional<std::string> fromCodePage(std::string_view bytes, unsigned codePage);

// UTF-8 text in code page `codePage`: each character the code page lacks, and each
// ill-formed UTF-8 sequence, becomes "?". Nothing when the code page is not known. Pure
// ASCII comes back unchanged.
std::optional<std::string> toCodePage(std::string_view utf8, unsigned codePage);

}  // namespace corvane::text
