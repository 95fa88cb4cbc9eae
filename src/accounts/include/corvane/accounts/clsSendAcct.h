#pragma once
// The preference list (gSendAcct): the list message in the settings mail folder, read into
// a small record cursor, and the account operations on items. One object lives from
// connection to disconnection; code running in Word reaches the same object through the
// connection's WordEditorVariablesGet.
//
// Readers move with AbsolutePosition("1") ... count() and read strEmailAddress /
// strAccount; writers call AddNew or Edit (or Find then Edit), set both fields and Update;
// deleting is AbsolutePosition then Delete. Update and Delete write the whole list back
// into the list message at once. Record operations show nothing: they return false and
// leave the reason in ErrorReport.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "corvane/accounts/rowset.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/send_acct.h"
#include "corvane/outlook/fwd.h"

namespace corvane::accounts {

inline constexpr std::string_view ListSubject = "Email Address";
inline constexpr std::string_view NoAccountSelected = "No Account Selected";

class clsSendAcct final : public core::SendAcct {
public:
    explicit clsSendAcct(core::AddinProcess& process) : p_(process) {}

    // Whether a list is loaded (the recordset is open).
    bool m_RsEmailAddr() const noexcept { return open_; }
    std::string strMailFolderPath() override { return strMailFolderPath_; }
    void strMailFolderPath(const std::string& path) override { strMailFolderPath_ = path; }

    // Writes the loaded list into the list message; false (with its message) when there
    // is no list message. A list message changed by someone else since it was read is
    // read again and this object's change made on it, so that nothing is lost; a list
    // message that cannot be read is never overwritten.
    bool EmailAddressMailSave(const std::string& strFolderPath);
    // A new list message holding the empty list, moved into the folder and kept read.
    std::shared_ptr<outlook::Item> EmailAddressListMailMake(const std::shared_ptr<outlook::Folder>& objFolder);
    // Marks a mail, post or report item as read, through Outlook and, where Outlook does
    // not manage, through the access component. Never fails.
    void MarkMailAsRead(const std::shared_ptr<outlook::Item>& oUnReadMailItem);
    // The first "Email Address" message of the data folder, made when there is none;
    // nullptr (with its message) when the folder cannot be found.
    std::shared_ptr<outlook::Item> EmailAddressListMailGet(const std::string& strFolderPath);
    // Loads the list, sorted by address. False when there is no list message, or when its
    // body cannot be read (with a message naming the folder and the problem; the body is
    // left as it is).
    bool EmailAddressListMailOpen(const std::string& strFolderPath);

    bool Edit() override;
    bool Update() override;
    bool Delete() override;
    std::string LoadAccounts() override;
    // Searches from the current record forward (no wrapping), ignoring case.
    bool Find(const std::string& strEmailAddress) override;
    long count() override;
    std::string strAccount() override { return strAccount_; }
    void strAccount(const std::string& value) override { strAccount_ = value; }
    std::string strEmailAddress() override { return strEmailAddress_; }
    void strEmailAddress(const std::string& value) override { strEmailAddress_ = value; }
    std::string strChangeAcct() override { return m_strChangeAcct_; }
    void strChangeAcct(const std::string& value) override { m_strChangeAcct_ = value; }
    bool LoadList() override;
    std::string ErrorReport() override { return ErrorReport_; }
    void ErrorReport(const std::string& value) override { ErrorReport_ = value; }
    // The current record number from 1; "-1" unknown, "-2" before the first, "-3" after
    // the last record.
    std::string AbsolutePosition() override;
    void AbsolutePosition(const std::string& position) override;
    void AddNew() override;
    void CreateQuenlowFolder() override;
    std::string GetAccountInUse() override;
    bool GetDefaultFolder();
    bool SendUsingPrefAccount(const std::shared_ptr<outlook::Item>& item, const std::string& strPrefAccount) override;
    std::string GetSelectedMailAccount(const std::shared_ptr<outlook::Item>& item) override;
    bool PrefAcctExists(const std::string& strPrefAcct) override;

    // Every address in record order, each followed by ";"; the cursor is left on the last
    // record, as walking the records would leave it.
    const std::string& ListedAddresses();
    // The account of the last record whose address equals the given one, ignoring case
    // and surrounding blanks; empty when there is none. The cursor is left on the last
    // record.
    std::string PrefAccountFor(const std::string& address);

    // The account list text LoadAccounts remembered.
    const std::string& accountList() const noexcept { return strAccounts_; }

private:
    // A change made on the loaded list, replayed on a list someone else saved meanwhile.
    struct Change {
        enum class Kind { Add, Edit, Delete } kind;
        ListRecord before;
        ListRecord after;
    };

    void CreateDataFolders();
    std::shared_ptr<outlook::Folder> DataFolder();
    bool current() const { return open_ && pos_ >= 0 && pos_ < static_cast<long>(rows_.size()); }
    void copyCurrent();
    void moveLast();
    // Called before the records change: they no longer stand for the stored text.
    void rowsChanged();
    bool saveChange(const Change& change);
    void replay(const Change& change);
    // The records read from a list text, in place of the loaded ones.
    void take(RowsetText read);
    // A record of its own for rows_: its text kept by this object.
    ListRecordView keep(const ListRecord& record);

    core::AddinProcess& p_;
    // m_RsEmailAddr: the records point into the text they were read from (text_) or, once
    // added or edited, into their own text (owned_).
    std::vector<ListRecordView> rows_;
    std::unique_ptr<std::string> text_;
    std::deque<std::string> owned_;
    bool open_ = false;
    long pos_ = -1;
    std::string strMailFolderPath_;
    std::string m_strChangeAcct_;
    std::string strAccounts_;
    std::string ErrorReport_;
    std::string strEmailAddress_;
    std::string strAccount_;
    std::string editMode_;
    std::shared_ptr<outlook::Folder> dataFolder_;
    std::shared_ptr<outlook::NameSpace> nameSpace_;
    // The list text as last read from or written to the list message.
    std::optional<std::string> stored_;
    // Whether rows_ are the records of stored_ as loading sorts them.
    bool rowsAsStored_ = false;
    // Made from rows_ when first needed, dropped when they change: the listed addresses
    // and, for each address ignoring case and blanks, its last record.
    std::optional<std::string> listed_;
    std::optional<std::unordered_map<std::string, std::size_t>> recordOfAddress_;
    std::optional<Change> pending_;
    std::string loadProblem_;
};

}  // namespace corvane::accounts
