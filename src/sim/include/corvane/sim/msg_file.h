#pragma once
// The simulated host's message files (.msg): a readable text in place of the compound
// file Outlook writes. Header lines "Name: value" come first, then a blank line, then the
// body. Headers: Subject, From, To, Cc, Bcc ("Name <address>" entries joined by ";"),
// Message-Class, Sent, Received ("YYYY-MM-DD HH:MM:SS"), Content-Type ("text/html" makes
// the body the HTML body), Attachment (a file name; repeatable).
#include <string>
#include <string_view>

#include "corvane/sim/item_spec.h"

namespace corvane::sim {

// Fails (PlatformError) with a message naming the line when a header is malformed.
ItemSpec ParseMessageFile(std::string_view content);
std::string FormatMessageFile(const ItemSpec& spec);

}  // namespace corvane::sim
