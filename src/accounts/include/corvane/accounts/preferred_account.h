#pragma once
// The preferred sending account: the accounts module's procedures around the preference
// list, and the parts of list entries as the list dialog shows them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/access/rdo_objects.h"
#include "corvane/accounts/clsSendAcct.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::accounts {

// gSendAcct, the list the dialogs work on: this process's own or, in Word's, Outlook's
// reached by name; fails with 91 when there is none.
core::SendAcct& SendAcctOf(core::AddinProcess& p);
// gSendAcct as this process's own preference list, for the send pipeline's lookups; fails
// with 91 when there is none and with 438 when it is another kind of object.
clsSendAcct& OwnSendAcct(core::AddinProcess& p);

// The folder's path: "\" + its name, with "\" + each parent folder's name put in front.
std::string FolderPathText(const std::shared_ptr<outlook::Folder>& folder);

// The profile's mail accounts in sending order; the first is Outlook's default.
std::vector<std::shared_ptr<access::RDOAccount>> OrderedAccounts(core::AddinProcess& p);

// Every address of the list in record order, each followed by ";".
std::string ListedAddresses(core::AddinProcess& p);
// Whether the item's first recipient occurs anywhere in ListedAddresses, ignoring case
// (an empty address counts as listed); the address comes back.
bool IsFirstRecipientListed(core::AddinProcess& p, std::string& message, const std::shared_ptr<outlook::Item>& item,
                            std::string& address);
// The account stored for the address (trimmed, ignoring case) in its last equal record;
// "" when it is not listed.
std::string PrefAccountFor(core::AddinProcess& p, const std::string& address);

// A list entry "address (account)" taken apart: the text before " (", and the text
// between the first "(" and the first ")" after it.
std::string EntryAddress(std::string_view entry);
std::string EntryAccount(std::string_view entry);

// The message telling that a preferred account has gone.
std::string PrefAcctMissingText(const std::string& account, const std::string& address);

}  // namespace corvane::accounts
