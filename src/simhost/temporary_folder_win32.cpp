#include <system_error>

#include "file_win32.h"
#include "temporary_folder.h"

namespace corvane::simhost {

std::filesystem::path CreateTemporaryFolder(const std::string& prefix) {
    wchar_t base[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, base);
    if (length == 0 || length > MAX_PATH)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "cannot find the folder for temporary files");
    for (int attempt = 0;; ++attempt) {
        const std::wstring name = std::wstring(prefix.begin(), prefix.end()) + detail::freshLetters();  // ASCII prefix
        std::filesystem::path folder = std::filesystem::path(base) / name;
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS || attempt == 100)
            throw std::system_error(static_cast<int>(error), std::system_category(),
                                    "cannot create a temporary profile folder");
    }
}

}  // namespace corvane::simhost
