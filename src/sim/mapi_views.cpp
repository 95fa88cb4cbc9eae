#include "corvane/sim/mapi_views.h"

#include "corvane/outlook/object.h"
#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item.h"
#include "corvane/sim/msg_file.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;
namespace tags = mapi::tags;

namespace {

// A computed property when the tag asks for one the object derives, else nothing.
mapi::PropValue Typed(mapi::PropTag tag, const mapi::PropValue& value) {
    return PropTypeMatches(mapi::PropType(tag), value) ? value : mapi::PropValue();
}

std::shared_ptr<mapi::AddressEntry> EntryView(const std::shared_ptr<SimAddressEntry>& entry) {
    return entry ? std::make_shared<SimMapiAddressEntry>(entry) : nullptr;
}

// Properties of an address entry that the entry's own fields give.
mapi::PropValue EntryProp(const SimAddressEntry& entry, mapi::PropTag tag) {
    const auto& spec = entry.spec();
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::DisplayName): return Typed(tag, spec.name);
        case mapi::PropId(tags::AddrType): return Typed(tag, spec.type);
        case mapi::PropId(tags::EmailAddress): return Typed(tag, spec.address);
        case mapi::PropId(tags::DisplayType): return Typed(tag, spec.displayType);
        case mapi::PropId(tags::ObjectType):
            return Typed(tag, spec.isList ? mapi::objtype::DistList : mapi::objtype::MailUser);
        case mapi::PropId(tags::SmtpAddress): {
            auto smtp = text::equalsNoCase(spec.type, "SMTP") ? spec.address : spec.smtpAddress;
            return smtp.empty() ? mapi::PropValue() : Typed(tag, smtp);
        }
        case mapi::PropId(tags::ProxyAddresses):
            return spec.proxyAddresses.empty() ? mapi::PropValue() : Typed(tag, spec.proxyAddresses);
        default: return {};
    }
}

}  // namespace

// Address entries ----------------------------------------------------------------------

SimMapiAddressEntry::SimMapiAddressEntry(std::shared_ptr<SimAddressEntry> entry) : entry_(std::move(entry)) {}

mapi::PropValue SimMapiAddressEntry::Fields(mapi::PropTag tag) {
    auto own = EntryProp(*entry_, tag);
    return std::holds_alternative<std::monostate>(own) ? entry_->props().get(tag) : own;
}
void SimMapiAddressEntry::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    entry_->props().set(tag, value);
}
std::string SimMapiAddressEntry::Name() { return entry_->spec().name; }
std::string SimMapiAddressEntry::Address() { return entry_->spec().address; }
std::string SimMapiAddressEntry::Type() { return entry_->spec().type; }
int SimMapiAddressEntry::DisplayType() { return entry_->spec().displayType; }
int SimMapiAddressEntry::Class() { return ol::olclass::AddressEntry; }
std::string SimMapiAddressEntry::SmtpAddress() { return entry_->smtpAddress(); }

std::optional<std::vector<std::shared_ptr<mapi::AddressEntry>>> SimMapiAddressEntry::Members() {
    if (!entry_->isList()) return std::nullopt;
    std::vector<std::shared_ptr<mapi::AddressEntry>> members;
    for (const auto& m : entry_->members()) members.push_back(EntryView(m));
    return members;
}

// Recipients ---------------------------------------------------------------------------

SimMapiRecipient::SimMapiRecipient(std::shared_ptr<SimRecipient> recipient) : recipient_(std::move(recipient)) {}

mapi::PropValue SimMapiRecipient::Fields(mapi::PropTag tag) {
    if (!recipient_->usable()) Raise(errors::MapiObjectDeleted);
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::DisplayName): return Typed(tag, recipient_->name());
        case mapi::PropId(tags::RecipientType): return Typed(tag, recipient_->type());
        case mapi::PropId(tags::EmailAddress):
            return recipient_->resolved() ? Typed(tag, recipient_->address()) : mapi::PropValue();
        default: break;
    }
    auto own = recipient_->props().get(tag);
    if (!std::holds_alternative<std::monostate>(own) || !recipient_->entry()) return own;
    return EntryProp(*recipient_->entry(), tag);
}
void SimMapiRecipient::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    if (!recipient_->usable()) Raise(errors::MapiObjectDeleted);
    recipient_->props().set(tag, value);
}
std::string SimMapiRecipient::Name() { return recipient_->name(); }
std::string SimMapiRecipient::Address() { return recipient_->address(); }
int SimMapiRecipient::Type() { return recipient_->type(); }
bool SimMapiRecipient::Resolved() { return recipient_->resolved(); }
std::shared_ptr<mapi::AddressEntry> SimMapiRecipient::AddressEntry() {
    return recipient_->resolved() ? EntryView(recipient_->entry()) : nullptr;
}

// Attachments --------------------------------------------------------------------------

SimMapiAttachment::SimMapiAttachment(std::shared_ptr<SimAttachment> attachment) : attachment_(std::move(attachment)) {}
mapi::PropValue SimMapiAttachment::Fields(mapi::PropTag tag) {
    if (!attachment_->usable()) Raise(errors::MapiObjectDeleted);
    return attachment_->props().get(tag);
}
void SimMapiAttachment::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    if (!attachment_->usable()) Raise(errors::MapiObjectDeleted);
    attachment_->props().set(tag, value);
}
std::string SimMapiAttachment::FileName() { return attachment_->props().text(tags::AttachLongFilename); }

// Messages -----------------------------------------------------------------------------

SimMapiMessage::SimMapiMessage(std::shared_ptr<SimItem> item) : item_(std::move(item)) {}

void SimMapiMessage::check() const {
    if (item_->gone()) Raise(errors::MapiObjectDeleted);
}

mapi::PropValue SimMapiMessage::Fields(mapi::PropTag tag) {
    check();
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::EntryId):
            return item_->entryId().empty() ? mapi::PropValue() : Typed(tag, mapi::BinaryFromHex(item_->entryId()));
        case mapi::PropId(tags::StoreEntryId): {
            auto folder = item_->folder();
            auto store = folder ? folder->store() : nullptr;
            return store ? Typed(tag, mapi::BinaryFromHex(store->storeId())) : mapi::PropValue();
        }
        case mapi::PropId(tags::DisplayTo): return Typed(tag, item_->displayLine(ol::olrecipient::To));
        case mapi::PropId(tags::DisplayCc): return Typed(tag, item_->displayLine(ol::olrecipient::CC));
        case mapi::PropId(tags::DisplayBcc): return Typed(tag, item_->displayLine(ol::olrecipient::BCC));
        case mapi::PropId(tags::MessageFlags): {
            auto flags = item_->props().number(tags::MessageFlags);
            if (!item_->attachments().empty()) flags |= mapi::msgflag::HasAttach;
            return Typed(tag, flags);
        }
        default: return item_->props().get(tag);
    }
}

void SimMapiMessage::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    check();
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::EntryId):
        case mapi::PropId(tags::StoreEntryId):
        case mapi::PropId(tags::DisplayTo):
        case mapi::PropId(tags::DisplayCc):
        case mapi::PropId(tags::DisplayBcc): Raise(errors::MapiNoSupport);
        default: item_->props().set(tag, value); item_->touch();
    }
}

std::string SimMapiMessage::EntryID() { return check(), item_->entryId(); }

std::string SimMapiMessage::StoreID() {
    check();
    auto folder = item_->folder();
    auto store = folder ? folder->store() : nullptr;
    return store ? store->storeId() : std::string();
}

std::vector<std::shared_ptr<mapi::Recipient>> SimMapiMessage::Recipients() {
    check();
    std::vector<std::shared_ptr<mapi::Recipient>> out;
    for (const auto& r : item_->recipients()) out.push_back(std::make_shared<SimMapiRecipient>(r));
    return out;
}

std::vector<std::shared_ptr<mapi::Attachment>> SimMapiMessage::Attachments() {
    check();
    std::vector<std::shared_ptr<mapi::Attachment>> out;
    for (const auto& a : item_->attachments()) out.push_back(std::make_shared<SimMapiAttachment>(a));
    return out;
}

std::shared_ptr<mapi::AddressEntry> SimMapiMessage::Sender() { return check(), EntryView(item_->sender()); }

std::shared_ptr<mapi::Account> SimMapiMessage::Account() {
    check();
    return item_->app()->profile()->accountOf(*item_);
}

bool SimMapiMessage::UnRead() { return check(), item_->unread(); }
void SimMapiMessage::SetUnRead(bool unread) { check(), item_->setUnread(unread); }
bool SimMapiMessage::Sent() { return check(), item_->sent(); }
void SimMapiMessage::SetSent(bool sent) { check(), item_->setSent(sent); }
platform::DateTime SimMapiMessage::SentOn() { return check(), item_->sentOn(); }
void SimMapiMessage::SetSentOn(platform::DateTime when) {
    check();
    item_->props().set(tags::ClientSubmitTime, when);
    item_->touch();
}
platform::DateTime SimMapiMessage::ReceivedTime() { return check(), item_->receivedTime(); }
void SimMapiMessage::SetReceivedTime(platform::DateTime when) {
    check();
    item_->props().set(tags::MessageDeliveryTime, when);
    item_->touch();
}

std::shared_ptr<mapi::Folder> SimMapiMessage::Parent() {
    check();
    auto folder = item_->folder();
    return folder ? std::make_shared<SimMapiFolder>(folder) : nullptr;
}

void SimMapiMessage::Save() { check(), item_->saveQuietly(); }
void SimMapiMessage::Delete() { check(), item_->removeForGood(); }

void SimMapiMessage::CopyTo(const std::shared_ptr<mapi::Message>& target) {
    check();
    auto other = std::dynamic_pointer_cast<SimMapiMessage>(target);
    if (!other) Raise(errors::MapiNoSupport);
    other->check();
    // A saved message keeps its flags and creation time; MAPI does not copy over them.
    auto& targetProps = other->item_->props();
    auto flags = targetProps.get(tags::MessageFlags);
    auto created = targetProps.get(tags::CreationTime);
    item_->copyContentTo(*other->item_);
    targetProps.set(tags::MessageFlags, flags);
    targetProps.set(tags::CreationTime, created);
}

// Folders ------------------------------------------------------------------------------

SimMapiFolder::SimMapiFolder(std::shared_ptr<SimFolder> folder) : folder_(std::move(folder)) {}

mapi::PropValue SimMapiFolder::Fields(mapi::PropTag tag) {
    folder_->checkLive();
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::DisplayName): return Typed(tag, folder_->name());
        case mapi::PropId(tags::EntryId): return Typed(tag, mapi::BinaryFromHex(folder_->entryId()));
        case mapi::PropId(tags::ObjectType): return Typed(tag, mapi::objtype::Folder);
        default: return {};
    }
}
void SimMapiFolder::SetFields(mapi::PropTag, const mapi::PropValue&) { Raise(errors::MapiNoSupport); }
std::string SimMapiFolder::Name() { return folder_->Name(); }
std::string SimMapiFolder::EntryID() { return folder_->EntryID(); }
std::string SimMapiFolder::StoreID() { return folder_->StoreID(); }
std::string SimMapiFolder::FolderPath() { return folder_->FolderPath(); }

std::vector<std::shared_ptr<mapi::Message>> SimMapiFolder::Messages() {
    folder_->checkLive();
    std::vector<std::shared_ptr<mapi::Message>> out;
    for (const auto& i : folder_->items()) out.push_back(std::make_shared<SimMapiMessage>(i));
    return out;
}

std::shared_ptr<mapi::Message> SimMapiFolder::AddMessage(std::string_view messageClass) {
    folder_->checkLive();
    int objectClass = ol::olclass::Mail;
    if (text::startsWithNoCase(messageClass, "IPM.Post")) objectClass = ol::olclass::Post;
    auto item = SimItem::Create(folder_->store()->app(), objectClass);
    item->props().set(tags::MessageClass, std::string(messageClass));
    item->setHome(folder_);
    return std::make_shared<SimMapiMessage>(item);
}

// Stores -------------------------------------------------------------------------------

SimMapiStore::SimMapiStore(std::shared_ptr<SimStore> store, bool isDefault)
    : store_(std::move(store)), default_(isDefault) {}

mapi::PropValue SimMapiStore::Fields(mapi::PropTag tag) {
    switch (mapi::PropId(tag)) {
        case mapi::PropId(tags::DisplayName): return Typed(tag, store_->name());
        case mapi::PropId(tags::EntryId): return Typed(tag, mapi::BinaryFromHex(store_->storeId()));
        case mapi::PropId(tags::ObjectType): return Typed(tag, mapi::objtype::Store);
        default: return {};
    }
}
void SimMapiStore::SetFields(mapi::PropTag, const mapi::PropValue&) { Raise(errors::MapiNoSupport); }
std::string SimMapiStore::Name() { return store_->name(); }
std::string SimMapiStore::EntryID() { return store_->storeId(); }
int SimMapiStore::StoreKind() { return store_->kind(); }
bool SimMapiStore::Default() { return default_; }
std::shared_ptr<mapi::AddressEntry> SimMapiStore::Owner() { return EntryView(store_->owner()); }
std::shared_ptr<mapi::Folder> SimMapiStore::IPMRootFolder() { return std::make_shared<SimMapiFolder>(store_->root()); }
std::shared_ptr<mapi::Folder> SimMapiStore::GetDefaultFolder(int folderType) {
    auto folder = store_->defaultFolder(folderType);
    if (!folder) Raise(errors::MapiNotFound);
    return std::make_shared<SimMapiFolder>(folder);
}

// Accounts -----------------------------------------------------------------------------

namespace {

class SimMapiAccounts final : public mapi::Accounts {
public:
    explicit SimMapiAccounts(std::vector<std::shared_ptr<SimAccount>> accounts) : accounts_(std::move(accounts)) {}
    int Count() override { return static_cast<int>(accounts_.size()); }
    std::shared_ptr<mapi::Account> Item(int index) override { return ItemAt(accounts_, index, errors::MapiNotFound); }
    std::shared_ptr<mapi::Account> Item(std::string_view name) override {
        for (const auto& a : accounts_) {
            if (text::equalsNoCase(a->spec().name, name)) return a;
        }
        Raise(errors::MapiNotFound);
    }
    std::vector<std::shared_ptr<mapi::Account>> GetOrder(int category) override {
        std::vector<std::shared_ptr<mapi::Account>> out;
        if (category != mapi::accountcategory::Mail) return out;
        for (const auto& a : accounts_) out.push_back(a);
        return out;
    }

private:
    std::vector<std::shared_ptr<SimAccount>> accounts_;
};

}  // namespace

// Sessions -----------------------------------------------------------------------------

SimMapiSession::SimMapiSession(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}

std::shared_ptr<SimApplication> SimMapiSession::app() const {
    auto a = app_.lock();
    if (!a || !loggedOn_) Raise(errors::MapiLogonFailed);
    return a;
}

std::shared_ptr<SimNameSpace> SimMapiSession::profile() const { return app()->profile(); }

bool SimMapiSession::LoggedOn() { return loggedOn_ && !app_.expired(); }
void SimMapiSession::Logoff() { loggedOn_ = false; }

std::vector<std::shared_ptr<mapi::Store>> SimMapiSession::Stores() {
    auto p = profile();
    std::vector<std::shared_ptr<mapi::Store>> out;
    for (const auto& s : p->stores()) out.push_back(std::make_shared<SimMapiStore>(s, s == p->defaultStore()));
    return out;
}

std::shared_ptr<mapi::Store> SimMapiSession::DefaultStore() {
    auto p = profile();
    if (!p->defaultStore()) Raise(errors::MapiNotFound);
    return std::make_shared<SimMapiStore>(p->defaultStore(), true);
}

std::shared_ptr<mapi::AddressEntry> SimMapiSession::CurrentUser() { return EntryView(profile()->currentUser()); }

std::shared_ptr<mapi::Accounts> SimMapiSession::Accounts() {
    return std::make_shared<SimMapiAccounts>(profile()->accounts());
}

std::shared_ptr<mapi::Message> SimMapiSession::GetMessageFromID(std::string_view entryId, std::string_view storeId) {
    auto item = profile()->findItem(entryId, storeId);
    if (!item) Raise(errors::MapiNotFound);
    return std::make_shared<SimMapiMessage>(item);
}

std::shared_ptr<mapi::Folder> SimMapiSession::GetDefaultFolder(int folderType) {
    auto folder = profile()->defaultFolder(folderType);
    if (!folder) Raise(errors::MapiNotFound);
    return std::make_shared<SimMapiFolder>(folder);
}

std::shared_ptr<mapi::Message> SimMapiSession::GetMessageFromMsgFile(std::string_view path) {
    auto application = app();
    auto* files = application->options().files;
    auto content = files ? files->readFile(path) : std::nullopt;
    if (!content) Raise(errors::StorageFileNotFound);
    return std::make_shared<SimMapiMessage>(BuildItem(application, ParseMessageFile(*content)));
}

std::shared_ptr<mapi::Session> SimMapiSubsystem::Logon() {
    auto app = app_.lock();
    if (!app) Raise(errors::MapiLogonFailed);
    return std::make_shared<SimMapiSession>(app_);
}

}  // namespace corvane::sim
