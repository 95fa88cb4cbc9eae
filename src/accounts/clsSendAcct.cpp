// The preference list object: the list message in the data folder and the record cursor.
#include "corvane/accounts/clsSendAcct.h"

#include <algorithm>
#include <deque>

#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/accounts/preferred_account.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/resources/resource_defaults.h"
#include "corvane/text/text.h"
#include "folder_lookup.h"
#include "list_order.h"

namespace corvane::accounts {
namespace {

using platform::IgnoreErrors;
using platform::PlatformError;
namespace rid = resources::resource_id;

struct FolderNames {
    std::string parent;
    std::string data;
};

FolderNames DataFolderNames(core::AddinProcess& p) {
    if (!p.gResource) return {"Brackenfold Settings", "Corvane"};
    return {resources::LoadResourceString(*p.gResource, rid::DataParentFolder),
            resources::LoadResourceString(*p.gResource, rid::DataFolder)};
}

std::shared_ptr<outlook::NameSpace> MapiNameSpace(core::AddinProcess& p) {
    return core::vb::Need(p.gOutlook)->GetNamespace("MAPI");
}

ListRecord Record(const std::string& address, const std::string& account) { return {address, account}; }

ListRecord Owned(const ListRecordView& r) {
    ListRecord owned;
    if (r.strEmailAddress) owned.strEmailAddress.emplace(*r.strEmailAddress);
    if (r.strAccount) owned.strAccount.emplace(*r.strAccount);
    return owned;
}

bool SameRecord(const ListRecordView& r, const ListRecord& other) {
    return r.strEmailAddress == other.strEmailAddress && r.strAccount == other.strAccount;
}

std::shared_ptr<access::RDOSession> BoundSession(core::AddinProcess& p) {
    auto session = access::CreateAccessObject<access::RDOSession>(*p.access);
    session->SetMAPIOBJECT(MapiNameSpace(p)->MAPIOBJECT());
    return session;
}

std::string EmptyListText() { return WriteRowset({}); }

}  // namespace

// ---- the list message ----

bool clsSendAcct::GetDefaultFolder() {
    ErrorReport_.clear();
    try {
        if (!nameSpace_) nameSpace_ = MapiNameSpace(p_);
        const auto names = DataFolderNames(p_);
        auto parent = core::vb::Need(MailboxRoot(p_)->Folders()->Item(names.parent));
        core::vb::Need(parent->Folders()->Item(names.data));
        return true;
    } catch (const PlatformError&) {
        return false;
    }
}

std::shared_ptr<outlook::Folder> clsSendAcct::DataFolder() {
    const auto names = DataFolderNames(p_);
    std::shared_ptr<outlook::Folder> folder;
    IgnoreErrors([&] {
        auto root = MailboxRoot(p_);
        folder = core::vb::Need(core::vb::Need(root->Folders()->Item(names.parent))->Folders()->Item(names.data));
    });
    return folder;
}

void clsSendAcct::CreateQuenlowFolder() {
    ErrorReport_.clear();
    try {
        nameSpace_ = MapiNameSpace(p_);
        if (!GetDefaultFolder()) CreateDataFolders();
    } catch (const PlatformError& e) {
        if (e.number() != 0)
            platform::ShowMessageBox(p_.host.ui,
                                     std::to_string(e.number()) + e.description() + "Folder already exists - Corvane",
                                     platform::mb::OkOnly, "Corvane");
    }
}

void clsSendAcct::CreateDataFolders() {
    const auto names = DataFolderNames(p_);
    auto root = MailboxRoot(p_);
    auto parent = ChildFolder(root, names.parent);
    if (ChildFolder(parent, names.data)) return;
    if (!parent) parent = core::vb::Need(root->Folders()->Add(names.parent, -1));
    dataFolder_ = core::vb::Need(parent->Folders()->Add(names.data, -1));
    EmailAddressListMailMake(dataFolder_);
    p_.DataFolderPath = FolderPathText(dataFolder_);
    const std::string& title = p_.appTitle;
    platform::ShowMessageBox(p_.host.ui,
                             title + " has created the following folder in Outlook for you:\r\n" + p_.DataFolderPath +
                                 "\r\n\r\nThis folder is used to save your " + title +
                                 " Settings.\r\nPlease do not delete or change the folder or the e-mails in it.",
                             platform::mb::InformationOk, title);
}

std::shared_ptr<outlook::Item> clsSendAcct::EmailAddressListMailMake(
    const std::shared_ptr<outlook::Folder>& objFolder) {
    ErrorReport_.clear();
    auto item = core::vb::Need(core::vb::Need(p_.gOutlook)->CreateItem(outlook::olitem::Mail));
    item->SetSubject(std::string(ListSubject));
    ResetMapiUtils(p_);
    {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p_.access);
        safe->SetItem(item);
        safe->SetBody(EmptyListText());
        // A Google Apps store takes the message only when it is moved unsaved.
        if (!p_.gIsGoogleApps) safe->Save();
        IgnoreErrors([&] { item = item->Move(objFolder); });
        MarkMailAsRead(item);
        safe->SetItem(nullptr);
    }
    ResetMapiUtils(p_);
    return item;
}

void clsSendAcct::MarkMailAsRead(const std::shared_ptr<outlook::Item>& oUnReadMailItem) {
    try {
        auto cls = core::vb::Need(oUnReadMailItem)->Class();
        if (cls != outlook::olclass::Mail && cls != outlook::olclass::Post && cls != outlook::olclass::Report) return;
        core::EnsureOutlook(p_);
        auto parent = core::vb::Need(std::dynamic_pointer_cast<outlook::Folder>(oUnReadMailItem->Parent()));
        const std::string storeId = parent->StoreID();
        auto again = MapiNameSpace(p_)->GetItemFromID(oUnReadMailItem->EntryID(), storeId);
        std::shared_ptr<access::SafeItem> safe;
        if (cls == outlook::olclass::Mail)
            safe = access::CreateAccessObject<access::SafeMailItem>(*p_.access);
        else if (cls == outlook::olclass::Post)
            safe = access::CreateAccessObject<access::SafePostItem>(*p_.access);
        else
            safe = access::CreateAccessObject<access::SafeReportItem>(*p_.access);
        safe->SetItem(again);
        const bool lenient = EntryIdFails(again);
        auto step = [&](auto&& f) {
            if (lenient)
                IgnoreErrors(f);
            else
                f();
        };
        step([&] { safe->SetUnRead(false); });
        bool stillUnread = false;
        step([&] { stillUnread = safe->UnRead(); });
        if (core::OutlookMajorVersionNumber(p_) < 12 || stillUnread) {
            step([&] {
                auto session = access::CreateAccessObject<access::RDOSession>(*p_.access);
                if (core::OutlookMajorVersion(p_) == "9")
                    session->Logon();
                else
                    session->SetMAPIOBJECT(MapiNameSpace(p_)->MAPIOBJECT());
                if (session->LoggedOn()) session->GetMessageFromID(safe->EntryID(), storeId)->SetUnRead(false);
            });
        }
    } catch (const PlatformError&) {
        // Keeping the list message read is a courtesy: nothing depends on it.
    }
}

std::shared_ptr<outlook::Item> clsSendAcct::EmailAddressListMailGet(const std::string& strFolderPath) {
    ErrorReport_.clear();
    auto folder = DataFolder();
    if (!folder) {
        platform::ShowMessageBox(
            p_.host.ui, "Unable to load list from the folder " + strFolderPath + " as the folder could not be found!",
            platform::mb::CriticalOk, p_.appTitle);
        return nullptr;
    }
    auto items = folder->Items();
    const int n = items->Count();
    for (int i = 1; i <= n; ++i) {
        auto item = items->Item(i);
        if (item && item->Subject() == ListSubject) return item;
    }
    return EmailAddressListMailMake(folder);
}

bool clsSendAcct::EmailAddressListMailOpen(const std::string& strFolderPath) {
    ErrorReport_.clear();
    open_ = false;
    pos_ = -1;
    loadProblem_.clear();
    auto item = EmailAddressListMailGet(strFolderPath);
    if (!item) return false;
    std::string body;
    {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p_.access);
        safe->SetItem(item);
        body = safe->Body();
    }
    // Each send loads the list again: a body unchanged since this object read it gives
    // the records it gave then.
    if (!rowsAsStored_ || !stored_ || body != *stored_) {
        rowsChanged();
        try {
            take(ReadRowsetInPlace(WithoutNoBreakSpaces(body)));
        } catch (const RowsetError& e) {
            take({});
            loadProblem_ = e.what();
            stored_ = std::move(body);
            platform::ShowMessageBox(p_.host.ui,
                                     "Unable to load list from the folder " + strFolderPath +
                                         " as the e-mail \"Email Address\" in it could not be read (" + loadProblem_ +
                                         ").\r\nThe e-mail has been left as it is.",
                                     platform::mb::CriticalOk, p_.appTitle);
            return false;
        }
        SortByAddress(rows_);
        stored_ = std::move(body);
        rowsAsStored_ = true;
    }
    open_ = true;
    pos_ = 0;
    return true;
}

bool clsSendAcct::LoadList() {
    ErrorReport_.clear();
    if (strMailFolderPath_.empty()) return false;
    return EmailAddressListMailOpen(strMailFolderPath_);
}

bool clsSendAcct::EmailAddressMailSave(const std::string& strFolderPath) {
    ErrorReport_.clear();
    auto item = EmailAddressListMailGet(strFolderPath);
    if (!item) {
        platform::ShowMessageBox(p_.host.ui, "Unable to find mail item that is used to save e-mail addresses",
                                 platform::mb::CriticalOk, "Error: ProjectListMailSave - " + p_.appTitle);
        return false;
    }
    auto safe = access::CreateAccessObject<access::SafeMailItem>(*p_.access);
    safe->SetItem(item);
    const std::string now = safe->Body();
    if (stored_ && now != *stored_) {
        // Saved meanwhile by another list object (Word's, or another window's): this
        // change is made on what is stored now.
        rowsChanged();
        try {
            take(ReadRowsetInPlace(WithoutNoBreakSpaces(now)));
        } catch (const RowsetError& e) {
            ErrorReport_ = "The list in the folder " + strFolderPath + " cannot be read (" + e.what() +
                           "), so it has not been changed.";
            return false;
        }
        if (pending_) replay(*pending_);
    }
    const std::string text = WriteRowsetViews(rows_);
    safe->SetBody(text);
    safe->Save();
    stored_ = text;
    return true;
}

// ---- the record cursor ----

void clsSendAcct::take(RowsetText read) {
    rows_ = std::move(read.records);
    text_ = std::move(read.text);
    owned_.clear();
}

ListRecordView clsSendAcct::keep(const ListRecord& record) {
    ListRecordView r;
    if (record.strEmailAddress) r.strEmailAddress = owned_.emplace_back(*record.strEmailAddress);
    if (record.strAccount) r.strAccount = owned_.emplace_back(*record.strAccount);
    return r;
}

void clsSendAcct::rowsChanged() {
    rowsAsStored_ = false;
    listed_.reset();
    recordOfAddress_.reset();
}

void clsSendAcct::moveLast() {
    if (!open_ || rows_.empty()) return;
    ErrorReport_.clear();
    pos_ = static_cast<long>(rows_.size()) - 1;
    copyCurrent();
}

const std::string& clsSendAcct::ListedAddresses() {
    static const std::string none;
    if (!open_) return none;
    if (!listed_) {
        std::string listed;
        for (const auto& r : rows_) listed.append(r.strEmailAddress.value_or("")).push_back(';');
        listed_ = std::move(listed);
    }
    moveLast();
    return *listed_;
}

std::string clsSendAcct::PrefAccountFor(const std::string& address) {
    if (!open_) return {};
    if (!recordOfAddress_) {
        std::unordered_map<std::string, std::size_t> index;
        index.reserve(rows_.size());
        for (std::size_t i = 0; i < rows_.size(); ++i)
            index.insert_or_assign(text::toLower(text::trim(rows_[i].strEmailAddress.value_or(""))), i);
        recordOfAddress_ = std::move(index);
    }
    moveLast();
    const auto found = recordOfAddress_->find(text::toLower(text::trim(address)));
    return found == recordOfAddress_->end() ? std::string()
                                            : std::string(rows_[found->second].strAccount.value_or(""));
}

void clsSendAcct::copyCurrent() {
    strEmailAddress_ = rows_[static_cast<std::size_t>(pos_)].strEmailAddress.value_or("");
    strAccount_ = rows_[static_cast<std::size_t>(pos_)].strAccount.value_or("");
}

void clsSendAcct::AddNew() {
    ErrorReport_.clear();
    editMode_ = "Add";
    strEmailAddress_.clear();
    strAccount_.clear();
}

bool clsSendAcct::Edit() {
    ErrorReport_.clear();
    if (!current()) {
        ErrorReport_ = "Cannot go to Edit mode as there is no current record";
        return false;
    }
    editMode_ = "Edit";
    return true;
}

bool clsSendAcct::saveChange(const Change& change) {
    pending_ = change;
    bool saved = false;
    try {
        saved = EmailAddressMailSave(strMailFolderPath_);
    } catch (const PlatformError& e) {
        ErrorReport_ = e.description();
    }
    pending_.reset();
    return saved;
}

void clsSendAcct::replay(const Change& change) {
    auto at = std::find_if(rows_.begin(), rows_.end(), [&](const auto& r) { return SameRecord(r, change.before); });
    switch (change.kind) {
        case Change::Kind::Add:
            rows_.push_back(keep(change.after));
            pos_ = static_cast<long>(rows_.size()) - 1;
            break;
        case Change::Kind::Edit:
            if (at == rows_.end()) at = rows_.insert(rows_.end(), {});
            *at = keep(change.after);
            pos_ = at - rows_.begin();
            break;
        case Change::Kind::Delete:
            if (at != rows_.end()) at = rows_.erase(at);
            pos_ = at - rows_.begin();
            break;
    }
}

bool clsSendAcct::Update() {
    ErrorReport_.clear();
    strEmailAddress_ = text::trim(strEmailAddress_);
    strAccount_ = text::trim(strAccount_);
    if (strEmailAddress_.empty()) {
        ErrorReport_ = "Email Address cannot be saved because it has not been entered.";
        return false;
    }
    if (editMode_ != "Edit" && editMode_ != "Add") {
        ErrorReport_ = "AddNew or Edit method must be done before the Update";
        return false;
    }
    if (!open_) {
        ErrorReport_ = loadProblem_.empty()
                           ? std::string(platform::errors::AdoObjectClosed.description)
                           : "The list cannot be changed as it could not be read (" + loadProblem_ + ").";
        return false;
    }
    Change change{Change::Kind::Add, {}, Record(strEmailAddress_, strAccount_)};
    if (editMode_ == "Edit") {
        if (!current()) {
            ErrorReport_ = platform::errors::AdoNoCurrentRecord.description;
            return false;
        }
        change.kind = Change::Kind::Edit;
        change.before = Owned(rows_[static_cast<std::size_t>(pos_)]);
        rowsChanged();
        rows_[static_cast<std::size_t>(pos_)] = keep(change.after);
    } else {
        rowsChanged();
        rows_.push_back(keep(change.after));
        pos_ = static_cast<long>(rows_.size()) - 1;
    }
    return saveChange(change);
}

bool clsSendAcct::Delete() {
    ErrorReport_.clear();
    if (!current()) {
        ErrorReport_ = "No active record to delete";
        return false;
    }
    Change change{Change::Kind::Delete, Owned(rows_[static_cast<std::size_t>(pos_)]), {}};
    rowsChanged();
    rows_.erase(rows_.begin() + pos_);
    return saveChange(change);
}

bool clsSendAcct::Find(const std::string& strEmailAddress) {
    ErrorReport_.clear();
    if (!open_) return false;
    if (pos_ < 0) pos_ = 0;
    for (; pos_ < static_cast<long>(rows_.size()); ++pos_) {
        if (text::equalsNoCase(rows_[static_cast<std::size_t>(pos_)].strEmailAddress.value_or(""), strEmailAddress)) {
            copyCurrent();
            return true;
        }
    }
    return false;
}

long clsSendAcct::count() { return open_ ? static_cast<long>(rows_.size()) : 0; }

std::string clsSendAcct::AbsolutePosition() {
    if (!open_) return "-1";
    if (rows_.empty()) return "-1";
    if (pos_ < 0) return "-2";
    if (pos_ >= static_cast<long>(rows_.size())) return "-3";
    return std::to_string(pos_ + 1);
}

void clsSendAcct::AbsolutePosition(const std::string& position) {
    ErrorReport_.clear();
    try {
        if (!open_) throw PlatformError(platform::errors::AdoObjectClosed);
        const auto n = text::wholeNumber(position);
        if (!n || *n < 1 || *n > static_cast<long long>(rows_.size()))
            throw PlatformError(platform::errors::AdoArguments);
        pos_ = static_cast<long>(*n - 1);
        copyCurrent();
    } catch (const PlatformError& e) {
        platform::ShowMessageBox(p_.host.ui, e.description(), platform::mb::ExclamationOk,
                                 "AbsolutePosition_Get_Error - Corvane");
        ErrorReport_ = e.description();
    }
}

// ---- the accounts ----

std::string clsSendAcct::LoadAccounts() {
    ErrorReport_.clear();
    std::string list = std::string(NoAccountSelected) + ";";
    for (const auto& account : OrderedAccounts(p_)) list += account->Name() + ";";
    strAccounts_ = list;
    return list;
}

std::string clsSendAcct::GetAccountInUse() {
    ErrorReport_.clear();
    const auto accounts = OrderedAccounts(p_);
    if (accounts.empty()) throw PlatformError(platform::errors::IndexOutOfBounds);
    return accounts.front()->Name();
}

std::string clsSendAcct::GetSelectedMailAccount(const std::shared_ptr<outlook::Item>& item) {
    ErrorReport_.clear();
    try {
        auto message = BoundSession(p_)->GetMessageFromID(core::vb::Need(item)->EntryID());
        auto account = message->Account();
        return account ? account->Name() : std::string();
    } catch (const PlatformError& e) {
        ErrorReport_ = e.description();
        return {};
    }
}

bool clsSendAcct::PrefAcctExists(const std::string& strPrefAcct) {
    ErrorReport_.clear();
    const std::string wanted = text::toLower(text::trim(strPrefAcct));
    for (const auto& account : OrderedAccounts(p_))
        if (text::toLower(text::trim(account->Name())) == wanted) return true;
    return false;
}

bool clsSendAcct::SendUsingPrefAccount(const std::shared_ptr<outlook::Item>& item, const std::string& strPrefAccount) {
    ErrorReport_.clear();
    try {
        auto account = BoundSession(p_)->Accounts()->Item(text::trim(strPrefAccount));
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p_.access);
        safe->SetItem(item);
        const auto stamp = account->Fields(mapi::tags::AccountSendStamp);
        safe->SetFields(mapi::String8Tag(mapi::tags::PrimarySendAccount), stamp);
        safe->SetFields(mapi::String8Tag(mapi::tags::NextSendAccount), stamp);
        safe->SetFields(mapi::String8Tag(mapi::tags::OutlookAccountName), account->Name());
        safe->SetFields(mapi::String8Tag(mapi::tags::OutlookAccountStamp), account->Stamp());
        safe->Save();
        return true;
    } catch (const PlatformError&) {
        return false;
    }
}

}  // namespace corvane::accounts
