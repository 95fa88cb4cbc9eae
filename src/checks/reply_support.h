#pragma once
// What the reply checks share inside basCorvane.
#include <memory>
#include <string>

#include "corvane/core/profile_session.h"

namespace corvane::access {
class RDOSession;
class SafeRecipient;
}  // namespace corvane::access

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::checks::basCorvane {

using core::OpenProfileSession;

// The name a recipient is shown with: the address entry's name when Outlook named the
// recipient by a raw "=SMTP:" address, else the recipient's own name.
std::string RecipientDisplayName(access::SafeRecipient& recipient);

// Two address texts compare equal trimmed and upper-cased.
bool SameAddress(const std::string& a, const std::string& b);

}  // namespace corvane::checks::basCorvane
