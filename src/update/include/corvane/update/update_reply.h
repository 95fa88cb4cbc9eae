#pragma once
// The version service: its address, the reply it gives (tagged values) and the version
// comparison. The reply is untrusted text from the network.
#include <string>
#include <string_view>

namespace corvane::update {

// The version service; only an https address is ever asked.
inline constexpr std::string_view VersionServiceHost = "https://updates.kelderon.example";

// The service's address for a program and its current version ("2.0.58"), the query
// values percent-encoded.
std::string VersionServiceAddress(std::string_view programName, std::string_view currentVersion);

// The text between the first "<tag>" and the first "</tag>" after it (names compared
// exactly); "" when either is missing.
std::string TagValue(std::string_view reply, std::string_view tag);

// True when `newest` is a newer version of the same major version than `current`: the
// minor is greater, or the minors are equal and the revision is greater. Both are
// "major.minor.revision" with parts read as 16-bit numbers; a text that is not (a missing
// part, a part that is no number or out of range) is never newer.
bool IsNewerVersion(std::string_view newest, std::string_view current);

// An address the check may ask: https only ("https://" in any case, then a host).
bool IsHttpsAddress(std::string_view address);
// An address a link may open: http or https.
bool IsWebAddress(std::string_view address);

}  // namespace corvane::update
