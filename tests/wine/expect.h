#pragma once
// What the Wine checkers share: an expectation that does not hold is printed, and the
// checker then exits with 1.
#include <cstdio>

namespace wine_check {

inline int& Failures() {
    static int count = 0;
    return count;
}

inline void Expect(bool ok, const char* what) {
    if (ok) return;
    std::printf("FAILED: %s\n", what);
    ++Failures();
}

inline int ExitCode() { return Failures() == 0 ? 0 : 1; }

}  // namespace wine_check
