#include "corvane/sim/version_traits.h"

#include "corvane/platform/version.h"

namespace corvane::sim {

VersionTraits TraitsForVersion(std::string_view versionText) {
    VersionTraits t;
    if (auto major = platform::OutlookMajorVersionNumber(versionText)) t.major = *major;
    return t;
}

}  // namespace corvane::sim
