#pragma once
// The objects an RDOSession hands out: messages, folders, stores and accounts, each with
// Fields. A message deleted through RDOMail.Delete fails every later call with
// MAPI_E_OBJECT_DELETED.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/access/address_entry.h"
#include "corvane/access/collection.h"
#include "corvane/access/properties.h"
#include "corvane/platform/datetime.h"

namespace corvane::access {

class RDOSession;

class RDOAccount : public MapiProperties {
public:
    explicit RDOAccount(std::shared_ptr<mapi::Account> account);

    std::string Name();
    std::string SmtpAddress();
    bool IsExchange();
    // The account's stamp, the text Outlook writes as the account's identity.
    std::string Stamp();

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    std::shared_ptr<mapi::Account> account_;
};

class RDOAccounts {
public:
    explicit RDOAccounts(std::shared_ptr<mapi::Accounts> accounts);

    int Count();
    std::shared_ptr<RDOAccount> Item(int index);  // 1-based
    // By name, ignoring case; a missing one fails with MAPI_E_NOT_FOUND.
    std::shared_ptr<RDOAccount> Item(std::string_view name);
    // The accounts of a category (2 mail) in their order of use; for mail the first is
    // the account Outlook sends with by default.
    std::vector<std::shared_ptr<RDOAccount>> GetOrder(int category);

private:
    std::shared_ptr<mapi::Accounts> accounts_;
};

class RDOMail : public MapiProperties {
public:
    explicit RDOMail(std::shared_ptr<mapi::Message> message);

    std::string EntryID();
    bool UnRead();
    void SetUnRead(bool unread);
    bool Sent();
    void SetSent(bool sent);
    platform::DateTime SentOn();
    void SetSentOn(platform::DateTime when);
    platform::DateTime ReceivedTime();
    void SetReceivedTime(platform::DateTime when);
    // The account the message names for sending; nullptr when none.
    std::shared_ptr<RDOAccount> Account();
    void Save();
    // Removes the message for good; this object is dead afterwards.
    void Delete();
    // Copies every property, recipient and attachment onto the other message.
    void CopyTo(RDOMail& target);

    const std::shared_ptr<mapi::Message>& MAPIOBJECT() const noexcept { return message_; }

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    mapi::Message& Live(std::string_view member);

    std::shared_ptr<mapi::Message> message_;
    bool deleted_ = false;
};

class RDOFolder : public MapiProperties {
public:
    explicit RDOFolder(std::shared_ptr<mapi::Folder> folder);

    std::string Name();
    std::string EntryID();
    std::string StoreID();
    // "\\Mailbox - Name\Inbox"
    std::string FolderPath();
    // A new, unsaved message of that class ("IPM.Note") in the folder.
    std::shared_ptr<RDOMail> AddMessage(std::string_view messageClass);

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    std::shared_ptr<mapi::Folder> folder_;
};

class RDOStore : public MapiProperties {
public:
    RDOStore(std::shared_ptr<mapi::Store> store, std::shared_ptr<RDOSession> session);

    std::string Name();
    std::string EntryID();
    int StoreKind();  // 3 the primary Exchange mailbox
    bool Default();
    // The mailbox owner of an Exchange store; nullptr for others.
    std::shared_ptr<AddressEntry> Owner();
    std::shared_ptr<RDOFolder> IPMRootFolder();
    std::shared_ptr<RDOFolder> GetDefaultFolder(int folderType);
    // The session the store was reached through.
    std::shared_ptr<RDOSession> Session() const noexcept { return session_; }

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    std::shared_ptr<mapi::Store> store_;
    std::shared_ptr<RDOSession> session_;
};

using RDOStores = Collection<RDOStore>;

}  // namespace corvane::access
