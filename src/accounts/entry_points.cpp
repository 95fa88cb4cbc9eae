#include "corvane/accounts/entry_points.h"

#include "corvane/accounts/address_resolution.h"
#include "corvane/accounts/data_folder_move.h"

namespace corvane::accounts {

std::string Resolution::RecipientEmail(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, int index) {
    // The window's own-address removal asks quietly, without Word's MAPI binding.
    return accounts::RecipientEmail(p, item, index);
}
bool Resolution::EntryIdFails(core::AddinProcess&, const std::shared_ptr<outlook::Item>& item) {
    return accounts::EntryIdFails(item);
}
void Resolution::ResetMapiUtils(core::AddinProcess& p) { accounts::ResetMapiUtils(p); }

bool MailFolder::MoveCorvaneDataFolder(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder) {
    return accounts::MoveCorvaneDataFolder(p, oldFolder);
}
std::shared_ptr<core::SendAcct> MailFolder::NewSendAcct(core::AddinProcess&) {
    return std::make_shared<core::NeutralSendAcct>();
}
std::string MailFolder::FolderPathText(core::AddinProcess&, const std::shared_ptr<outlook::Folder>&) { return ""; }

bool PreferredAccount::IsFirstRecipientListed(core::AddinProcess&, const std::shared_ptr<outlook::Item>&,
                                              std::string&) {
    return false;
}
std::string PreferredAccount::PrefAccountFor(core::AddinProcess&, const std::string&) { return ""; }
int PreferredAccount::OrderedAccountsCount(core::AddinProcess&) { return 0; }
std::string PreferredAccount::PrefAcctMissingMessage(core::AddinProcess&, const std::string&, const std::string&) {
    return "";
}
std::string PreferredAccount::ShowSelectSendAcct(core::AddinProcess&, const std::string&, const std::string&,
                                                 const std::string&) {
    return "";
}
void PreferredAccount::ShowAddEmailToList(core::AddinProcess&, const std::string&, const std::string&) {}
void PreferredAccount::ShowEmailAddressEdit(core::AddinProcess&, const std::string&, const std::string&,
                                            const std::string&) {}

}  // namespace corvane::accounts
