#pragma once
// The simulated file system: Windows paths mapped onto real folders by mounts such as
// "C:\Program Files\Corvane" -> <profile>/addin. A mount's prefix matches whole path
// components without regard to case; "\" and "/" both separate components; below the
// mount each component matches an existing entry of the real folder without regard to
// case too (as on Windows), and is taken as written otherwise. The longest prefix wins.
//
// Errors are the classic runtime errors, naming the path: 76 "Path not found" for a path
// outside every mount or in a missing folder, 53 "File not found" for removing a missing
// file, 70 "Permission denied", 75 "Path/File access error" for anything else.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "corvane/platform/file_system.h"

namespace corvane::simhost {

struct Mount {
    std::string windowsPrefix;     // "C:\Program Files\Corvane"
    std::filesystem::path folder;  // a real folder
};

class SimFileSystem : public platform::FileSystem {
public:
    explicit SimFileSystem(std::vector<Mount> mounts = {});

    void mount(std::string windowsPrefix, std::filesystem::path folder);
    // The real path a Windows path stands for; nothing when no mount covers it (or it
    // climbs out of its mount with "..").
    std::optional<std::filesystem::path> realPath(std::string_view windowsPath) const;

    // Nothing for a missing file; error 76 for a path outside every mount.
    std::optional<std::string> readFile(std::string_view path) override;
    // Replaces the file atomically; error 76 when its folder does not exist.
    void writeFile(std::string_view path, std::string_view data) override;
    // False for a missing file, a folder, or a path outside every mount.
    bool fileExists(std::string_view path) override;
    // Error 53 for a missing file.
    void removeFile(std::string_view path) override;

private:
    std::filesystem::path mapped(std::string_view path) const;  // throws 76 when unmapped

    std::vector<Mount> mounts_;
};

}  // namespace corvane::simhost
