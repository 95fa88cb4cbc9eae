#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"
#include "reply_support.h"

namespace corvane::checks::basCorvane {

namespace {

// Whether a recipient of the item has the own address `own`; gathers the distribution
// list flag over the recipients it reads.
bool AnyRecipientIs(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, access::SafeMailItem& safe,
                    const std::string& own, bool& isDistributionList) {
    const int count = safe.Recipients()->Count();
    for (int j = 1; j <= count; ++j) {
        bool isList = false;
        const std::string address = accounts::RecipientEmail(p, mail, j, false, false, true, isList);
        if (isList) isDistributionList = true;
        if (SameAddress(address, own)) return true;
    }
    return false;
}

}  // namespace

bool cvCheckIfUserInRecipients(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                               std::string_view address, bool& isDistributionList) {
    bool found = false;
    std::shared_ptr<access::SafeMailItem> safe;
    try {
        const std::string own = cvGetUserEmails(p);
        if (!own.empty()) {
            safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
            safe->SetItem(mail);
            isDistributionList = false;
            const std::string asked(address);
            for (const std::string& entry : text::split(own, ";")) {
                found = asked == kAnyRecipient ? AnyRecipientIs(p, mail, *safe, entry, isDistributionList)
                                               : SameAddress(asked, entry);
                if (found) break;
            }
        }
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvCheckIfUserInRecipients", e);
    }
    safe.reset();
    accounts::ResetMapiUtils(p);
    return found;
}

}  // namespace corvane::checks::basCorvane
