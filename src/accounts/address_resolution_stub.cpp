// Neutral bodies until the resolution procedures land.
#include "corvane/accounts/address_resolution.h"

namespace corvane::accounts {

bool IsValidEmailAddress(std::string_view) { return false; }
std::string SenderEmail(addin::AddinProcess&, const std::shared_ptr<outlook::Item>&, bool) { return ""; }
std::string SenderEmailWithoutOnBehalf(addin::AddinProcess&, const std::shared_ptr<outlook::Item>&, bool) {
    return "";
}
std::string RecipientEmail(addin::AddinProcess&, const std::shared_ptr<outlook::Item>&, int, bool, bool) {
    return "";
}
std::string RecipientEmail(addin::AddinProcess&, const std::shared_ptr<outlook::Item>&, int, bool, bool, bool,
                           bool&) {
    return "";
}
std::string RecipientSmtpAddress(addin::AddinProcess&, const std::shared_ptr<outlook::Item>&, int, bool) {
    return "";
}
bool EntryIdFails(const std::shared_ptr<outlook::Item>&) { return false; }
void ResetMapiUtils(addin::AddinProcess&) {}

}  // namespace corvane::accounts
