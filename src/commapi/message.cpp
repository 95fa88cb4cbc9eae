// Messages with their recipient and attachment tables, over IMessage.
#include "core.h"
#include "corvane/platform/error.h"

namespace corvane::commapi {

namespace errors = platform::errors;
namespace tags = mapi::tags;

namespace {

// A recipient: one row of the message's recipient table. A property written goes back
// through ModifyRecipients with the rest of the row.
class MapiRecipient final : public mapi::Recipient {
public:
    MapiRecipient(ComPtr<IMessage> message, Row row, Context context)
        : context_(std::move(context)), message_(std::move(message)), row_(std::move(row)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override {
        const auto* value = Find(row_, tag);
        return value != nullptr ? *value : mapi::PropValue();
    }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        PropsToWrite props;
        for (const auto& [have, old] : row_) {
            if (mapi::String8Tag(have) != mapi::String8Tag(tag)) props.add(have, old);
        }
        props.add(tag, value);
        const auto& library = *context_.library;
        // MAPI may replace the entry's property array: both blocks are MAPI's own.
        auto count = static_cast<ULONG>(props.values().size());
        void* list = nullptr;
        void* values = nullptr;
        Check(library.allocateBuffer(sizeof(ADRLIST), &list));
        if (FAILED(library.allocateBuffer(count * sizeof(SPropValue), &values))) {
            library.freeBuffer(list);
            ThrowMapi(errors::MapiNotEnoughMemory.number);
        }
        std::copy(props.values().begin(), props.values().end(), static_cast<SPropValue*>(values));
        auto* mods = static_cast<ADRLIST*>(list);
        mods->cRows = 1;
        mods->aRow[0] = SRow{0, count, static_cast<SPropValue*>(values)};
        HRESULT hr = message_->ModifyRecipients(flags::ModrecipModify, mods);
        FreeRows(library, mods);
        Check(hr);
        for (auto& [have, old] : row_) {
            if (mapi::String8Tag(have) == mapi::String8Tag(tag)) {
                old = value;
                return;
            }
        }
        row_.emplace_back(tag, value);
    }
    std::string Name() override { return TextOf(Find(row_, tags::DisplayName)); }
    std::string Address() override { return TextOf(Find(row_, tags::EmailAddress)); }
    int Type() override { return NumberOf(Find(row_, tags::RecipientType)); }
    // A row with an entry id has been resolved to an address book entry.
    bool Resolved() override { return !BinaryOf(Find(row_, tags::EntryId)).empty(); }
    std::shared_ptr<mapi::AddressEntry> AddressEntry() override {
        return Resolved() ? EntryFromValues(row_, context_) : nullptr;
    }

private:
    Context context_;
    ComPtr<IMessage> message_;
    Row row_;
};

// An attachment, opened by its number when first read.
class MapiAttachment final : public mapi::Attachment {
public:
    MapiAttachment(ComPtr<IMessage> message, ULONG number, Context context)
        : context_(std::move(context)), message_(std::move(message)), number_(number) {}

    mapi::PropValue Fields(mapi::PropTag tag) override { return ReadProp(attach(), tag, library()); }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        WriteAndSave(attach(), tag, value, library());
    }
    std::string FileName() override {
        auto name = ReadText(attach(), tags::AttachLongFilename, library());
        return name.empty() ? ReadText(attach(), tags::AttachFilename, library()) : name;
    }

private:
    IAttach* attach() {
        if (!attach_) Check(message_->OpenAttach(number_, nullptr, flags::MapiBestAccess, attach_.put()));
        return attach_.get();
    }

    const Library& library() const noexcept { return *context_.library; }

    Context context_;
    ComPtr<IMessage> message_;
    ULONG number_;
    ComPtr<IAttach> attach_;
};

class MapiMessage final : public mapi::Message {
public:
    MapiMessage(ComPtr<IMessage> message, Context context)
        : context_(std::move(context)), message_(std::move(message)) {}

    IMessage* raw() const noexcept { return message_.get(); }

    mapi::PropValue Fields(mapi::PropTag tag) override { return ReadProp(message_.get(), tag, library()); }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        WriteProp(message_.get(), tag, value, library());
    }
    std::string EntryID() override {
        return mapi::HexFromBinary(ReadBinary(message_.get(), tags::EntryId, library()));
    }
    std::string StoreID() override {
        return mapi::HexFromBinary(ReadBinary(message_.get(), tags::StoreEntryId, library()));
    }

    std::vector<std::shared_ptr<mapi::Recipient>> Recipients() override {
        ComPtr<IMAPITable> table;
        Check(message_->GetRecipientTable(flags::MapiUnicode, table.put()));
        std::vector<std::shared_ptr<mapi::Recipient>> out;
        for (auto& row : ReadRows(table.get(), {}, library())) {
            out.push_back(std::make_shared<MapiRecipient>(message_, std::move(row), context_));
        }
        return out;
    }
    std::vector<std::shared_ptr<mapi::Attachment>> Attachments() override {
        ComPtr<IMAPITable> table;
        Check(message_->GetAttachmentTable(flags::MapiUnicode, table.put()));
        std::vector<std::shared_ptr<mapi::Attachment>> out;
        for (const auto& row : ReadRows(table.get(), {proptags::AttachNum}, library())) {
            auto number = static_cast<ULONG>(NumberOf(Find(row, proptags::AttachNum)));
            out.push_back(std::make_shared<MapiAttachment>(message_, number, context_));
        }
        return out;
    }

    std::shared_ptr<mapi::AddressEntry> Sender() override {
        Row sender;
        for (auto [from, to] :
             {std::pair{tags::SenderName, tags::DisplayName}, std::pair{tags::SenderAddrType, tags::AddrType},
              std::pair{tags::SenderEmailAddress, tags::EmailAddress},
              std::pair{mapi::PropTag{0x0C190102}, tags::EntryId}}) {  // PR_SENDER_ENTRYID
            auto value = ReadProp(message_.get(), from, library());
            if (!std::holds_alternative<std::monostate>(value)) sender.emplace_back(to, std::move(value));
        }
        if (sender.empty()) return nullptr;
        return EntryFromValues(std::move(sender), context_);
    }

    // The account whose send stamp PR_PRIMARY_SEND_ACCT holds.
    std::shared_ptr<mapi::Account> Account() override {
        auto named = ReadText(message_.get(), tags::PrimarySendAccount, library());
        if (named.empty() || !context_.session) return nullptr;
        auto accounts = AccountsOf(context_);
        for (int i = 1; i <= accounts->Count(); ++i) {
            auto account = accounts->Item(i);
            auto value = account->Fields(tags::AccountSendStamp);
            const auto* stamp = std::get_if<std::string>(&value);
            if (stamp != nullptr && !stamp->empty() && named.find(*stamp) != std::string::npos) return account;
        }
        return nullptr;
    }

    bool UnRead() override { return (flagsNow() & mapi::msgflag::Read) == 0; }
    void SetUnRead(bool unread) override {
        Check(message_->SetReadFlag(unread ? flags::ClearReadFlag : flags::SuppressReceipt));
    }
    bool Sent() override { return (flagsNow() & mapi::msgflag::Unsent) == 0; }
    void SetSent(bool sent) override {
        auto now = flagsNow();
        WriteProp(message_.get(), tags::MessageFlags,
                  sent ? (now & ~mapi::msgflag::Unsent) : (now | mapi::msgflag::Unsent), library());
    }
    platform::DateTime SentOn() override { return timeOf(tags::ClientSubmitTime); }
    void SetSentOn(platform::DateTime when) override { SetFields(tags::ClientSubmitTime, when); }
    platform::DateTime ReceivedTime() override { return timeOf(tags::MessageDeliveryTime); }
    void SetReceivedTime(platform::DateTime when) override { SetFields(tags::MessageDeliveryTime, when); }

    std::shared_ptr<mapi::Folder> Parent() override {
        auto parent = ReadBinary(message_.get(), proptags::ParentEntryId, library());
        if (parent.empty()) return nullptr;
        auto folder = OpenEntry(storeContext(), parent).as<IMAPIFolder>(iid::IMAPIFolder);
        if (!folder) throw platform::PlatformError(errors::MapiNotFound);
        return WrapFolder(folder, storeContext());
    }
    void Save() override { Check(message_->SaveChanges(flags::KeepOpenReadWrite)); }
    void Delete() override {
        auto entryId = ReadBinary(message_.get(), tags::EntryId, library());
        auto parent = ReadBinary(message_.get(), proptags::ParentEntryId, library());
        if (entryId.empty() || parent.empty()) throw platform::PlatformError(errors::MapiNotFound);
        auto folder = OpenEntry(storeContext(), parent).as<IMAPIFolder>(iid::IMAPIFolder);
        if (!folder) throw platform::PlatformError(errors::MapiNotFound);
        SBinary id{static_cast<ULONG>(entryId.size()), entryId.data()};
        ENTRYLIST list{1, &id};
        Check(folder->DeleteMessages(&list, 0, nullptr, 0));
    }
    void CopyTo(const std::shared_ptr<mapi::Message>& target) override {
        auto other = std::dynamic_pointer_cast<MapiMessage>(target);
        if (!other) throw platform::PlatformError(errors::MapiNoSupport);
        MapiBuffer<SPropProblemArray> problems(library());
        Check(message_->CopyTo(0, nullptr, nullptr, 0, nullptr, &iid::IMessage, other->raw(), 0, problems.put()));
    }

private:
    const Library& library() const noexcept { return *context_.library; }
    std::int32_t flagsNow() { return ReadNumber(message_.get(), tags::MessageFlags, library()); }
    platform::DateTime timeOf(mapi::PropTag tag) {
        auto value = ReadProp(message_.get(), tag, library());
        const auto* when = std::get_if<platform::DateTime>(&value);
        return when != nullptr ? *when : platform::DateTime::none();
    }
    // The context with the message's own store open (the session opens it by id).
    Context storeContext() {
        if (!context_.store && context_.session) {
            auto storeId = ReadBinary(message_.get(), tags::StoreEntryId, library());
            Check(context_.session->OpenMsgStore(0, static_cast<ULONG>(storeId.size()),
                                                 reinterpret_cast<ENTRYID*>(storeId.data()), nullptr,
                                                 flags::MapiBestAccess | flags::MdbNoMail, context_.store.put()));
        }
        return context_;
    }

    Context context_;
    ComPtr<IMessage> message_;
};

}  // namespace

std::shared_ptr<mapi::Message> WrapMessage(ComPtr<IMessage> message, Context context) {
    return message ? std::make_shared<MapiMessage>(std::move(message), std::move(context)) : nullptr;
}

}  // namespace corvane::commapi
