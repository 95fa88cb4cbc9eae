#pragma once
// A lock between processes on a lock file that is never removed (flock on POSIX, advisory;
// LockFileEx on Windows).
// Released when the holder ends its scope or its process dies, however it dies.
#include <filesystem>

#include "corvane/simhost/file_snapshot.h"

namespace corvane::simhost {

class ExclusiveFileLock {
public:
    // Blocks until the lock is held; creates the lock file when missing. Throws
    // std::system_error naming the file.
    explicit ExclusiveFileLock(const std::filesystem::path& lockFile);

private:
    FileHandle handle_;  // closing it releases the lock
};

}  // namespace corvane::simhost
