#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// The major version of an Outlook version text: everything before the first "."
// ("10.0.0.6515" -> "10"); the whole text when it has no ".". Compared as text.
std::string OutlookMajorVersion(std::string_view versionText);
// The same read as a number, for the Parts that compare with a bound; nothing when the
// major version is not a number.
std::optional<int> OutlookMajorVersionNumber(std::string_view versionText);

}  // namespace corvane::platform
