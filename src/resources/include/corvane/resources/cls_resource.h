#pragma once
// clsResource: the add-in's reader of its resource library "Resource.dll" (replaceable
// brand texts and pictures). The library is opened when first needed and kept open until
// CloseLibrary or until LibraryFilePath names another file. Nothing here throws: a library
// that is missing or unusable simply has no resources, and callers use their defaults
// (see LoadResourceString in resource_defaults.h).
#include <memory>
#include <optional>
#include <string>

#include "corvane/platform/file_system.h"
#include "corvane/resources/resource_library.h"

namespace corvane::resources {

class clsResource {
public:
    // Reads the text-script library through `files`; problems go to `report`.
    explicit clsResource(platform::FileSystem& files, Reporter report = {});
    // Reads through any library implementation (the Windows DLL reader, test doubles).
    explicit clsResource(LibraryOpener opener);

    clsResource(const clsResource&) = delete;
    clsResource& operator=(const clsResource&) = delete;

    const std::string& LibraryFilePath() const { return path_; }
    // Another path closes the open library; the same path keeps it.
    void LibraryFilePath(const std::string& path);

    // As LoadString: copies at most lngMaxLen - 1 characters (Unicode characters of the
    // UTF-8 text, never part of one) into Return_String and returns true when at least one
    // character was copied. An absent or empty string, or lngMaxLen below 2, gives false
    // and an empty Return_String.
    bool DLL_LoadString(int intResourceID, std::string& Return_String, long lngMaxLen);

    // The bitmap, or nothing when the library has none of that id.
    std::optional<ResourceBitmap> DLL_LoadBitmap(int id);

    // Releases the library; the next read opens it again.
    void CloseLibrary();

private:
    ResourceLibrary* library();

    LibraryOpener opener_;
    std::string path_;
    std::unique_ptr<ResourceLibrary> library_;
    bool opened_ = false;
};

}  // namespace corvane::resources
