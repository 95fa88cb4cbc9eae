#include "corvane/accounts/entry_points.h"

#include "corvane/accounts/address_resolution.h"
#include "corvane/accounts/clsSendAcct.h"
#include "corvane/accounts/data_folder_move.h"
#include "corvane/accounts/frmSelectSendAcct.h"
#include "corvane/accounts/list_dialogs.h"
#include "corvane/accounts/preferred_account.h"
#include "dialog_support.h"

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
std::shared_ptr<core::SendAcct> MailFolder::NewSendAcct(core::AddinProcess& p) {
    return std::make_shared<clsSendAcct>(p);
}
std::string MailFolder::FolderPathText(core::AddinProcess&, const std::shared_ptr<outlook::Folder>& folder) {
    return accounts::FolderPathText(folder);
}

bool PreferredAccount::IsFirstRecipientListed(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                              std::string& address) {
    std::string message;
    return accounts::IsFirstRecipientListed(p, message, item, address);
}
std::string PreferredAccount::PrefAccountFor(core::AddinProcess& p, const std::string& address) {
    return accounts::PrefAccountFor(p, address);
}
int PreferredAccount::OrderedAccountsCount(core::AddinProcess& p) {
    return static_cast<int>(OrderedAccounts(p).size());
}
std::string PreferredAccount::PrefAcctMissingMessage(core::AddinProcess&, const std::string& account,
                                                     const std::string& address) {
    return PrefAcctMissingText(account, address);
}
std::string PreferredAccount::ShowSelectSendAcct(core::AddinProcess& p, const std::string& currentAccount,
                                                 const std::string& prefAccount, const std::string& address) {
    frmSelectSendAcct frm(p);
    frm.strDefault = currentAccount;
    frm.strPrefAcct = prefAccount;
    frm.strEmailAddr = address;
    PlayPromptSound(p);
    frm.show(p.host.ui);
    std::string choice = frm.strChange;
    frm.unload();
    return choice;
}
void PreferredAccount::ShowAddEmailToList(core::AddinProcess& p, const std::string& address,
                                          const std::string& account) {
    frmAddEmailToList frm(p);
    frm.strToAddress = address;
    frm.strSelectedAcct = account;
    frm.load();
    PlayPromptSound(p);
    frm.show(p.host.ui);
    frm.unload();
}
void PreferredAccount::ShowEmailAddressEdit(core::AddinProcess& p, const std::string& account,
                                            const std::string& message, const std::string& address) {
    accounts::ShowEmailAddressEdit(p, account, address, message, false);
}
void PreferredAccount::ShowEmailAddress(core::AddinProcess& p) {
    frmEmailAddress frm(p);
    frm.show(p.host.ui);
    frm.unload();
}

}  // namespace corvane::accounts
