#include "corvane/access/address_entry.h"

#include "corvane/mapi/objects.h"

namespace corvane::access {

AddressEntry::AddressEntry(std::shared_ptr<mapi::AddressEntry> entry) : entry_(std::move(entry)) {}

std::string AddressEntry::Name() { return entry_->Name(); }
std::string AddressEntry::Address() { return entry_->Address(); }
std::string AddressEntry::Type() { return entry_->Type(); }
std::string AddressEntry::SmtpAddress() { return entry_->SmtpAddress(); }
int AddressEntry::DisplayType() { return entry_->DisplayType(); }
int AddressEntry::Class() { return entry_->Class(); }

std::shared_ptr<AddressEntries> AddressEntry::Members() {
    auto members = entry_->Members();
    if (!members) return nullptr;
    std::vector<std::shared_ptr<AddressEntry>> wrapped;
    wrapped.reserve(members->size());
    for (auto& m : *members) wrapped.push_back(WrapEntry(m));
    return std::make_shared<AddressEntries>("AddressEntry.Members", std::move(wrapped));
}

std::shared_ptr<mapi::PropertyObject> AddressEntry::PropertySource(std::string_view) { return entry_; }

std::shared_ptr<AddressEntry> WrapEntry(std::shared_ptr<mapi::AddressEntry> entry) {
    return entry ? std::make_shared<AddressEntry>(std::move(entry)) : nullptr;
}

}  // namespace corvane::access
