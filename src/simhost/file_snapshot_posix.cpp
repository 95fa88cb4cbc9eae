#include "corvane/simhost/file_snapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace corvane::simhost {

namespace {

[[noreturn]] void throwErrno(const std::string& what, const std::filesystem::path& file) {
    throw std::system_error(errno, std::generic_category(), what + " " + file.string());
}

FileStamp toStamp(const struct stat& st) {
    FileStamp s;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::int64_t>(st.st_size);
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

}  // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
}

int FileHandle::release() noexcept {
    int fd = fd_;
    fd_ = -1;
    return fd;
}

std::optional<FileStamp> stampOf(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throwErrno("cannot look at", file);
    }
    return toStamp(st);
}

FileStamp stampOf(const FileHandle& open, const std::filesystem::path& file) {
    struct stat st {};
    if (::fstat(open.fd(), &st) != 0) throwErrno("cannot look at", file);
    return toStamp(st);
}

std::optional<FileSnapshot> readSnapshot(const std::filesystem::path& file) {
    FileHandle h(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!h) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throwErrno("cannot open", file);
    }
    FileSnapshot snap;
    snap.stamp = stampOf(h, file);
    snap.data.resize(static_cast<std::size_t>(snap.stamp.size));
    std::size_t got = 0;
    for (;;) {
        if (got == snap.data.size()) snap.data.resize(got + 4096 + got / 2);  // grew meanwhile
        ssize_t n = ::read(h.fd(), snap.data.data() + got, snap.data.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno("cannot read", file);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    snap.data.resize(got);
    snap.handle = std::move(h);
    return snap;
}

}  // namespace corvane::simhost
