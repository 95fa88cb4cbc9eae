#pragma once
// How Outlook turns between an HTML body and its plain text.
#include <string>
#include <string_view>

#include "corvane/platform/datetime.h"

namespace corvane::sim {

// The text of an HTML body: tags dropped, line and paragraph ends as CR LF, entities
// decoded ("&nbsp;" becomes U+00A0, as Outlook's text rendering keeps it).
std::string HtmlToText(std::string_view html);
// An HTML body for a plain text.
std::string TextToHtml(std::string_view text);
std::string HtmlEscape(std::string_view text);
// What lies between <body ...> and </body> (the whole text when there is no body tag).
std::string HtmlInner(std::string_view html);
// "Monday, January 05, 2026 9:00 AM", as Outlook writes the Sent line of a quoted message.
std::string LongDateTime(platform::DateTime when);
// The subject without its prefix: up to three non-blank, non-digit characters followed
// by ": " ("RE: RE: Hi" -> "RE: Hi", "Fwd: Hi" -> "Hi").
std::string NormalizedSubject(std::string_view subject);

}  // namespace corvane::sim
