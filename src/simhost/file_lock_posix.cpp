#include "corvane/simhost/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <system_error>

namespace corvane::simhost {

ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& lockFile)
    : handle_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (!handle_)
        throw std::system_error(errno, std::generic_category(), "cannot open the lock file " + lockFile.string());
    while (::flock(handle_.fd(), LOCK_EX) != 0) {
        if (errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "cannot lock " + lockFile.string());
    }
}

}  // namespace corvane::simhost
