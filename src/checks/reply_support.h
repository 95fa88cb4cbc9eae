#pragma once
// What the reply checks share inside basCorvane.
#include <memory>
#include <string>

namespace corvane::access {
class RDOSession;
class SafeRecipient;
}  // namespace corvane::access

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::checks::basCorvane {

// A component session on the profile: Outlook's own session handed over, or, in Outlook
// 2000, which has none to hand over, a session of its own logged on.
std::shared_ptr<access::RDOSession> OpenProfileSession(core::AddinProcess& p);

// The name a recipient is shown with: the address entry's name when Outlook named the
// recipient by a raw "=SMTP:" address, else the recipient's own name.
std::string RecipientDisplayName(access::SafeRecipient& recipient);

// Two address texts compare equal trimmed and upper-cased.
bool SameAddress(const std::string& a, const std::string& b);

}  // namespace corvane::checks::basCorvane
