#pragma once
// The ProgIds the secure mail access component is registered under. COM compares ProgIds
// without regard to case; so does the component factory.
#include <string_view>

namespace corvane::access::progid {

inline constexpr std::string_view SafeMailItem = "cvRedemption.cvSafeMailItem";
inline constexpr std::string_view SafePostItem = "cvRedemption.cvSafePostItem";
inline constexpr std::string_view SafeReportItem = "cvRedemption.cvSafeReportItem";
inline constexpr std::string_view SafeInspector = "cvRedemption.cvSafeInspector";
inline constexpr std::string_view MAPIUtils = "cvRedemption.cvMAPIUtils";
inline constexpr std::string_view RDOSession = "cvRedemption.cvRDOSession";

}  // namespace corvane::access::progid
