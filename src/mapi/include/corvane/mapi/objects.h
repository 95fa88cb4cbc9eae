#pragma once
// The Extended-MAPI objects below the Outlook object model, in the RDO shape the secure
// mail access component builds on: every object reads and writes its properties by tag
// (Fields), and the session reaches stores, ordered accounts, messages by entry id and
// .msg files. Failures throw platform::PlatformError with MAPI's numbers.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/mapi/fwd.h"
#include "corvane/mapi/props.h"
#include "corvane/platform/datetime.h"

namespace corvane::mapi {

class PropertyObject {
public:
    virtual ~PropertyObject() = default;
    // The property, empty when the object does not have it.
    virtual PropValue Fields(PropTag tag) = 0;
    // Writes the property; the object keeps it until it is saved or dropped (a message
    // must be saved, the other objects take it at once).
    virtual void SetFields(PropTag tag, const PropValue& value) = 0;
};

class AddressEntry : public PropertyObject {
public:
    virtual std::string Name() = 0;
    virtual std::string Address() = 0;
    virtual std::string Type() = 0;  // "SMTP", "EX", "MAPIPDL", ...
    virtual int DisplayType() = 0;   // outlook::oldisplay
    virtual int Class() = 0;         // 8, the Outlook address entry class
    // The entry's SMTP address: its own for "SMTP", the primary proxy address (or
    // PR_SMTP_ADDRESS) for "EX", empty for a personal distribution list.
    virtual std::string SmtpAddress() = 0;
    // The members of a distribution list; nothing for any other entry.
    virtual std::optional<std::vector<std::shared_ptr<AddressEntry>>> Members() = 0;
};

// One row of a message's recipient table, in the order of the item's Recipients.
class Recipient : public PropertyObject {
public:
    virtual std::string Name() = 0;
    virtual std::string Address() = 0;
    virtual int Type() = 0;  // outlook::olrecipient
    virtual bool Resolved() = 0;
    virtual std::shared_ptr<mapi::AddressEntry> AddressEntry() = 0;  // nullptr while unresolved
};

class Attachment : public PropertyObject {
public:
    virtual std::string FileName() = 0;
};

class Message : public PropertyObject {
public:
    virtual std::string EntryID() = 0;  // hex text; empty until saved
    virtual std::string StoreID() = 0;
    virtual std::vector<std::shared_ptr<mapi::Recipient>> Recipients() = 0;
    virtual std::vector<std::shared_ptr<mapi::Attachment>> Attachments() = 0;
    // The sender's address entry, nullptr when the message has none.
    virtual std::shared_ptr<AddressEntry> Sender() = 0;
    // The account the message names for sending (PR_PRIMARY_SEND_ACCT), nullptr when none.
    virtual std::shared_ptr<mapi::Account> Account() = 0;
    virtual bool UnRead() = 0;
    virtual void SetUnRead(bool unread) = 0;
    virtual bool Sent() = 0;
    virtual void SetSent(bool sent) = 0;
    virtual platform::DateTime SentOn() = 0;
    virtual void SetSentOn(platform::DateTime when) = 0;
    virtual platform::DateTime ReceivedTime() = 0;
    virtual void SetReceivedTime(platform::DateTime when) = 0;
    virtual std::shared_ptr<mapi::Folder> Parent() = 0;
    virtual void Save() = 0;
    // Removes the message from its folder for good (not into Deleted Items).
    virtual void Delete() = 0;
    // Copies every property, recipient and attachment onto another message.
    virtual void CopyTo(const std::shared_ptr<Message>& target) = 0;
};

class Folder : public PropertyObject {
public:
    virtual std::string Name() = 0;
    virtual std::string EntryID() = 0;
    virtual std::string StoreID() = 0;
    virtual std::string FolderPath() = 0;
    virtual std::vector<std::shared_ptr<Message>> Messages() = 0;
    // A new, unsaved message of that class in the folder ("IPM.Note").
    virtual std::shared_ptr<Message> AddMessage(std::string_view messageClass) = 0;
};

// RDO's StoreKind.
namespace storekind {
inline constexpr int Unknown = 0;
inline constexpr int PstAnsi = 1;
inline constexpr int PstUnicode = 2;
inline constexpr int PrimaryExchangeMailbox = 3;
inline constexpr int PublicFolders = 4;
inline constexpr int DelegateExchangeMailbox = 5;
}  // namespace storekind

class Store : public PropertyObject {
public:
    virtual std::string Name() = 0;
    virtual std::string EntryID() = 0;  // the store id of its folders and messages
    virtual int StoreKind() = 0;
    virtual bool Default() = 0;
    // The mailbox owner of an Exchange store, nullptr for others.
    virtual std::shared_ptr<AddressEntry> Owner() = 0;
    virtual std::shared_ptr<Folder> IPMRootFolder() = 0;
    virtual std::shared_ptr<Folder> GetDefaultFolder(int folderType) = 0;
};

// RDO's account categories for GetOrder.
namespace accountcategory {
inline constexpr int Store = 1;
inline constexpr int Mail = 2;
inline constexpr int AddressBook = 3;
}  // namespace accountcategory

class Account : public PropertyObject {
public:
    virtual std::string Name() = 0;
    virtual std::string SmtpAddress() = 0;
    virtual bool IsExchange() = 0;
    // The account's stamp, the text Outlook writes as the account's identity.
    virtual std::string Stamp() = 0;
};

class Accounts {
public:
    virtual ~Accounts() = default;
    virtual int Count() = 0;
    virtual std::shared_ptr<Account> Item(int index) = 0;  // 1-based
    // By name ignoring case; a missing one fails with MAPI_E_NOT_FOUND.
    virtual std::shared_ptr<Account> Item(std::string_view name) = 0;
    // The accounts of a category in their order of use; for mail the first is the
    // account Outlook sends with by default.
    virtual std::vector<std::shared_ptr<Account>> GetOrder(int category) = 0;
};

class Session {
public:
    virtual ~Session() = default;
    virtual bool LoggedOn() = 0;
    virtual void Logoff() = 0;
    virtual std::vector<std::shared_ptr<Store>> Stores() = 0;
    virtual std::shared_ptr<Store> DefaultStore() = 0;
    virtual std::shared_ptr<AddressEntry> CurrentUser() = 0;
    virtual std::shared_ptr<mapi::Accounts> Accounts() = 0;
    // An empty store id searches every store; a missing message fails with
    // MAPI_E_NOT_FOUND.
    virtual std::shared_ptr<Message> GetMessageFromID(std::string_view entryId, std::string_view storeId) = 0;
    virtual std::shared_ptr<Folder> GetDefaultFolder(int folderType) = 0;
    // A message read from a .msg file (not in any folder); a missing file fails.
    virtual std::shared_ptr<Message> GetMessageFromMsgFile(std::string_view path) = 0;
};

// The MAPI subsystem: logs a new session on to the current profile (what RDOSession.Logon
// does when no Outlook session is handed over).
class Subsystem {
public:
    virtual ~Subsystem() = default;
    virtual std::shared_ptr<Session> Logon() = 0;
};

}  // namespace corvane::mapi
