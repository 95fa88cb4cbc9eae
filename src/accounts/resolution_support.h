#pragma once
// What the address resolution procedures share: the MAPI tags they read, the proxy
// address scan and the message shown when an address cannot be resolved.
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/error.h"
#include "corvane/mapi/props.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::accounts::detail {

// Tags as the access component's callers name them (the component reads the Unicode form).
namespace prop {
inline constexpr mapi::PropTag SenderAddrType = 0x0C1E001E;                // PR_SENDER_ADDRTYPE
inline constexpr mapi::PropTag SentRepresentingAddrType = 0x0064001E;      // PR_SENT_REPRESENTING_ADDRTYPE
inline constexpr mapi::PropTag SentRepresentingEmailAddress = 0x0065001E;  // PR_SENT_REPRESENTING_EMAIL_ADDRESS
inline constexpr mapi::PropTag ProxyAddresses = 0x800F101E;                // PR_EMS_AB_PROXY_ADDRESSES
}  // namespace prop

// The address of the last element starting with exactly "SMTP:" (upper case: the primary
// address; "smtp:" marks secondary ones); "" when there is none.
std::string SmtpFromProxies(const std::vector<std::string>& proxies);

// After a failed resolution: "E-mail address cannot be resolved. Please check e-mail
// address." with the exclamation icon, when showError is on and the failure is not the
// platform's unexpected failure (0x8000FFFF).
void ReportUnresolved(core::AddinProcess& process, const platform::PlatformError& e, bool showError,
                      std::string_view title);

}  // namespace corvane::accounts::detail
