#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace {

class SimAddressEntries final : public outlook::AddressEntries {
public:
    explicit SimAddressEntries(std::vector<std::shared_ptr<SimAddressEntry>> entries) : entries_(std::move(entries)) {}
    int Class() override { return outlook::olclass::AddressEntries; }
    int Count() override { return static_cast<int>(entries_.size()); }
    std::shared_ptr<outlook::AddressEntry> Item(int index) override { return ItemAt(entries_, index); }

private:
    std::vector<std::shared_ptr<SimAddressEntry>> entries_;
};

}  // namespace

SimAddressEntry::SimAddressEntry(EntrySpec spec, bool oneOff) : spec_(std::move(spec)), oneOff_(oneOff) {}

int SimAddressEntry::Class() { return outlook::olclass::AddressEntry; }
std::string SimAddressEntry::Name() { return spec_.name; }
std::string SimAddressEntry::Address() { return spec_.address; }
std::string SimAddressEntry::Type() { return spec_.type; }
int SimAddressEntry::DisplayType() { return spec_.displayType; }

std::shared_ptr<outlook::AddressEntries> SimAddressEntry::Members() {
    if (!spec_.isList) return nullptr;
    return std::make_shared<SimAddressEntries>(members_);
}

std::shared_ptr<mapi::AddressEntry> SimAddressEntry::MAPIOBJECT() {
    return std::make_shared<SimMapiAddressEntry>(shared_from_this());
}

std::string SimAddressEntry::smtpAddress() const {
    if (text::equalsNoCase(spec_.type, "SMTP")) return spec_.address;
    if (text::equalsNoCase(spec_.type, "MAPIPDL")) return {};
    for (const auto& proxy : spec_.proxyAddresses) {
        if (proxy.starts_with("SMTP:")) return proxy.substr(5);
    }
    return spec_.smtpAddress;
}

bool SimAddressEntry::hasSmtpAddress(std::string_view smtp) const {
    if (smtp.empty()) return false;
    if (text::equalsNoCase(spec_.type, "SMTP") && text::equalsNoCase(spec_.address, smtp)) return true;
    if (text::equalsNoCase(spec_.smtpAddress, smtp)) return true;
    return std::any_of(spec_.proxyAddresses.begin(), spec_.proxyAddresses.end(), [&](const std::string& p) {
        return p.size() > 5 && text::equalsNoCase(std::string_view(p).substr(0, 5), "SMTP:") &&
               text::equalsNoCase(std::string_view(p).substr(5), smtp);
    });
}

void SimAddressEntry::addMember(std::shared_ptr<SimAddressEntry> member) {
    if (!member || member.get() == this) Raise(errors::InvalidCall);
    members_.push_back(std::move(member));
}

}  // namespace corvane::sim
