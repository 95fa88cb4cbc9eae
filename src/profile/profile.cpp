// What profiles carry on every platform: where each thing was written, the error naming it,
// the hive names.
#include "corvane/profile/where.h"

#include "corvane/profile/profile.h"

namespace corvane::profile {

std::string Where::text() const { return line > 0 ? file + ":" + std::to_string(line) : file; }

FormatError::FormatError(Where where, const std::string& problem)
    : std::runtime_error(where.text() + ": " + problem), where_(std::move(where)), problem_(problem) {}

std::string JoinWords(const std::vector<std::string_view>& words, std::string_view last) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out += i + 1 == words.size() ? std::string(last) : std::string(", ");
        out += words[i];
    }
    return out;
}

std::optional<platform::Hive> HiveNamed(std::string_view name) {
    if (name == "HKCU" || name == "HKEY_CURRENT_USER") return platform::Hive::CurrentUser;
    if (name == "HKLM" || name == "HKEY_LOCAL_MACHINE") return platform::Hive::LocalMachine;
    return std::nullopt;
}

std::string HiveName(platform::Hive hive) { return hive == platform::Hive::CurrentUser ? "HKCU" : "HKLM"; }

}  // namespace corvane::profile
