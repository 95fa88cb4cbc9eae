// Folders and their contents over IMAPIFolder, and message stores over IMsgStore.
#include <algorithm>
#include <array>

#include "core.h"
#include "corvane/platform/error.h"

namespace corvane::commapi {

namespace errors = platform::errors;
namespace tags = mapi::tags;

namespace {

// The store's own properties the folders are found by.
constexpr mapi::PropTag IpmSubtreeEntryId = proptags::IpmSubtreeEntryId;
constexpr mapi::PropTag MailboxOwnerEntryId = 0x661B0102;  // PR_MAILBOX_OWNER_ENTRYID

bool SameEntry(IMsgStore* store, mapi::Binary a, mapi::Binary b) {
    if (a.empty() || b.empty()) return false;
    ULONG same = 0;
    if (FAILED(store->CompareEntryIDs(static_cast<ULONG>(a.size()), reinterpret_cast<ENTRYID*>(a.data()),
                                      static_cast<ULONG>(b.size()), reinterpret_cast<ENTRYID*>(b.data()), 0, &same))) {
        return a == b;
    }
    return same != 0;
}

class MapiFolder final : public mapi::Folder {
public:
    MapiFolder(ComPtr<IMAPIFolder> folder, Context context)
        : folder_(std::move(folder)), context_(std::move(context)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override { return ReadProp(folder_.get(), tag, library()); }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        WriteAndSave(folder_.get(), tag, value, library());
    }
    std::string Name() override { return ReadText(folder_.get(), tags::DisplayName, library()); }
    std::string EntryID() override { return mapi::HexFromBinary(ReadBinary(folder_.get(), tags::EntryId, library())); }
    std::string StoreID() override {
        return mapi::HexFromBinary(ReadBinary(folder_.get(), tags::StoreEntryId, library()));
    }
    // "\\" + the store's name, then each folder's name below the store's top of
    // personal folders, as Outlook writes a folder's path.
    std::string FolderPath() override {
        if (!context_.store) return "\\\\" + Name();
        auto* store = context_.store.get();
        auto top = ReadBinary(store, IpmSubtreeEntryId, library());
        std::vector<std::string> names;
        ComPtr<IMAPIProp> current(folder_.get());
        for (int depth = 0; depth < 64; ++depth) {
            auto id = ReadBinary(current.get(), tags::EntryId, library());
            if (SameEntry(store, id, top)) break;
            names.push_back(ReadText(current.get(), tags::DisplayName, library()));
            auto parent = ReadBinary(current.get(), proptags::ParentEntryId, library());
            if (parent.empty() || SameEntry(store, parent, id)) break;
            current = OpenEntry(context_, parent).as<IMAPIProp>(iid::IMAPIProp);
            if (!current) break;
        }
        std::string path = "\\\\" + ReadText(store, tags::DisplayName, library());
        for (auto name = names.rbegin(); name != names.rend(); ++name) path += "\\" + *name;
        return path;
    }
    std::vector<std::shared_ptr<mapi::Message>> Messages() override {
        std::vector<std::shared_ptr<mapi::Message>> out;
        for (const auto& entry : OpenContents(folder_.get(), flags::MapiBestAccess, library())) {
            out.push_back(WrapMessage(entry.as<IMessage>(iid::IMessage), context_));
        }
        return out;
    }
    std::shared_ptr<mapi::Message> AddMessage(std::string_view messageClass) override {
        ComPtr<IMessage> message;
        Check(folder_->CreateMessage(nullptr, 0, message.put()));
        WriteProp(message.get(), tags::MessageClass, std::string(messageClass), library());
        return WrapMessage(message, context_);
    }

private:
    const Library& library() const noexcept { return *context_.library; }

    ComPtr<IMAPIFolder> folder_;
    Context context_;
};

}  // namespace

std::shared_ptr<mapi::Folder> WrapFolder(ComPtr<IMAPIFolder> folder, Context context) {
    return folder ? std::make_shared<MapiFolder>(std::move(folder), std::move(context)) : nullptr;
}

// Stores -----------------------------------------------------------------------------

namespace {

// Where each default folder's entry id is kept: the store (Outbox, Sent Items, Deleted
// Items) or the Inbox (Calendar ... Drafts); the Inbox is the store's receive folder.
struct DefaultFolderId {
    int folderType;  // OlDefaultFolders
    mapi::PropTag tag;
    bool onInbox;
};
constexpr std::array<DefaultFolderId, 9> DefaultFolders{{
    {3, 0x35E30102, false},  // Deleted Items: PR_IPM_WASTEBASKET_ENTRYID
    {4, 0x35E20102, false},  // Outbox: PR_IPM_OUTBOX_ENTRYID
    {5, 0x35E40102, false},  // Sent Items: PR_IPM_SENTMAIL_ENTRYID
    {9, 0x36D00102, true},   // Calendar: PR_IPM_APPOINTMENT_ENTRYID
    {10, 0x36D10102, true},  // Contacts: PR_IPM_CONTACT_ENTRYID
    {11, 0x36D20102, true},  // Journal: PR_IPM_JOURNAL_ENTRYID
    {12, 0x36D30102, true},  // Notes: PR_IPM_NOTE_ENTRYID
    {13, 0x36D40102, true},  // Tasks: PR_IPM_TASK_ENTRYID
    {16, 0x36D70102, true},  // Drafts: PR_IPM_DRAFTS_ENTRYID
}};
constexpr int InboxFolder = 6;

class MapiStore final : public mapi::Store {
public:
    MapiStore(Row row, Context context) : row_(std::move(row)), context_(std::move(context)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override { return ReadProp(store(), tag, library()); }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        WriteProp(store(), tag, value, library());
    }
    std::string Name() override { return TextOf(Find(row_, tags::DisplayName)); }
    std::string EntryID() override { return mapi::HexFromBinary(BinaryOf(Find(row_, tags::EntryId))); }
    int StoreKind() override {
        auto provider = BinaryOf(Find(row_, proptags::MdbProvider));
        for (const auto& [uid, kind] : StoreProviders) {
            if (provider.size() == uid.size() && std::equal(uid.begin(), uid.end(), provider.begin())) return kind;
        }
        return mapi::storekind::Unknown;
    }
    bool Default() override {
        return (NumberOf(Find(row_, proptags::ResourceFlags)) & proptags::StoreDefaultFlag) != 0;
    }
    std::shared_ptr<mapi::AddressEntry> Owner() override {
        if (StoreKind() != mapi::storekind::PrimaryExchangeMailbox) return nullptr;
        auto entry = OpenAddressEntry(context_, ReadBinary(store(), MailboxOwnerEntryId, library()));
        return entry ? WrapAddressEntry(entry, context_) : nullptr;
    }
    std::shared_ptr<mapi::Folder> IPMRootFolder() override {
        return folderById(ReadBinary(store(), IpmSubtreeEntryId, library()));
    }
    std::shared_ptr<mapi::Folder> GetDefaultFolder(int folderType) override {
        store();
        if (folderType == InboxFolder) return folderById(inboxId());
        for (const auto& known : DefaultFolders) {
            if (known.folderType != folderType) continue;
            if (!known.onInbox) return folderById(ReadBinary(store(), known.tag, library()));
            auto inbox = OpenEntry(context_, inboxId()).as<IMAPIProp>(iid::IMAPIProp);
            return folderById(inbox ? ReadBinary(inbox.get(), known.tag, library()) : mapi::Binary());
        }
        throw platform::PlatformError(errors::MapiNotFound);
    }

private:
    const Library& library() const noexcept { return *context_.library; }
    IMsgStore* store() {
        if (!context_.store) {
            auto id = BinaryOf(Find(row_, tags::EntryId));
            Check(context_.session->OpenMsgStore(0, static_cast<ULONG>(id.size()),
                                                 reinterpret_cast<ENTRYID*>(id.data()), nullptr,
                                                 flags::MapiBestAccess | flags::MdbNoMail, context_.store.put()));
        }
        return context_.store.get();
    }
    mapi::Binary inboxId() {
        ULONG size = 0;
        MapiBuffer<ENTRYID> raw(library());
        MapiBuffer<wchar_t> explicitClass(library());
        Check(store()->GetReceiveFolder(const_cast<LPWSTR>(L"IPM.Note"), flags::MapiUnicode, &size, raw.put(),
                                        explicitClass.put()));
        auto* bytes = reinterpret_cast<BYTE*>(raw.get());
        return bytes != nullptr ? mapi::Binary(bytes, bytes + size) : mapi::Binary();
    }
    std::shared_ptr<mapi::Folder> folderById(const mapi::Binary& id) {
        if (id.empty()) throw platform::PlatformError(errors::MapiNotFound);
        auto folder = OpenEntry(context_, id).as<IMAPIFolder>(iid::IMAPIFolder);
        if (!folder) throw platform::PlatformError(errors::MapiNotFound);
        return WrapFolder(folder, context_);
    }

    Row row_;
    Context context_;
};

}  // namespace

std::shared_ptr<mapi::Store> StoreOfRow(Row row, Context context) {
    return std::make_shared<MapiStore>(std::move(row), std::move(context));
}

}  // namespace corvane::commapi
