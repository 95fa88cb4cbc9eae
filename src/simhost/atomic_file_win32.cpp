#include <string>

#include "corvane/simhost/atomic_file.h"
#include "file_win32.h"
#include "temporary_file.h"

namespace corvane::simhost {

namespace {

// A temporary file beside `target` that no one else has opened: "<name>.tmp-" and six
// letters or digits, the first that is free.
HANDLE createTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
    const std::filesystem::path folder = detail::folderOf(target);
    for (int attempt = 0;; ++attempt) {
        temp = folder / (detail::temporaryPrefix(target) + detail::freshLetters());
        HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        const DWORD error = GetLastError();
        if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100)
            detail::throwWin32(error, "cannot create a temporary file for", target);
    }
}

}  // namespace

ReplacedFile replaceFileAtomically(const std::filesystem::path& target, std::string_view data) {
    std::filesystem::path temp;
    platform::Win32Handle h(createTemporary(target, temp));
    ReplacedFile replaced;
    try {
        if (!platform::WriteWhole(h.get(), data)) detail::throwWin32(GetLastError(), "cannot write", temp);
        if (!FlushFileBuffers(h.get())) detail::throwWin32(GetLastError(), "cannot flush", temp);
        h.close();
        // Taken from the closed temporary, no one else's yet: its times are final, and
        // moving it keeps them and its index.
        const auto stamp = stampOf(temp);
        if (!stamp) detail::throwWin32(ERROR_FILE_NOT_FOUND, "cannot look at", temp);
        replaced.stamp = *stamp;
        if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            detail::throwWin32(GetLastError(), "cannot replace", target);
    } catch (...) {
        h.close();
        DeleteFileW(temp.c_str());
        throw;
    }
    return replaced;
}

}  // namespace corvane::simhost
