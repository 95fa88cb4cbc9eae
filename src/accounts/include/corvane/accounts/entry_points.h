#pragma once
// Accounts and address lists as the add-in proper calls them: one small interface per
// concern. Each method's body is the product's behaviour (neutral where the subsystem is
// not built yet, as marked); a test derives an interface to observe or replace it, and the
// add-in's subsystems (corvane/addin/subsystems.h) hold one object of each.
#include <memory>
#include <string>

#include "corvane/core/send_acct.h"
#include "corvane/outlook/fwd.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::accounts {

// Address resolution for the window wrappers and the send event.
class Resolution {
public:
    virtual ~Resolution() = default;
    // The SMTP address of the recipient at a 1-based position, "" when none is found.
    virtual std::string RecipientEmail(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, int index);
    // Whether the item can no longer be used (reading its EntryID fails).
    virtual bool EntryIdFails(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);
    // Drops the access component's cached MAPI state (after the send event failed).
    virtual void ResetMapiUtils(core::AddinProcess& p);
};

// The settings mail folder and the preference list kept in it.
class MailFolder {
public:
    virtual ~MailFolder() = default;
    // Moves the old data folder under "Kelderon Settings" (once, at start-up); true when
    // it was moved.
    virtual bool MoveCorvaneDataFolder(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder);
    // A new preference list object (at start-up, and when the Word editor hands the list
    // back).
    virtual std::shared_ptr<core::SendAcct> NewSendAcct(core::AddinProcess& p);
    // The path text of a folder, kept as DataFolderPath at start-up.
    virtual std::string FolderPathText(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& folder);
};

// The preferred sending account and its dialogs, at send time, from Word's macros and from
// the list command.
class PreferredAccount {
public:
    virtual ~PreferredAccount() = default;
    // Whether the first recipient is in the list; its address comes back.
    virtual bool IsFirstRecipientListed(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                        std::string& address);
    // The account stored for an address, "" when not listed.
    virtual std::string PrefAccountFor(core::AddinProcess& p, const std::string& address);
    // How many mail accounts the profile has.
    virtual int OrderedAccountsCount(core::AddinProcess& p);
    // The message telling that a preferred account has gone.
    virtual std::string PrefAcctMissingMessage(core::AddinProcess& p, const std::string& account,
                                               const std::string& address);
    // The account-selection dialog (shown, read and unloaded); returns "", "CANCEL" or the
    // account to send from.
    virtual std::string ShowSelectSendAcct(core::AddinProcess& p, const std::string& currentAccount,
                                           const std::string& prefAccount, const std::string& address);
    // The offer to add an unlisted first recipient.
    virtual void ShowAddEmailToList(core::AddinProcess& p, const std::string& address, const std::string& account);
    // The edit dialog asking for a replacement preferred account.
    virtual void ShowEmailAddressEdit(core::AddinProcess& p, const std::string& account, const std::string& message,
                                      const std::string& address);
    // The list dialog (frmEmailAddress), shown modally: the list command.
    virtual void ShowEmailAddress(core::AddinProcess& p);
};

}  // namespace corvane::accounts
