#pragma once
// The Extended-MAPI side of the simulated profile: every mapi:: object is a view of the
// same simulated object the Outlook side shows, so a property written through one is
// read through the other at once.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "corvane/mapi/objects.h"
#include "corvane/sim/fwd.h"

namespace corvane::sim {

class SimMapiAddressEntry final : public mapi::AddressEntry {
public:
    explicit SimMapiAddressEntry(std::shared_ptr<SimAddressEntry> entry);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string Name() override;
    std::string Address() override;
    std::string Type() override;
    int DisplayType() override;
    int Class() override;
    std::string SmtpAddress() override;
    std::optional<std::vector<std::shared_ptr<mapi::AddressEntry>>> Members() override;

private:
    std::shared_ptr<SimAddressEntry> entry_;
};

class SimMapiRecipient final : public mapi::Recipient {
public:
    explicit SimMapiRecipient(std::shared_ptr<SimRecipient> recipient);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string Name() override;
    std::string Address() override;
    int Type() override;
    bool Resolved() override;
    std::shared_ptr<mapi::AddressEntry> AddressEntry() override;

private:
    std::shared_ptr<SimRecipient> recipient_;
};

class SimMapiAttachment final : public mapi::Attachment {
public:
    explicit SimMapiAttachment(std::shared_ptr<SimAttachment> attachment);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string FileName() override;

private:
    std::shared_ptr<SimAttachment> attachment_;
};

class SimMapiMessage final : public mapi::Message {
public:
    explicit SimMapiMessage(std::shared_ptr<SimItem> item);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string EntryID() override;
    std::string StoreID() override;
    std::vector<std::shared_ptr<mapi::Recipient>> Recipients() override;
    std::vector<std::shared_ptr<mapi::Attachment>> Attachments() override;
    std::shared_ptr<mapi::AddressEntry> Sender() override;
    std::shared_ptr<mapi::Account> Account() override;
    bool UnRead() override;
    void SetUnRead(bool unread) override;
    bool Sent() override;
    void SetSent(bool sent) override;
    platform::DateTime SentOn() override;
    void SetSentOn(platform::DateTime when) override;
    platform::DateTime ReceivedTime() override;
    void SetReceivedTime(platform::DateTime when) override;
    std::shared_ptr<mapi::Folder> Parent() override;
    void Save() override;
    void Delete() override;
    void CopyTo(const std::shared_ptr<mapi::Message>& target) override;

    const std::shared_ptr<SimItem>& item() const { return item_; }

private:
    void check() const;
    std::shared_ptr<SimItem> item_;
};

class SimMapiFolder final : public mapi::Folder {
public:
    explicit SimMapiFolder(std::shared_ptr<SimFolder> folder);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string Name() override;
    std::string EntryID() override;
    std::string StoreID() override;
    std::string FolderPath() override;
    std::vector<std::shared_ptr<mapi::Message>> Messages() override;
    std::shared_ptr<mapi::Message> AddMessage(std::string_view messageClass) override;

private:
    std::shared_ptr<SimFolder> folder_;
};

class SimMapiStore final : public mapi::Store {
public:
    SimMapiStore(std::shared_ptr<SimStore> store, bool isDefault);
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;
    std::string Name() override;
    std::string EntryID() override;
    int StoreKind() override;
    bool Default() override;
    std::shared_ptr<mapi::AddressEntry> Owner() override;
    std::shared_ptr<mapi::Folder> IPMRootFolder() override;
    std::shared_ptr<mapi::Folder> GetDefaultFolder(int folderType) override;

private:
    std::shared_ptr<SimStore> store_;
    bool default_;
};

// A session on the simulated profile: the one behind NameSpace.MAPIOBJECT, or one that
// the subsystem logs on.
class SimMapiSession final : public mapi::Session {
public:
    explicit SimMapiSession(std::weak_ptr<SimApplication> app);
    bool LoggedOn() override;
    void Logoff() override;
    std::vector<std::shared_ptr<mapi::Store>> Stores() override;
    std::shared_ptr<mapi::Store> DefaultStore() override;
    std::shared_ptr<mapi::AddressEntry> CurrentUser() override;
    std::shared_ptr<mapi::Accounts> Accounts() override;
    std::shared_ptr<mapi::Message> GetMessageFromID(std::string_view entryId, std::string_view storeId) override;
    std::shared_ptr<mapi::Folder> GetDefaultFolder(int folderType) override;
    std::shared_ptr<mapi::Message> GetMessageFromMsgFile(std::string_view path) override;

private:
    std::shared_ptr<SimApplication> app() const;
    std::shared_ptr<SimNameSpace> profile() const;
    std::weak_ptr<SimApplication> app_;
    bool loggedOn_ = true;
};

class SimMapiSubsystem final : public mapi::Subsystem {
public:
    explicit SimMapiSubsystem(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}
    // Fails with MAPI_E_LOGON_FAILED when Outlook's profile is gone.
    std::shared_ptr<mapi::Session> Logon() override;

private:
    std::weak_ptr<SimApplication> app_;
};

}  // namespace corvane::sim
