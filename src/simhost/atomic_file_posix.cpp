#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "corvane/simhost/atomic_file.h"
#include "temporary_file.h"

namespace corvane::simhost {

namespace {

[[noreturn]] void throwReplaceErrno(int err, const std::string& what, const std::filesystem::path& file) {
    throw std::system_error(err, std::generic_category(), what + " " + file.string());
}

void writeAll(int fd, std::string_view data, const std::filesystem::path& file) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throwReplaceErrno(errno, "cannot write", file);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

void syncFolder(const std::filesystem::path& folder) {
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir || ::fsync(dir.fd()) != 0) throwReplaceErrno(errno, "cannot flush the folder", folder);
}

}  // namespace

ReplacedFile replaceFileAtomically(const std::filesystem::path& target, std::string_view data) {
    const std::filesystem::path folder = detail::folderOf(target);
    std::string temp = (folder / (detail::temporaryPrefix(target) + "XXXXXX")).string();
    FileHandle h(::mkostemp(temp.data(), O_CLOEXEC));
    if (!h) throwReplaceErrno(errno, "cannot create a temporary file for", target);

    try {
        struct stat old {};
        mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        if (::fchmod(h.fd(), mode) != 0) throwReplaceErrno(errno, "cannot set the permissions of", temp);
        writeAll(h.fd(), data, temp);
        if (::fsync(h.fd()) != 0) throwReplaceErrno(errno, "cannot flush", temp);
        if (::rename(temp.c_str(), target.c_str()) != 0) throwReplaceErrno(errno, "cannot replace", target);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(folder);
    ReplacedFile replaced;
    replaced.stamp = stampOf(h, target);
    replaced.handle = std::move(h);
    return replaced;
}

}  // namespace corvane::simhost
