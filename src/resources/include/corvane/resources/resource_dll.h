#pragma once
// The resource library as Windows has it: "Resource.dll", a resource-only DLL with a string
// table and bitmaps, built with windres from the same script as the portable text form
// (docs/resource-file.md). Windows only.
#include <memory>
#include <string>

#include "corvane/resources/resource_library.h"

namespace corvane::resources {

// The library at `path`, loaded as data (none of its code runs); nothing when it is missing
// or not a DLL. An empty string reads as missing, as in the text form; a bitmap comes back
// as the bytes of a .bmp file, as the text form gives its file.
std::unique_ptr<ResourceLibrary> OpenResourceDll(const std::string& path);

}  // namespace corvane::resources
