#pragma once
// Left for tests/addin until it moves to the simulated disk of the world (support/world.h);
// nothing else uses it.
// A FileSystem for unit tests: files live in a map keyed by the exact path; reads are
// counted per path, and a path can be made to fail as an unreadable file does.
#include <map>
#include <set>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/file_system.h"

namespace corvane::testing {

class MemoryFileSystem : public platform::FileSystem {
public:
    std::optional<std::string> readFile(std::string_view path) override {
        const std::string p(path);
        ++reads[p];
        if (unreadable.count(p) != 0)
            throw platform::PlatformError(platform::errors::AccessDenied.number, "Permission denied");
        auto it = files.find(p);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    void writeFile(std::string_view path, std::string_view data) override {
        files[std::string(path)] = std::string(data);
    }
    bool fileExists(std::string_view path) override { return files.count(std::string(path)) != 0; }
    void removeFile(std::string_view path) override { files.erase(std::string(path)); }

    int readsOf(const std::string& path) const {
        auto it = reads.find(path);
        return it == reads.end() ? 0 : it->second;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::map<std::string, int> reads;
};

}  // namespace corvane::testing
