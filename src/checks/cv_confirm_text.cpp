// The texts of the send confirmation and the list matching shared with the delay.
#include "corvane/checks/basCorvane_send.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

std::string FirstToEntry(std::string_view toLine) { return text::trim(toLine.substr(0, toLine.find(';'))); }

std::string ConfirmationQuestion(std::string_view first) {
    if (first.empty()) return "Do you wish to send this email?";
    return "Do you wish to send this email to " + std::string(first) + "?";
}

std::string ConfirmationPrompt(std::string_view first) {
    return ConfirmationQuestion(first) + "\r\n\r\n" + std::string(kConfirmFootnote);
}

bool OccursInList(std::string_view listText, std::string_view address) {
    return text::toUpper(listText).find(text::toUpper(address)) != std::string::npos;
}

bool IsNoDeliveryTime(const platform::DateTime& when) { return when == platform::DateTime::none(); }

}  // namespace corvane::checks::basCorvane
