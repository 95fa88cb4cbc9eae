#pragma once
// Reading a whole file together with the identity of what was read, so that a reader can
// tell cheaply whether the file has been replaced since. Files here are only ever replaced
// whole (atomic_file.h), so a file's identity (device and inode; on Windows the volume's
// serial number and the file index) changes with every write; size and times catch a hand
// edit in place.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane::simhost {

// An open file descriptor (on Windows a C runtime descriptor over the file's handle),
// closed on destruction.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int fd() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() noexcept;

private:
    int fd_ = -1;
};

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;  // 0 on Windows
    bool operator==(const FileStamp&) const = default;
};

// Both throw std::system_error (an errno value, generic category) naming the file for any
// failure other than "missing".
std::optional<FileStamp> stampOf(const std::filesystem::path& file);
FileStamp stampOf(const FileHandle& open, const std::filesystem::path& file);

struct FileSnapshot {
    std::string data;
    FileStamp stamp;
    // Kept open while the snapshot is kept: as long as it is, no new file can take this
    // inode number, so an equal stamp really means the same file. Empty on Windows (as
    // ReplacedFile's).
    FileHandle handle;
};

// The whole file; nothing when it (or its folder) does not exist. Throws as stampOf.
std::optional<FileSnapshot> readSnapshot(const std::filesystem::path& file);

}  // namespace corvane::simhost
