#pragma once
// Naming the recipients of a message in scenarios: by display name, by address, or as
// "Name <address>".
#include <string>

#include "corvane/sim/item_parts.h"

namespace corvane::scenario {

// Whether a written name fits the recipient: "Name <address>" needs both, a text with
// "@" the address (any SMTP address of its entry), any other text the display name
// (without regard to case).
bool RecipientMatches(const sim::SimRecipient& recipient, const std::string& written);
// "Ann Lee <ann@example.com> (cc)".
std::string DescribeRecipient(const sim::SimRecipient& recipient);
// "to", "cc" or "bcc".
std::string RecipientTypeWord(int type);

}  // namespace corvane::scenario
