#pragma once
// What the Wine check programs share: an expectation that does not hold is printed and
// counted; the program's exit code is ExitCode().
#include <cstdio>
#include <string>

namespace corvane::winecheck {

inline int failures = 0;

inline void Expect(bool ok, const std::string& what) {
    if (ok) return;
    std::printf("FAILED: %s\n", what.c_str());
    ++failures;
}

inline int ExitCode() { return failures == 0 ? 0 : 1; }

}  // namespace corvane::winecheck
