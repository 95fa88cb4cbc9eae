#pragma once
// Recipients of an item and the address book entries they resolve to.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Recipients : public Object {
public:
    virtual int Count() = 0;
    // 1-based; an index outside 1..Count fails with errors::IndexOutOfBounds.
    virtual std::shared_ptr<Recipient> Item(int index) = 0;
    // A new, unresolved To recipient named by the text (a name or an address).
    virtual std::shared_ptr<Recipient> Add(std::string_view name) = 0;
    virtual void Remove(int index) = 0;
    // Resolves every recipient; true when all of them resolved.
    virtual bool ResolveAll() = 0;
};

class Recipient : public Object {
public:
    // The display name; also the recipient's default value read as text.
    virtual std::string Name() = 0;
    // The address of the entry's own type (SMTP address, Exchange DN); empty while
    // unresolved.
    virtual std::string Address() = 0;
    virtual int Type() = 0;  // olrecipient
    virtual void SetType(int type) = 0;
    // Looks the name up in the address book; true when it resolved.
    virtual bool Resolve() = 0;
    virtual bool Resolved() = 0;
    // nullptr while unresolved.
    virtual std::shared_ptr<outlook::AddressEntry> AddressEntry() = 0;
    virtual void Delete() = 0;
};

class AddressEntry : public Object {
public:
    virtual std::string Name() = 0;
    virtual std::string Address() = 0;
    // "SMTP", "EX", "MAPIPDL", ...
    virtual std::string Type() = 0;
    virtual int DisplayType() = 0;  // oldisplay
    // The members of a distribution list; nullptr for any other entry.
    virtual std::shared_ptr<AddressEntries> Members() = 0;
    virtual std::shared_ptr<mapi::AddressEntry> MAPIOBJECT() = 0;
};

class AddressEntries : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<outlook::AddressEntry> Item(int index) = 0;  // 1-based
};

}  // namespace corvane::outlook
