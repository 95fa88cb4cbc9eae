#include "corvane/platform/file_system.h"

namespace corvane::platform {

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string p(folder);
    if (p.empty() || p.back() != '\\') p += '\\';
    p += name;
    return p;
}

}  // namespace corvane::platform
