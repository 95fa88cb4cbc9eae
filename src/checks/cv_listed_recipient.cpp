// The first recipient of a message whose address is on a list of addresses (the
// confirmation's and the delay's lists).
#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/basCorvane_send.h"

namespace corvane::checks::basCorvane {

std::optional<ListedRecipient> FirstListedRecipient(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                                    std::string_view listText) {
    int count = 0;
    {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safe->SetItem(item);
        // Recipients typed but not yet saved are missing from the message's tables.
        safe->Save();
        count = safe->Recipients()->Count();
    }
    for (int i = 1; i <= count; ++i) {
        // No message for an address that cannot be resolved; with Word as the editor the
        // lookup borrows Outlook's MAPI session.
        std::string address = accounts::RecipientEmail(p, item, i, /*showError=*/false, /*attachWordMapi=*/true);
        if (OccursInList(listText, address)) return ListedRecipient{i, std::move(address)};
    }
    return std::nullopt;
}

}  // namespace corvane::checks::basCorvane
