#include "corvane/sim/address_book.h"

#include "corvane/outlook/object.h"
#include "corvane/platform/error.h"
#include "corvane/sim/failure.h"
#include "corvane/text/text.h"

namespace corvane::sim {

std::optional<std::pair<std::string, std::string>> SplitNameAndAddress(std::string_view text) {
    auto open = text.rfind('<');
    auto close = text.rfind('>');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;
    std::string name = text::trim(text.substr(0, open));
    std::string address = text::trim(text.substr(open + 1, close - open - 1));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
    return std::make_pair(std::move(name), std::move(address));
}

std::shared_ptr<SimAddressEntry> AddressBook::addEntry(EntrySpec spec) {
    auto entry = std::make_shared<SimAddressEntry>(std::move(spec));
    entries_.push_back(entry);
    return entry;
}

std::shared_ptr<SimAddressEntry> AddressBook::addSmtp(std::string name, std::string address) {
    EntrySpec spec;
    spec.name = std::move(name);
    spec.address = std::move(address);
    return addEntry(std::move(spec));
}

namespace {

EntrySpec ExchangeSpec(ExchangeUserSpec user, int displayType, bool isList) {
    EntrySpec spec;
    spec.name = std::move(user.name);
    spec.type = "EX";
    spec.alias = user.alias;
    spec.displayType = displayType;
    spec.isList = isList;
    spec.smtpAddress = user.primarySmtp;
    spec.proxyAddresses = std::move(user.proxyAddresses);
    if (spec.proxyAddresses.empty() && !user.primarySmtp.empty()) {
        spec.proxyAddresses.push_back("SMTP:" + user.primarySmtp);
    }
    spec.address = user.legacyDn.empty()
                       ? "/o=Kelderon/ou=Exchange Administrative Group (FYDIBOHF23SPDLT)/cn=Recipients/cn=" +
                             user.alias
                       : std::move(user.legacyDn);
    return spec;
}

}  // namespace

std::shared_ptr<SimAddressEntry> AddressBook::addExchangeUser(ExchangeUserSpec spec) {
    return addEntry(ExchangeSpec(std::move(spec), outlook::oldisplay::User, false));
}

std::shared_ptr<SimAddressEntry> AddressBook::addExchangeList(ExchangeUserSpec spec,
                                                              std::vector<std::shared_ptr<SimAddressEntry>> members) {
    auto list = addEntry(ExchangeSpec(std::move(spec), outlook::oldisplay::DistList, true));
    for (auto& m : members) list->addMember(std::move(m));
    return list;
}

std::shared_ptr<SimAddressEntry> AddressBook::addPersonalList(std::string name,
                                                              std::vector<std::shared_ptr<SimAddressEntry>> members) {
    EntrySpec spec;
    spec.name = name;
    spec.type = "MAPIPDL";
    spec.address = std::move(name);
    spec.displayType = outlook::oldisplay::PrivateDistList;
    spec.isList = true;
    auto list = addEntry(std::move(spec));
    for (auto& m : members) list->addMember(std::move(m));
    return list;
}

std::shared_ptr<SimAddressEntry> AddressBook::oneOff(std::string name, std::string smtpAddress) {
    EntrySpec spec;
    spec.name = name.empty() ? smtpAddress : std::move(name);
    spec.address = std::move(smtpAddress);
    return std::make_shared<SimAddressEntry>(std::move(spec), true);
}

std::shared_ptr<SimAddressEntry> AddressBook::findByName(std::string_view name) const {
    std::shared_ptr<SimAddressEntry> found;
    for (const auto& e : entries_) {
        if (text::equalsNoCase(e->spec().name, name) ||
            (!e->spec().alias.empty() && text::equalsNoCase(e->spec().alias, name))) {
            if (found) return nullptr;  // ambiguous
            found = e;
        }
    }
    return found;
}

std::shared_ptr<SimAddressEntry> AddressBook::findBySmtp(std::string_view smtp) const {
    for (const auto& e : entries_) {
        if (e->hasSmtpAddress(smtp)) return e;
    }
    return nullptr;
}

AddressBook::Resolution AddressBook::resolve(std::string_view typed) const {
    std::string text = text::trim(typed);
    if (text.empty()) return {};
    std::string name;
    std::string address;
    if (auto parts = SplitNameAndAddress(text)) {
        name = parts->first;
        address = parts->second;
    } else if (text.find('@') != std::string::npos && text.find(' ') == std::string::npos) {
        address = text;
    }
    if (!address.empty()) {
        if (address.find('@') == std::string::npos) return {};
        if (auto entry = findBySmtp(address)) return {entry, entry->spec().name};
        auto entry = oneOff(name, address);
        return {entry, entry->spec().name};
    }
    if (auto entry = findByName(text)) return {entry, entry->spec().name};
    return {};
}

}  // namespace corvane::sim
