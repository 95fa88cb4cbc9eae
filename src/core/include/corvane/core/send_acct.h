#pragma once
// The preferred-account list object (gSendAcct) as the add-in proper calls it. The list
// class itself, with its mail folder and its stored records, is accounts::clsSendAcct. It
// is a late-bound object because the Word editor path hands it across processes
// (WordEditorVariablesGet/Set): in Word's process the same members reach Outlook's list
// by name.
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

    // The record cursor the list dialogs work with. Readers move with AbsolutePosition
    // ("1" ... count) and read strEmailAddress / strAccount; writers call AddNew or Edit
    // (or Find then Edit), set both fields and Update; deleting is AbsolutePosition then
    // Delete. Record operations return false and leave the reason in ErrorReport.
    virtual bool Edit() = 0;
    virtual bool Update() = 0;
    virtual bool Delete() = 0;
    virtual void AddNew() = 0;
    // Searches from the current record forward for the address.
    virtual bool Find(const std::string& strEmailAddress) = 0;
    virtual long count() = 0;
    virtual std::string strAccount() = 0;
    virtual void strAccount(const std::string& value) = 0;
    virtual std::string strEmailAddress() = 0;
    virtual void strEmailAddress(const std::string& value) = 0;
    virtual std::string ErrorReport() = 0;
    virtual void ErrorReport(const std::string& value) = 0;
    // The current record number from 1, as text.
    virtual std::string AbsolutePosition() = 0;
    virtual void AbsolutePosition(const std::string& position) = 0;
};

// The add-in's Connect as the code in Word reaches it: created through Outlook so that it
// lives in Outlook's process, it hands out the add-in's list object and takes it back with
// a cancel decision for the next send.
class WordEditorVariables {
public:
    virtual ~WordEditorVariables() = default;
    // objsnd becomes the add-in's list object.
    virtual void WordEditorVariablesGet(std::shared_ptr<SendAcct>& objsnd) = 0;
    // objsnd becomes the add-in's list object again, reloaded; the cancel decision is kept
    // for the next send.
    virtual void WordEditorVariablesSet(std::shared_ptr<SendAcct>& objsnd, bool& blnCancelSend) = 0;

protected:
    WordEditorVariables() = default;
    WordEditorVariables(const WordEditorVariables&) = default;
    WordEditorVariables& operator=(const WordEditorVariables&) = default;
};

}  // namespace corvane::core
