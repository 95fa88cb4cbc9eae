// Address book entries over IMailUser and IDistList, and entries known only by the
// values a message or a recipient row carries.
#include "core.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::commapi {

namespace errors = platform::errors;
namespace tags = mapi::tags;

namespace {

constexpr int AddressEntryClass = 8;  // OlObjectClass olAddressEntry

// An entry's SMTP address: its own for "SMTP", else the primary "SMTP:" proxy address,
// else PR_SMTP_ADDRESS; a personal distribution list has none.
template <class Read>
std::string SmtpOf(Read&& read) {
    auto type = TextOf(&read(tags::AddrType));
    if (text::equalsNoCase(type, "SMTP")) return TextOf(&read(tags::EmailAddress));
    if (text::equalsNoCase(type, "MAPIPDL")) return {};
    const auto& proxies = read(tags::ProxyAddresses);
    if (const auto* list = std::get_if<std::vector<std::string>>(&proxies)) {
        for (const auto& proxy : *list) {
            if (proxy.starts_with("SMTP:")) return proxy.substr(5);
        }
    }
    return TextOf(&read(tags::SmtpAddress));
}

class MapiAddressEntry final : public mapi::AddressEntry {
public:
    MapiAddressEntry(ComPtr<IMAPIProp> entry, Context context)
        : entry_(std::move(entry)), context_(std::move(context)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override { return ReadProp(entry_.get(), tag, library()); }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        WriteAndSave(entry_.get(), tag, value, library());
    }
    std::string Name() override { return ReadText(entry_.get(), tags::DisplayName, library()); }
    std::string Address() override { return ReadText(entry_.get(), tags::EmailAddress, library()); }
    std::string Type() override { return ReadText(entry_.get(), tags::AddrType, library()); }
    int DisplayType() override { return ReadNumber(entry_.get(), tags::DisplayType, library()); }
    int Class() override { return AddressEntryClass; }
    std::string SmtpAddress() override {
        mapi::PropValue kept;
        return SmtpOf([&](mapi::PropTag tag) -> const mapi::PropValue& { return kept = Fields(tag); });
    }
    std::optional<std::vector<std::shared_ptr<mapi::AddressEntry>>> Members() override {
        auto list = entry_.as<IDistList>(iid::IDistList);
        if (!list) return std::nullopt;
        std::vector<std::shared_ptr<mapi::AddressEntry>> members;
        for (const auto& entry : OpenContents(list.get(), 0, library())) {
            members.push_back(WrapAddressEntry(entry.as<IMAPIProp>(iid::IMAPIProp), context_));
        }
        return members;
    }

private:
    const Library& library() const noexcept { return *context_.library; }

    ComPtr<IMAPIProp> entry_;
    Context context_;
};

// An entry the address book could not open: answered from the values it came with.
class ValuesEntry final : public mapi::AddressEntry {
public:
    explicit ValuesEntry(Row values) : values_(std::move(values)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override {
        const auto* value = Find(values_, tag);
        return value != nullptr ? *value : mapi::PropValue();
    }
    void SetFields(mapi::PropTag, const mapi::PropValue&) override {
        throw platform::PlatformError(errors::MapiNoSupport);
    }
    std::string Name() override { return TextOf(Find(values_, tags::DisplayName)); }
    std::string Address() override { return TextOf(Find(values_, tags::EmailAddress)); }
    std::string Type() override { return TextOf(Find(values_, tags::AddrType)); }
    int DisplayType() override { return NumberOf(Find(values_, tags::DisplayType)); }
    int Class() override { return AddressEntryClass; }
    std::string SmtpAddress() override {
        static const mapi::PropValue none;
        return SmtpOf([&](mapi::PropTag tag) -> const mapi::PropValue& {
            const auto* value = Find(values_, tag);
            return value != nullptr ? *value : none;
        });
    }
    std::optional<std::vector<std::shared_ptr<mapi::AddressEntry>>> Members() override {
        if (NumberOf(Find(values_, tags::ObjectType)) != mapi::objtype::DistList) return std::nullopt;
        return std::vector<std::shared_ptr<mapi::AddressEntry>>{};
    }

private:
    Row values_;
};

}  // namespace

std::shared_ptr<mapi::AddressEntry> WrapAddressEntry(ComPtr<IMAPIProp> entry, Context context) {
    return entry ? std::make_shared<MapiAddressEntry>(std::move(entry), std::move(context)) : nullptr;
}

std::shared_ptr<mapi::AddressEntry> EntryFromValues(Row values, const Context& context) {
    if (auto opened = OpenAddressEntry(context, BinaryOf(Find(values, tags::EntryId)))) {
        return WrapAddressEntry(opened, context);
    }
    return std::make_shared<ValuesEntry>(std::move(values));
}

}  // namespace corvane::commapi
