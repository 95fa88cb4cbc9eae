#pragma once
// What simhost's Windows files share: Win32 failures as the errno values the POSIX files
// throw (so that callers tell "missing" or "denied" the same way on both), a file's stamp
// from its handle, and a handle kept as a C runtime descriptor in a FileHandle.
#include <windows.h>

#include <filesystem>
#include <string>

#include "corvane/platform/win32_handle.h"
#include "corvane/simhost/file_snapshot.h"

namespace corvane::simhost::detail {

// The path in UTF-8, for messages.
std::string nameOf(const std::filesystem::path& file);

// A std::system_error of the generic category: ENOENT for a missing file or folder,
// EACCES for a refusal, EIO otherwise.
[[noreturn]] void throwWin32(DWORD error, const std::string& what, const std::filesystem::path& file);

// Six letters or digits for a fresh file name; each call gives others.
std::wstring freshLetters();

FileStamp stampOfHandle(HANDLE handle, const std::filesystem::path& file);

// The FileHandle that owns `handle` from now on (closing it closes the handle).
FileHandle adoptHandle(HANDLE handle, const std::filesystem::path& file);

}  // namespace corvane::simhost::detail
