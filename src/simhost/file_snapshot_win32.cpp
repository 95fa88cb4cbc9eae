// Files through the Win32 API with wide paths. A file is opened letting others read, write,
// delete and rename it, so that a reader never stands in a writer's way; a snapshot's file
// is closed once read.
#include <io.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "file_win32.h"

namespace corvane::simhost {

namespace detail {

std::string nameOf(const std::filesystem::path& file) {
    const std::u8string name = file.u8string();
    return {name.begin(), name.end()};
}

void throwWin32(DWORD error, const std::string& what, const std::filesystem::path& file) {
    int err = EIO;
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH: err = ENOENT; break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT: err = EACCES; break;
        default: break;
    }
    throw std::system_error(err, std::generic_category(), what + " " + nameOf(file));
}

std::wstring freshLetters() {
    static constexpr wchar_t Letters[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    static std::atomic<std::uint32_t> state{GetCurrentProcessId() * 7919U + GetTickCount()};
    std::uint32_t v = state.fetch_add(2654435761U) * 1103515245U + 12345U;
    std::wstring letters;
    for (int i = 0; i < 6; ++i, v /= 36) letters += Letters[v % 36];
    return letters;
}

FileStamp stampOfHandle(HANDLE handle, const std::filesystem::path& file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) throwWin32(GetLastError(), "cannot look at", file);
    const auto wide = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    FileStamp s;
    s.device = info.dwVolumeSerialNumber;
    s.inode = wide(info.nFileIndexHigh, info.nFileIndexLow);
    s.size = static_cast<std::int64_t>(wide(info.nFileSizeHigh, info.nFileSizeLow));
    s.modifiedNs =
        static_cast<std::int64_t>(wide(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)) * 100;
    return s;
}

FileHandle adoptHandle(HANDLE handle, const std::filesystem::path& file) {
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), 0);
    if (fd < 0) {
        CloseHandle(handle);
        throw std::system_error(EMFILE, std::generic_category(), "cannot keep open " + nameOf(file));
    }
    return FileHandle(fd);
}

}  // namespace detail

namespace {

// The file opened for `access`; nothing when it (or its folder) is missing.
std::optional<platform::Win32Handle> openExisting(const std::filesystem::path& file, DWORD access, const char* what) {
    platform::Win32Handle h(CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (h.valid()) return h;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    detail::throwWin32(error, what, file);
}

}  // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) _close(fd_);
        fd_ = other.release();
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) _close(fd_);
}

int FileHandle::release() noexcept {
    int fd = fd_;
    fd_ = -1;
    return fd;
}

std::optional<FileStamp> stampOf(const std::filesystem::path& file) {
    const auto h = openExisting(file, FILE_READ_ATTRIBUTES, "cannot look at");
    if (!h) return std::nullopt;
    return detail::stampOfHandle(h->get(), file);
}

FileStamp stampOf(const FileHandle& open, const std::filesystem::path& file) {
    return detail::stampOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(open.fd())), file);
}

std::optional<FileSnapshot> readSnapshot(const std::filesystem::path& file) {
    const auto h = openExisting(file, GENERIC_READ, "cannot open");
    if (!h) return std::nullopt;
    FileSnapshot snap;
    snap.stamp = detail::stampOfHandle(h->get(), file);
    if (!platform::ReadWhole(h->get(), snap.data)) detail::throwWin32(GetLastError(), "cannot read", file);
    return snap;
}

}  // namespace corvane::simhost
