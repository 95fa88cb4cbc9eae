#include "corvane/platform/version.h"

#include "corvane/text/text.h"

namespace corvane::platform {

std::string OutlookMajorVersion(std::string_view versionText) {
    return std::string(versionText.substr(0, versionText.find('.')));
}

std::optional<int> OutlookMajorVersionNumber(std::string_view versionText) {
    auto n = text::wholeNumber(OutlookMajorVersion(versionText));
    if (!n || *n < -2147483647LL || *n > 2147483647LL) return std::nullopt;
    return static_cast<int>(*n);
}

}  // namespace corvane::platform
