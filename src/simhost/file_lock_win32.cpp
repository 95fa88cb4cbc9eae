#include "corvane/simhost/file_lock.h"
#include "file_win32.h"

namespace corvane::simhost {

ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& lockFile) {
    HANDLE h = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) detail::throwWin32(GetLastError(), "cannot open the lock file", lockFile);
    handle_ = detail::adoptHandle(h, lockFile);
    OVERLAPPED whole{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        detail::throwWin32(GetLastError(), "cannot lock", lockFile);
}

}  // namespace corvane::simhost
