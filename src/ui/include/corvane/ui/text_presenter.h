#pragma once
// Renders message boxes and forms as plain text for transcripts: deterministic, one line
// per thing the user sees. docs/forms.md describes the format.
#include <string>
#include <string_view>
#include <vector>

#include "corvane/ui/form.h"

namespace corvane::ui {

// The header `form <name> "<caption>"`, then every shown control in reading order, two
// blanks deeper per container level.
std::vector<std::string> renderForm(const ui::Form& form);

// `message box "<title>" buttons <n> (<buttons>, <icon>)`, then each line of the text
// after "  | ".
std::vector<std::string> renderMessageBox(std::string_view prompt, int buttons, std::string_view title);

// "Yes No, question" for 36.
std::string describeButtons(int buttons);
// "Yes" for 6; "button <n>" for a number no button returns.
std::string answerName(int answer);
// Whether a message box with these buttons can return `answer`.
bool buttonsOffer(int buttons, int answer);

// The text in double quotes: \" and \\ escaped, CR LF written \n, a lone CR \r, any other
// control character \xHH.
std::string quote(std::string_view text);

}  // namespace corvane::ui
