#pragma once
// Windows only: a Windows error number as the seams' failure, for the platform's Windows
// files.
#include <cstdint>

namespace corvane::platform {

// Throws PlatformError{code, the system's text for it (FormatMessageW, without its line
// break)}; `code` is the Windows error number (GetLastError, a registry status).
[[noreturn]] void ThrowWindowsError(std::uint32_t code);

}  // namespace corvane::platform
