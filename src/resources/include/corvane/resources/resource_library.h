#pragma once
// One opened resource library: the strings and bitmaps of "Resource.dll". The portable
// build reads a text script of that name (resource_script.h); the Windows build opens the
// real DLL as data (resource_dll.h) behind this same interface, so clsResource does not
// change.
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace corvane::resources {

// Where problems with the library go (the add-in decides how they show).
using Reporter = std::function<void(const std::string&)>;

// A bitmap resource: where it came from and its bytes, as stored.
struct ResourceBitmap {
    int id = 0;
    std::string source;  // the file the bytes were read from
    std::string bytes;
};

class ResourceLibrary {
public:
    virtual ~ResourceLibrary() = default;
    // The whole string (UTF-8) or nothing when the library has no such string.
    virtual std::optional<std::string> loadString(int id) = 0;
    virtual std::optional<ResourceBitmap> loadBitmap(int id) = 0;
};

// Opens the library at a path; nothing when it is missing or cannot be used.
using LibraryOpener = std::function<std::unique_ptr<ResourceLibrary>(const std::string& path)>;

}  // namespace corvane::resources
