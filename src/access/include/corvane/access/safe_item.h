#pragma once
// The Safe item wrappers: set Item to an Outlook item, then read its sender and its MAPI
// properties without going through Outlook's guarded members. The wrapper holds the
// Outlook item, not a copy: every member reads the item as it is now, and an item that
// has been moved or deleted fails the way Outlook fails.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/access/access_object.h"
#include "corvane/access/address_entry.h"
#include "corvane/access/progids.h"
#include "corvane/access/properties.h"

namespace corvane::access {

class SafeItem : public AccessObject, public MapiProperties {
public:
    // Binds the wrapper; nullptr unbinds it.
    void SetItem(std::shared_ptr<outlook::Item> item);
    std::shared_ptr<outlook::Item> Item() const noexcept { return item_; }

    // Saves the Outlook item, then any property written through Fields.
    void Save();
    // The sender's address entry; nullptr when the message has none (a new message).
    std::shared_ptr<AddressEntry> Sender();
    std::string EntryID();
    bool UnRead();
    void SetUnRead(bool unread);

protected:
    explicit SafeItem(std::string_view className) : className_(className) {}

    outlook::Item& Bound(std::string_view member) const;
    std::shared_ptr<mapi::Message> Message(std::string_view member) const;
    std::string_view ClassName() const noexcept { return className_; }

    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;
    void FieldsWritten() override { fieldsWritten_ = true; }

private:
    std::string_view className_;
    std::shared_ptr<outlook::Item> item_;
    bool fieldsWritten_ = false;
};

// The MAPI message behind an Outlook item; fails with a clear error when there is none.
std::shared_ptr<mapi::Message> OpenMessage(outlook::Item& item, std::string_view object, std::string_view member);

class SafePostItem : public SafeItem {
public:
    static constexpr std::string_view ProgId = progid::SafePostItem;
    SafePostItem() : SafeItem("SafePostItem") {}
};

class SafeReportItem : public SafeItem {
public:
    static constexpr std::string_view ProgId = progid::SafeReportItem;
    SafeReportItem() : SafeItem("SafeReportItem") {}
};

}  // namespace corvane::access
