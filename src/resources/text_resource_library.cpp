#include <set>
#include <utility>

#include "corvane/platform/error.h"
#include "corvane/resources/resource_script.h"

namespace corvane::resources {

namespace {

bool isAbsolute(std::string_view p) {
    return (p.size() >= 2 && p[1] == ':') || p.starts_with('\\') || p.starts_with('/');
}

// Bitmap names are relative to the library's folder, as in a resource script.
std::string bitmapPath(const std::string& libraryPath, const std::string& name) {
    if (isAbsolute(name)) return name;
    const auto slash = libraryPath.find_last_of("\\/");
    if (slash == std::string::npos) return name;
    return platform::JoinPath(std::string_view(libraryPath).substr(0, slash), name);
}

std::string where(const std::string& path, int line) {
    return "Resource file \"" + path + "\", line " + std::to_string(line) + ": ";
}

class TextResourceLibrary final : public ResourceLibrary {
public:
    TextResourceLibrary(platform::FileSystem& files, std::string path, ResourceScript script, Reporter report)
        : files_(files), path_(std::move(path)), script_(std::move(script)), report_(std::move(report)) {}

    std::optional<std::string> loadString(int id) override {
        auto it = script_.strings.find(id);
        if (it == script_.strings.end()) return std::nullopt;
        return it->second;
    }

    std::optional<ResourceBitmap> loadBitmap(int id) override {
        auto it = script_.bitmaps.find(id);
        if (it == script_.bitmaps.end()) return std::nullopt;
        const BitmapStatement& statement = it->second;
        ResourceBitmap bitmap{id, bitmapPath(path_, statement.fileName), {}};
        std::optional<std::string> bytes;
        try {
            bytes = files_.readFile(bitmap.source);
        } catch (const platform::PlatformError& e) {
            reportOnce(id, where(path_, statement.line) + "bitmap " + std::to_string(id) + ": the file \"" +
                               bitmap.source + "\" cannot be read (" + e.description() + ")");
            return std::nullopt;
        }
        if (!bytes) {
            reportOnce(id, where(path_, statement.line) + "bitmap " + std::to_string(id) + ": the file \"" +
                               bitmap.source + "\" does not exist");
            return std::nullopt;
        }
        bitmap.bytes = std::move(*bytes);
        return bitmap;
    }

private:
    // A picture that cannot be loaded is asked for again at each use; say so only once.
    void reportOnce(int id, const std::string& message) {
        if (report_ && reportedBitmaps_.insert(id).second) report_(message);
    }

    platform::FileSystem& files_;
    std::string path_;
    ResourceScript script_;
    Reporter report_;
    std::set<int> reportedBitmaps_;
};

}  // namespace

std::unique_ptr<ResourceLibrary> OpenResourceScript(platform::FileSystem& files, const std::string& path,
                                                    Reporter report) {
    std::optional<std::string> text;
    try {
        text = files.readFile(path);
    } catch (const platform::PlatformError& e) {
        if (report)
            report("Resource file \"" + path + "\" cannot be read (" + e.description() +
                   "). The built-in texts are used instead.");
        return nullptr;
    }
    if (!text) return nullptr;
    ParsedResourceScript parsed = ParseResourceScript(*text);
    if (parsed.error) {
        if (report)
            report(where(path, parsed.error->line) + parsed.error->what + ". The built-in texts are used instead.");
        return nullptr;
    }
    return std::make_unique<TextResourceLibrary>(files, path, std::move(parsed.script), std::move(report));
}

}  // namespace corvane::resources
