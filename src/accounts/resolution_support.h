#pragma once
// What the address resolution procedures share: the proxy address scan and the message
// shown when an address cannot be resolved.
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/error.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::accounts::detail {

// The address of the last element starting with exactly "SMTP:" (upper case: the primary
// address; "smtp:" marks secondary ones); "" when there is none.
std::string SmtpFromProxies(const std::vector<std::string>& proxies);

// After a failed resolution: "E-mail address cannot be resolved. Please check e-mail
// address." with the exclamation icon, when showError is on and the failure is not the
// platform's unexpected failure (0x8000FFFF).
void ReportUnresolved(core::AddinProcess& process, const platform::PlatformError& e, bool showError,
                      std::string_view title);

}  // namespace corvane::accounts::detail
