#include "corvane/simhost/file_system.h"

#include <cerrno>
#include <system_error>

#include "corvane/platform/error.h"
#include "corvane/simhost/atomic_file.h"
#include "corvane/simhost/file_snapshot.h"
#include "corvane/text/text.h"

namespace corvane::simhost {

using platform::PlatformError;

namespace {

std::vector<std::string> components(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The entry of `folder` named `name`, exactly or else without regard to case.
std::filesystem::path entryNamed(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::path exact = folder / name;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) return exact;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (text::equalsNoCase(it->path().filename().string(), name)) return it->path();
    return exact;
}

[[noreturn]] void throwFor(int err, std::string_view path) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: throw PlatformError(platform::errors::PathNotFound, ": " + std::string(path));
        case EACCES:
        case EPERM:
        case EROFS: throw PlatformError(platform::errors::PermissionDenied, ": " + std::string(path));
        default: throw PlatformError(platform::errors::PathFileAccessError, ": " + std::string(path));
    }
}

}  // namespace

SimFileSystem::SimFileSystem(std::vector<Mount> mounts) : mounts_(std::move(mounts)) {}

void SimFileSystem::mount(std::string windowsPrefix, std::filesystem::path folder) {
    mounts_.push_back({std::move(windowsPrefix), std::move(folder)});
}

std::optional<std::filesystem::path> SimFileSystem::realPath(std::string_view windowsPath) const {
    const auto parts = components(windowsPath);
    const Mount* best = nullptr;
    std::size_t bestLength = 0;
    for (const auto& m : mounts_) {
        const auto prefix = components(m.windowsPrefix);
        if (prefix.empty() || prefix.size() > parts.size() || (best && prefix.size() <= bestLength)) continue;
        bool same = true;
        for (std::size_t i = 0; same && i < prefix.size(); ++i) same = text::equalsNoCase(prefix[i], parts[i]);
        if (same) {
            best = &m;
            bestLength = prefix.size();
        }
    }
    if (!best) return std::nullopt;
    std::filesystem::path p = best->folder;
    for (std::size_t i = bestLength; i < parts.size(); ++i) {
        if (parts[i] == ".") continue;
        if (parts[i] == "..") return std::nullopt;
        p = entryNamed(p, parts[i]);
    }
    return p;
}

std::filesystem::path SimFileSystem::mapped(std::string_view path) const {
    auto p = realPath(path);
    if (!p) throw PlatformError(platform::errors::PathNotFound, ": " + std::string(path));
    return *p;
}

std::optional<std::string> SimFileSystem::readFile(std::string_view path) {
    const auto real = mapped(path);
    try {
        auto snap = readSnapshot(real);
        if (!snap) return std::nullopt;
        return std::move(snap->data);
    } catch (const std::system_error& e) {
        throwFor(e.code().value(), path);
    }
}

void SimFileSystem::writeFile(std::string_view path, std::string_view data) {
    const auto real = mapped(path);
    try {
        replaceFileAtomically(real, data);
    } catch (const std::system_error& e) {
        throwFor(e.code().value(), path);
    }
}

bool SimFileSystem::fileExists(std::string_view path) {
    const auto real = realPath(path);
    std::error_code ec;
    return real && std::filesystem::is_regular_file(*real, ec);
}

void SimFileSystem::removeFile(std::string_view path) {
    const auto real = mapped(path);
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(real, ec);
    // Below a file rather than a folder (ENOTDIR), the path is wrong, not the file missing.
    if (status.type() == std::filesystem::file_type::not_found && (!ec || ec.value() == ENOENT))
        throw PlatformError(platform::errors::FileNotFound, ": " + std::string(path));
    if (ec) throwFor(ec.value(), path);
    if (status.type() == std::filesystem::file_type::directory) throwFor(EISDIR, path);
    if (!std::filesystem::remove(real, ec) || ec) throwFor(ec ? ec.value() : ENOENT, path);
}

}  // namespace corvane::simhost
