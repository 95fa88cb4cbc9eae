// The accounts module: ordered accounts, the first recipient's lookup, list entries.
#include "corvane/accounts/preferred_account.h"

#include "corvane/access/rdo_session.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::accounts {

core::SendAcct& SendAcctOf(core::AddinProcess& p) { return *core::vb::Need(p.gSendAcct); }

clsSendAcct& OwnSendAcct(core::AddinProcess& p) {
    auto* list = dynamic_cast<clsSendAcct*>(core::vb::Need(p.gSendAcct).get());
    if (!list) throw platform::PlatformError(platform::errors::NotSupported);
    return *list;
}

std::string FolderPathText(const std::shared_ptr<outlook::Folder>& folder) {
    std::string path = "\\" + core::vb::Need(folder)->Name();
    auto parent = std::dynamic_pointer_cast<outlook::Folder>(folder->Parent());
    while (parent) {
        path = "\\" + parent->Name() + path;
        parent = std::dynamic_pointer_cast<outlook::Folder>(parent->Parent());
    }
    return path;
}

std::vector<std::shared_ptr<access::RDOAccount>> OrderedAccounts(core::AddinProcess& p) {
    ResetMapiUtils(p);
    auto session = access::CreateAccessObject<access::RDOSession>(*p.access);
    session->SetMAPIOBJECT(core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->MAPIOBJECT());
    auto accounts = session->Accounts()->GetOrder(2);
    ResetMapiUtils(p);
    return accounts;
}

std::string ListedAddresses(core::AddinProcess& p) { return OwnSendAcct(p).ListedAddresses(); }

bool IsFirstRecipientListed(core::AddinProcess& p, std::string&, const std::shared_ptr<outlook::Item>& item,
                            std::string& address) {
    address = RecipientSmtpAddress(p, item, 1, true);
    return text::containsNoCase(OwnSendAcct(p).ListedAddresses(), address);
}

std::string PrefAccountFor(core::AddinProcess& p, const std::string& address) {
    return OwnSendAcct(p).PrefAccountFor(address);
}

std::string EntryAddress(std::string_view entry) {
    const auto open = entry.find('(');
    if (open == std::string_view::npos || open == 0) throw platform::PlatformError(platform::errors::InvalidCall);
    return std::string(entry.substr(0, open - 1));
}

std::string EntryAccount(std::string_view entry) {
    const auto open = entry.find('(');
    const auto close = open == std::string_view::npos ? open : entry.find(')', open);
    if (close == std::string_view::npos) throw platform::PlatformError(platform::errors::InvalidCall);
    return std::string(entry.substr(open + 1, close - open - 1));
}

std::string PrefAcctMissingText(const std::string& account, const std::string& address) {
    return "Corvane has detected that the preffered account \r\n(" + account + ") for " + address +
           " is not available.\r\n\r\nThis may be due to the account being renamed or deleted.\r\n\r\nPlease select "
           "another preferred account for this e-mail address.\r\n\r\nIf you click Cancel, then the currently "
           "selected account will be used.";
}

}  // namespace corvane::accounts
