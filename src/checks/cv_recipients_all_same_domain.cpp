#include <optional>

#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

namespace {

// The text after the first "@"; nothing when there is no "@".
std::optional<std::string> DomainOf(const std::string& address) {
    const auto at = address.find('@');
    if (at == std::string::npos) return std::nullopt;
    return address.substr(at + 1);
}

}  // namespace

bool cvRecipientsAllSameDomain(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail) {
    bool result = false;
    std::shared_ptr<access::SafeMailItem> safe;
    try {
        // The internal domains as one text; a domain counts as internal when it occurs in it.
        const std::string domains = p.regKeys().DomainName();
        if (!domains.empty()) {
            safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
            safe->SetItem(mail);
            result = true;
            const int count = safe->Recipients()->Count();
            for (int i = 1; i <= count; ++i) {
                const auto domain = DomainOf(accounts::RecipientEmail(p, mail, i));
                if (!domain) {
                    result = false;
                    continue;
                }
                if (!text::containsNoCase(domains, *domain)) {
                    result = false;
                    break;
                }
            }
            if (result) {
                // A sender without "@" (nothing found) leaves the message internal.
                const auto domain = DomainOf(accounts::SenderEmail(p, mail, true));
                if (domain && !text::containsNoCase(domains, *domain)) result = false;
            }
        }
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvRecipientsAllSameDomain", e);
    }
    safe.reset();
    accounts::ResetMapiUtils(p);
    return result;
}

}  // namespace corvane::checks::basCorvane
