// What the send confirmation reads of the message: the first name on its To line, and
// whether it goes to one of the addresses that always need confirming.
#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/checks/basCorvane_send.h"
#include "corvane/platform/conventions.h"

namespace corvane::checks::basCorvane {

std::string GetFirstTORecipient(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    std::string first;
    try {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safe->SetItem(item);
        first = FirstToEntry(safe->To());
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(p.host.ui, p.appTitle, "basCorvane", "GetFirstTORecipient", e);
    }
    return first;
}

bool AtLeast1EmailInRecipt(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    try {
        const std::string list = p.regKeys().ConfirmEmailAddrs();
        if (list.empty()) return false;
        return FirstListedRecipient(p, item, list).has_value();
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(p.host.ui, p.appTitle, "basCorvane", "AtLeast1EmailInRecipt", e);
    }
    return false;
}

}  // namespace corvane::checks::basCorvane
