#pragma once
// What the fuzz targets share: the input as text, split into parts, and the check that
// stops the run with a message when a reader breaks its promise.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace corvane::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The text before the first NUL and the text after it (all of it, and nothing, when there
// is no NUL).
inline std::pair<std::string_view, std::string_view> splitAtNul(std::string_view s) {
    const std::size_t nul = s.find('\0');
    if (nul == std::string_view::npos) return {s, {}};
    return {s.substr(0, nul), s.substr(nul + 1)};
}

// A broken promise: libFuzzer reports the abort as a crash and keeps the input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what) {
    if (!ok) fail(what);
}

}  // namespace corvane::fuzz
