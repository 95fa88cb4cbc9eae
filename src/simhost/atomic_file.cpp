#include "corvane/simhost/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace corvane::simhost {

namespace {

// Temporaries are named "<target name>.tmp-XXXXXX" beside the target.
std::string temporaryPrefix(const std::filesystem::path& target) { return target.filename().string() + ".tmp-"; }

[[noreturn]] void throwErrno(int err, const std::string& what, const std::filesystem::path& file) {
    throw std::system_error(err, std::generic_category(), what + " " + file.string());
}

void writeAll(int fd, std::string_view data, const std::filesystem::path& file) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno(errno, "cannot write", file);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

void syncFolder(const std::filesystem::path& folder) {
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir || ::fsync(dir.fd()) != 0) throwErrno(errno, "cannot flush the folder", folder);
}

}  // namespace

FileHandle replaceFileAtomically(const std::filesystem::path& target, std::string_view data) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temp = (folder / (temporaryPrefix(target) + "XXXXXX")).string();
    FileHandle h(::mkostemp(temp.data(), O_CLOEXEC));
    if (!h) throwErrno(errno, "cannot create a temporary file for", target);

    try {
        struct stat old {};
        mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        if (::fchmod(h.fd(), mode) != 0) throwErrno(errno, "cannot set the permissions of", temp);
        writeAll(h.fd(), data, temp);
        if (::fsync(h.fd()) != 0) throwErrno(errno, "cannot flush", temp);
        if (::rename(temp.c_str(), target.c_str()) != 0) throwErrno(errno, "cannot replace", target);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(folder);
    return h;
}

void removeStaleTemporaries(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string prefix = temporaryPrefix(target);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace corvane::simhost
