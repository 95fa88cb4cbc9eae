#include "reply_support.h"

#include "corvane/access/factory.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

std::string RecipientDisplayName(access::SafeRecipient& recipient) {
    std::string name = recipient.Name();
    if (name.starts_with("=SMTP:")) return core::vb::Need(recipient.AddressEntry())->Name();
    return name;
}

bool SameAddress(const std::string& a, const std::string& b) {
    return text::toUpper(text::trim(a)) == text::toUpper(text::trim(b));
}

}  // namespace corvane::checks::basCorvane
