#include "corvane/simhost/atomic_file.h"

#include <system_error>

#include "temporary_file.h"

namespace corvane::simhost {

void removeStaleTemporaries(const std::filesystem::path& target) {
    const auto prefix = detail::temporaryPrefix(target);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(detail::folderOf(target), ec)) {
        const auto name = entry.path().filename().native();
        if (name.size() == prefix.size() + detail::TemporarySuffixLength &&
            name.compare(0, prefix.size(), prefix) == 0)
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace corvane::simhost
