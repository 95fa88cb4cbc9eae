#include "corvane/resources/cls_resource.h"

#include <cstddef>
#include <utility>

#include "corvane/resources/resource_script.h"
#include "corvane/text/utf8.h"

namespace corvane::resources {

clsResource::clsResource(platform::FileSystem& files, Reporter report)
    : opener_([&files, report = std::move(report)](const std::string& path) {
          return OpenResourceScript(files, path, report);
      }) {}

clsResource::clsResource(LibraryOpener opener) : opener_(std::move(opener)) {}

void clsResource::LibraryFilePath(const std::string& path) {
    if (path == path_) return;
    CloseLibrary();
    path_ = path;
}

ResourceLibrary* clsResource::library() {
    if (!opened_) {
        opened_ = true;
        if (!path_.empty() && opener_) library_ = opener_(path_);
    }
    return library_.get();
}

bool clsResource::DLL_LoadString(int intResourceID, std::string& Return_String, long lngMaxLen) {
    Return_String.clear();
    if (lngMaxLen < 2) return false;
    ResourceLibrary* lib = library();
    if (lib == nullptr) return false;
    std::optional<std::string> s = lib->loadString(intResourceID);
    if (!s || s->empty()) return false;
    s->resize(text::charOffset(*s, static_cast<std::size_t>(lngMaxLen - 1)));
    Return_String = std::move(*s);
    return true;
}

std::optional<ResourceBitmap> clsResource::DLL_LoadBitmap(int id) {
    ResourceLibrary* lib = library();
    if (lib == nullptr) return std::nullopt;
    return lib->loadBitmap(id);
}

void clsResource::CloseLibrary() {
    library_.reset();
    opened_ = false;
}

}  // namespace corvane::resources
