#pragma once
// What the atomic replacement's two platform files and its sweep share: the names of the
// temporary files, "<target name>.tmp-XXXXXX" beside the target (six characters after
// the prefix).
#include <cstddef>
#include <filesystem>

namespace corvane::simhost::detail {

inline constexpr std::size_t TemporarySuffixLength = 6;

inline std::filesystem::path::string_type temporaryPrefix(const std::filesystem::path& target) {
    std::filesystem::path prefix = target.filename();
    prefix += ".tmp-";
    return prefix.native();
}

inline std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

}  // namespace corvane::simhost::detail
