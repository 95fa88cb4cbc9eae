#pragma once
// The profile's address book: SMTP entries, Exchange users with their proxy addresses,
// Exchange distribution lists and personal distribution lists, and the lookup by which
// recipients resolve.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/recipients.h"
#include "corvane/sim/prop_bag.h"

namespace corvane::sim {

// Everything an entry holds; the AddressBook builders fill it for the common kinds.
struct EntrySpec {
    std::string name;
    std::string type = "SMTP";                // "SMTP", "EX", "MAPIPDL", "GOOG", ...
    std::string address;                      // as its type writes it: an SMTP address, an Exchange DN
    int displayType = 0;                      // outlook::oldisplay
    std::string alias;                        // Exchange alias, also matched when resolving
    std::string smtpAddress;                  // PR_SMTP_ADDRESS, when the entry has one
    std::vector<std::string> proxyAddresses;  // "SMTP:primary", "smtp:secondary", "X400:..."
    bool isList = false;                      // a distribution list (Members is an object)
};

class SimAddressEntry final : public outlook::AddressEntry, public std::enable_shared_from_this<SimAddressEntry> {
public:
    explicit SimAddressEntry(EntrySpec spec, bool oneOff = false);

    int Class() override;
    std::string Name() override;
    std::string Address() override;
    std::string Type() override;
    int DisplayType() override;
    std::shared_ptr<outlook::AddressEntries> Members() override;
    std::shared_ptr<mapi::AddressEntry> MAPIOBJECT() override;

    const EntrySpec& spec() const { return spec_; }
    bool isOneOff() const { return oneOff_; }
    bool isList() const { return spec_.isList; }
    // RDO's SmtpAddress: see mapi::AddressEntry::SmtpAddress.
    std::string smtpAddress() const;
    // Whether an SMTP address names this entry (its own, PR_SMTP_ADDRESS or a proxy).
    bool hasSmtpAddress(std::string_view smtp) const;
    const std::vector<std::shared_ptr<SimAddressEntry>>& members() const { return members_; }
    void addMember(std::shared_ptr<SimAddressEntry> member);
    // Further MAPI properties of the entry.
    PropBag& props() { return props_; }

private:
    EntrySpec spec_;
    bool oneOff_;
    std::vector<std::shared_ptr<SimAddressEntry>> members_;
    PropBag props_;
};

struct ExchangeUserSpec {
    std::string name;
    std::string alias;
    std::string primarySmtp;
    // Defaults to "SMTP:" + primarySmtp; may list secondary ("smtp:") and other types.
    std::vector<std::string> proxyAddresses;
    // Defaults to an organisation DN ending in "/cn=" + alias.
    std::string legacyDn;
};

class AddressBook {
public:
    std::shared_ptr<SimAddressEntry> addEntry(EntrySpec spec);
    std::shared_ptr<SimAddressEntry> addSmtp(std::string name, std::string address);
    std::shared_ptr<SimAddressEntry> addExchangeUser(ExchangeUserSpec spec);
    // An Exchange distribution list (display type 1) with its members.
    std::shared_ptr<SimAddressEntry> addExchangeList(ExchangeUserSpec spec,
                                                     std::vector<std::shared_ptr<SimAddressEntry>> members);
    // A personal distribution list ("MAPIPDL", display type 5) with its members.
    std::shared_ptr<SimAddressEntry> addPersonalList(std::string name,
                                                     std::vector<std::shared_ptr<SimAddressEntry>> members);
    // An entry outside the book for an address typed by hand.
    static std::shared_ptr<SimAddressEntry> oneOff(std::string name, std::string smtpAddress);

    const std::vector<std::shared_ptr<SimAddressEntry>>& entries() const { return entries_; }
    std::shared_ptr<SimAddressEntry> findByName(std::string_view name) const;
    std::shared_ptr<SimAddressEntry> findBySmtp(std::string_view smtp) const;

    // How Outlook's name check treats a typed text: "Name <address>" and bare addresses
    // resolve to the book's entry for that address or to a one-off SMTP entry; any other
    // text must name exactly one entry by display name or alias.
    struct Resolution {
        std::shared_ptr<SimAddressEntry> entry;  // nullptr when the text does not resolve
        std::string displayName;                 // the name the recipient takes
    };
    Resolution resolve(std::string_view typed) const;

private:
    std::vector<std::shared_ptr<SimAddressEntry>> entries_;
};

// "Name <addr>" -> {"Name", "addr"}; a text without angle brackets gives nothing.
std::optional<std::pair<std::string, std::string>> SplitNameAndAddress(std::string_view text);

}  // namespace corvane::sim
