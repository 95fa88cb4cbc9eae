#pragma once
// An address book entry as the component reads it: a sender, a recipient's entry, a
// store owner, the current user, a member of a distribution list.
#include <memory>
#include <string>

#include "corvane/access/collection.h"
#include "corvane/access/properties.h"

namespace corvane::access {

class AddressEntry;
using AddressEntries = Collection<AddressEntry>;

class AddressEntry : public MapiProperties {
public:
    explicit AddressEntry(std::shared_ptr<mapi::AddressEntry> entry);

    std::string Name();
    std::string Address();
    std::string Type();  // "SMTP", "EX", "MAPIPDL", ...
    std::string SmtpAddress();
    int DisplayType();  // 1 distribution list, 5 personal distribution list, ...
    int Class();        // 8
    // The members of a distribution list; nullptr (Nothing) for any other entry.
    std::shared_ptr<AddressEntries> Members();

    const std::shared_ptr<mapi::AddressEntry>& MAPIOBJECT() const noexcept { return entry_; }

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    std::shared_ptr<mapi::AddressEntry> entry_;
};

// nullptr stays nullptr.
std::shared_ptr<AddressEntry> WrapEntry(std::shared_ptr<mapi::AddressEntry> entry);

}  // namespace corvane::access
