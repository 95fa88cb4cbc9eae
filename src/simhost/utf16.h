#pragma once
// The two encodings the registry files meet: UTF-8 (the files themselves, and every text
// the add-in hands the registry) and UTF-16LE (the raw data of string values as Windows
// stores them, which is what hex(1) and hex(2) data hold).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::simhost::utf {

// Well-formed UTF-8 (see text::validUtf8Length) as UTF-16LE bytes, without a terminating
// zero.
std::vector<std::uint8_t> toUtf16le(std::string_view utf8);

// UTF-16LE bytes as UTF-8; nothing for an odd byte count or an unpaired surrogate.
std::optional<std::string> fromUtf16le(const std::uint8_t* data, std::size_t size);

}  // namespace corvane::simhost::utf
