#pragma once
// The preferred-account list object (gSendAcct) as the add-in proper calls it. The list
// class itself, with its mail folder and its stored records, is accounts::clsSendAcct. It
// is a late-bound object because the Word editor path hands it across processes
// (WordEditorVariablesGet/Set).
#include <memory>
#include <string>

#include "corvane/outlook/fwd.h"
#include "corvane/outlook/object.h"

namespace corvane::core {

class SendAcct : public outlook::Dispatch {
public:
    // Makes sure the data folder and the list message exist.
    virtual void CreateQuenlowFolder() = 0;
    // The data folder's path text; a non-empty value means that a list location is known.
    virtual std::string strMailFolderPath() = 0;
    virtual void strMailFolderPath(const std::string& path) = 0;
    // Loads the list from the list message; false when it could not be loaded.
    virtual bool LoadList() = 0;
    // "No Account Selected;" followed by each mail account's name and ";".
    virtual std::string LoadAccounts() = 0;
    // "CHANGE" after the address edit dialog stored an address at send time, else "".
    virtual std::string strChangeAcct() = 0;
    virtual void strChangeAcct(const std::string& value) = 0;
    // The account the item itself names for sending, "" when none.
    virtual std::string GetSelectedMailAccount(const std::shared_ptr<outlook::Item>& item) = 0;
    // The account Outlook sends with by default.
    virtual std::string GetAccountInUse() = 0;
    // Whether an account of that name exists in the profile.
    virtual bool PrefAcctExists(const std::string& account) = 0;
    // Puts the account on the item; true on success.
    virtual bool SendUsingPrefAccount(const std::shared_ptr<outlook::Item>& item, const std::string& account) = 0;
};

}  // namespace corvane::core
