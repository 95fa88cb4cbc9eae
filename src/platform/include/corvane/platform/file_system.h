#pragma once
// Files the add-in reads and writes next to itself (the resource library, Tags.txt, the
// settings file, the template, the introductory message, the help file). Paths are written
// the platform's way ("C:\Program Files\Corvane\Tags.txt"); the simulated host maps them
// into the profile's folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file, or nothing when it does not exist. Throws PlatformError when it
    // exists but cannot be read.
    virtual std::optional<std::string> readFile(std::string_view path) = 0;
    // Replaces the file as a whole, in one step: readers see the old or the new content,
    // never a mix, and a write that fails leaves the old file as it was.
    virtual void writeFile(std::string_view path, std::string_view data) = 0;
    virtual bool fileExists(std::string_view path) = 0;
    virtual void removeFile(std::string_view path) = 0;
};

// "C:\a\b" + "c" -> "C:\a\b\c"; no second "\" when the folder ends with one.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace corvane::platform
