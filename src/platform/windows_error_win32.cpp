#include "windows_error.h"

#include <windows.h>

#include <string>

#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::platform {

void ThrowWindowsError(std::uint32_t code) {
    wchar_t* message = nullptr;
    const DWORD size = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string description = size > 0 ? text::Utf8FromWide({message, size}) : std::string();
    LocalFree(message);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) description.pop_back();
    throw PlatformError(static_cast<std::int32_t>(code), description);
}

}  // namespace corvane::platform
