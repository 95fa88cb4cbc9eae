#pragma once
// The preferred-account list object (gSendAcct) as the add-in proper calls it. The list
// class itself, with its mail folder and its stored records, implements this interface;
// until it exists, NeutralSendAcct stands in. It is a late-bound object because the Word
// editor path hands it across processes (WordEditorVariablesGet/Set).
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

// The stand-in until the preference list is built: the list loads and is empty, as it is
// for a user whose settings folder holds a list message without entries; it knows no
// account and changes nothing. So the send event goes on to its confirmations and delay,
// and the account steps find no listed address.
class NeutralSendAcct final : public SendAcct {
public:
    void CreateQuenlowFolder() override {}
    std::string strMailFolderPath() override { return path_; }
    void strMailFolderPath(const std::string& path) override { path_ = path; }
    bool LoadList() override { return true; }
    std::string LoadAccounts() override { return "No Account Selected;"; }
    std::string strChangeAcct() override { return change_; }
    void strChangeAcct(const std::string& value) override { change_ = value; }
    std::string GetSelectedMailAccount(const std::shared_ptr<outlook::Item>&) override { return ""; }
    std::string GetAccountInUse() override { return ""; }
    bool PrefAcctExists(const std::string&) override { return false; }
    bool SendUsingPrefAccount(const std::shared_ptr<outlook::Item>&, const std::string&) override { return false; }

private:
    std::string path_;
    std::string change_;
};

}  // namespace corvane::core
