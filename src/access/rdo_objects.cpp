#include "corvane/access/rdo_objects.h"

#include "corvane/access/errors.h"
#include "corvane/mapi/objects.h"

namespace corvane::access {

namespace {
std::shared_ptr<RDOAccount> WrapAccount(std::shared_ptr<mapi::Account> account) {
    return account ? std::make_shared<RDOAccount>(std::move(account)) : nullptr;
}
std::shared_ptr<RDOFolder> WrapFolder(std::shared_ptr<mapi::Folder> folder) {
    return folder ? std::make_shared<RDOFolder>(std::move(folder)) : nullptr;
}
}  // namespace

RDOAccount::RDOAccount(std::shared_ptr<mapi::Account> account) : account_(std::move(account)) {}
std::string RDOAccount::Name() { return account_->Name(); }
std::string RDOAccount::SmtpAddress() { return account_->SmtpAddress(); }
bool RDOAccount::IsExchange() { return account_->IsExchange(); }
std::string RDOAccount::Stamp() { return account_->Stamp(); }
std::shared_ptr<mapi::PropertyObject> RDOAccount::PropertySource(std::string_view) { return account_; }

RDOAccounts::RDOAccounts(std::shared_ptr<mapi::Accounts> accounts) : accounts_(std::move(accounts)) {}
int RDOAccounts::Count() { return accounts_->Count(); }
std::shared_ptr<RDOAccount> RDOAccounts::Item(int index) { return WrapAccount(accounts_->Item(index)); }
std::shared_ptr<RDOAccount> RDOAccounts::Item(std::string_view name) { return WrapAccount(accounts_->Item(name)); }

std::vector<std::shared_ptr<RDOAccount>> RDOAccounts::GetOrder(int category) {
    std::vector<std::shared_ptr<RDOAccount>> ordered;
    for (auto& account : accounts_->GetOrder(category)) ordered.push_back(WrapAccount(account));
    return ordered;
}

RDOMail::RDOMail(std::shared_ptr<mapi::Message> message) : message_(std::move(message)) {}

mapi::Message& RDOMail::Live(std::string_view member) {
    if (deleted_) errors::ThrowObjectDeleted("RDOMail", member);
    return *message_;
}

std::string RDOMail::EntryID() { return Live("EntryID").EntryID(); }
bool RDOMail::UnRead() { return Live("UnRead").UnRead(); }
void RDOMail::SetUnRead(bool unread) { Live("UnRead").SetUnRead(unread); }
bool RDOMail::Sent() { return Live("Sent").Sent(); }
void RDOMail::SetSent(bool sent) { Live("Sent").SetSent(sent); }
platform::DateTime RDOMail::SentOn() { return Live("SentOn").SentOn(); }
void RDOMail::SetSentOn(platform::DateTime when) { Live("SentOn").SetSentOn(when); }
platform::DateTime RDOMail::ReceivedTime() { return Live("ReceivedTime").ReceivedTime(); }
void RDOMail::SetReceivedTime(platform::DateTime when) { Live("ReceivedTime").SetReceivedTime(when); }
std::shared_ptr<RDOAccount> RDOMail::Account() { return WrapAccount(Live("Account").Account()); }
void RDOMail::Save() { Live("Save").Save(); }

void RDOMail::Delete() {
    Live("Delete").Delete();
    deleted_ = true;
}

void RDOMail::CopyTo(RDOMail& target) {
    auto& source = Live("CopyTo");
    target.Live("CopyTo");
    source.CopyTo(target.message_);
}

std::shared_ptr<mapi::PropertyObject> RDOMail::PropertySource(std::string_view member) {
    Live(member);
    return message_;
}

RDOFolder::RDOFolder(std::shared_ptr<mapi::Folder> folder) : folder_(std::move(folder)) {}
std::string RDOFolder::Name() { return folder_->Name(); }
std::string RDOFolder::EntryID() { return folder_->EntryID(); }
std::string RDOFolder::StoreID() { return folder_->StoreID(); }
std::string RDOFolder::FolderPath() { return folder_->FolderPath(); }

std::shared_ptr<RDOMail> RDOFolder::AddMessage(std::string_view messageClass) {
    return std::make_shared<RDOMail>(folder_->AddMessage(messageClass));
}

std::shared_ptr<mapi::PropertyObject> RDOFolder::PropertySource(std::string_view) { return folder_; }

RDOStore::RDOStore(std::shared_ptr<mapi::Store> store, std::shared_ptr<RDOSession> session)
    : store_(std::move(store)), session_(std::move(session)) {}
std::string RDOStore::Name() { return store_->Name(); }
std::string RDOStore::EntryID() { return store_->EntryID(); }
int RDOStore::StoreKind() { return store_->StoreKind(); }
bool RDOStore::Default() { return store_->Default(); }
std::shared_ptr<AddressEntry> RDOStore::Owner() { return WrapEntry(store_->Owner()); }
std::shared_ptr<RDOFolder> RDOStore::IPMRootFolder() { return WrapFolder(store_->IPMRootFolder()); }
std::shared_ptr<RDOFolder> RDOStore::GetDefaultFolder(int folderType) {
    return WrapFolder(store_->GetDefaultFolder(folderType));
}
std::shared_ptr<mapi::PropertyObject> RDOStore::PropertySource(std::string_view) { return store_; }

}  // namespace corvane::access
