// Files through the Win32 API, wide paths throughout.
#include <windows.h>

#include <string>

#include "corvane/platform/system_file_system.h"
#include "corvane/platform/win32_handle.h"
#include "corvane/text/wide.h"
#include "windows_error.h"

namespace corvane::platform {
namespace {

[[noreturn]] void ThrowLastFileError() { ThrowWindowsError(GetLastError()); }

// Creates a temporary file beside `target` that no one else has opened: the first free
// "<target>.tmp-<n>".
Win32Handle CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    const DWORD seed = GetCurrentProcessId() * 7919U + GetTickCount();
    for (DWORD attempt = 0;; ++attempt) {
        temporary = target + L".tmp-" + std::to_wstring(seed + attempt);
        Win32Handle h(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (h.valid()) return h;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS || attempt == 100) ThrowWindowsError(error);
    }
}

void WriteAll(HANDLE file, std::string_view data) {
    if (!WriteWhole(file, data)) ThrowLastFileError();
}

// The temporary file's content in the target's place.
void PutInPlace(const std::wstring& temporary, const std::wstring& target) {
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return;
    DWORD error = GetLastError();
    // No file to replace (or it went in the meantime): the temporary one becomes it.
    if (error == ERROR_FILE_NOT_FOUND) {
        if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
        error = GetLastError();
    }
    ThrowWindowsError(error);
}

}  // namespace

std::optional<std::string> SystemFileSystem::readFile(std::string_view path) {
    Win32Handle file(CreateFileW(text::WideFromUtf8(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        ThrowWindowsError(error);
    }
    std::string content;
    if (!ReadWhole(file.get(), content)) ThrowLastFileError();
    return content;
}

void SystemFileSystem::writeFile(std::string_view path, std::string_view data) {
    const std::wstring target = text::WideFromUtf8(path);
    std::wstring temporary;
    Win32Handle file = CreateTemporaryBeside(target, temporary);
    try {
        WriteAll(file.get(), data);
        if (!FlushFileBuffers(file.get())) ThrowLastFileError();
        file.close();
        PutInPlace(temporary, target);
    } catch (...) {
        file.close();
        DeleteFileW(temporary.c_str());
        throw;
    }
}

bool SystemFileSystem::fileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(text::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void SystemFileSystem::removeFile(std::string_view path) {
    if (!DeleteFileW(text::WideFromUtf8(path).c_str())) ThrowLastFileError();
}

}  // namespace corvane::platform
