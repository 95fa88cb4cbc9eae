#pragma once
// The portable resource library: a text file in the STRINGTABLE / BITMAP statements of a
// Windows resource script, stored under the library's usual name "Resource.dll".
// The format is described in docs/resource-file.md.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/platform/file_system.h"
#include "corvane/resources/resource_library.h"

namespace corvane::resources {

struct BitmapStatement {
    std::string fileName;  // as written in the script
    int line = 0;
};

struct ResourceScript {
    std::map<int, std::string> strings;
    std::map<int, BitmapStatement> bitmaps;
};

struct ResourceScriptError {
    int line = 0;      // 1-based
    std::string what;  // one sentence without a final full stop
};

struct ParsedResourceScript {
    ResourceScript script;                     // empty when there is an error
    std::optional<ResourceScriptError> error;  // the first problem found
};

ParsedResourceScript ParseResourceScript(std::string_view text);

// The text-script library at `path`, read through `files`. Nothing when the file does not
// exist (silently: a missing library is normal) or cannot be used (reported once through
// `report`, naming the file, the line and the problem). Bitmap files are read at each
// loadBitmap, relative to the library's folder unless their name is absolute.
std::unique_ptr<ResourceLibrary> OpenResourceScript(platform::FileSystem& files, const std::string& path,
                                                    Reporter report);

}  // namespace corvane::resources
