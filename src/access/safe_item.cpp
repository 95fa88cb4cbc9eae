#include "corvane/access/safe_item.h"

#include "corvane/access/errors.h"
#include "corvane/mapi/objects.h"
#include "corvane/outlook/items.h"

namespace corvane::access {

std::shared_ptr<mapi::Message> OpenMessage(outlook::Item& item, std::string_view object, std::string_view member) {
    if (auto message = item.MAPIOBJECT()) return message;
    errors::ThrowNotSupported(object, member, "needs the item's MAPI message, which Outlook does not hand out");
}

void SafeItem::SetItem(std::shared_ptr<outlook::Item> item) {
    item_ = std::move(item);
    fieldsWritten_ = false;
}

outlook::Item& SafeItem::Bound(std::string_view member) const {
    if (!item_) errors::ThrowNotBound(className_, member);
    return *item_;
}

std::shared_ptr<mapi::Message> SafeItem::Message(std::string_view member) const {
    return OpenMessage(Bound(member), className_, member);
}

std::shared_ptr<mapi::PropertyObject> SafeItem::PropertySource(std::string_view member) { return Message(member); }

void SafeItem::Save() {
    Bound("Save").Save();
    // Properties written through Fields live on the MAPI message until it is saved too.
    if (fieldsWritten_) {
        Message("Save")->Save();
        fieldsWritten_ = false;
    }
}

std::shared_ptr<AddressEntry> SafeItem::Sender() { return WrapEntry(Message("Sender")->Sender()); }

std::string SafeItem::EntryID() { return Bound("EntryID").EntryID(); }

bool SafeItem::UnRead() { return Message("UnRead")->UnRead(); }

void SafeItem::SetUnRead(bool unread) { Message("UnRead")->SetUnRead(unread); }

}  // namespace corvane::access
