#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "temporary_folder.h"

namespace corvane::simhost {

std::filesystem::path CreateTemporaryFolder(const std::string& prefix) {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
    if (!::mkdtemp(tmpl.data()))
        throw std::system_error(errno, std::generic_category(), "cannot create a temporary profile folder");
    return tmpl;
}

}  // namespace corvane::simhost
