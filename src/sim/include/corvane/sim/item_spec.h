#pragma once
// How a profile describes an item: what the builders and the message-file reader turn
// into a simulated item.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "corvane/outlook/object.h"
#include "corvane/platform/datetime.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/item_parts.h"

namespace corvane::sim {

// A recipient: an address book entry, or a typed text ("Name <address>", an address or a
// name), which is resolved when the address book knows it.
struct RecipientSpec {
    RecipientSpec(std::shared_ptr<SimAddressEntry> e) : entry(std::move(e)) {}  // NOLINT(implicit)
    RecipientSpec(std::string t) : text(std::move(t)) {}                        // NOLINT(implicit)
    RecipientSpec(const char* t) : text(t) {}                                   // NOLINT(implicit)
    std::shared_ptr<SimAddressEntry> entry;
    std::string text;
};

struct ItemSpec {
    int objectClass = outlook::olclass::Mail;
    std::string messageClass;  // defaults by class ("IPM.Note", "IPM.Post", ...)
    std::string subject;
    std::string body;
    std::string html;  // when set, the item is an HTML item and its Body is derived from it
    std::shared_ptr<SimAddressEntry> from;
    std::shared_ptr<SimAddressEntry> onBehalfOf;
    std::vector<RecipientSpec> to;
    std::vector<RecipientSpec> cc;
    std::vector<RecipientSpec> bcc;
    std::vector<std::shared_ptr<SimAddressEntry>> replyTo;
    std::optional<platform::DateTime> received;  // defaults to the clock for a sent item
    std::optional<platform::DateTime> sentOn;    // defaults to received
    std::optional<platform::DateTime> deferredDelivery;
    bool sent = true;  // false for a draft: no sender, no received time
    bool unread = false;
    std::vector<AttachmentSpec> attachments;
    std::vector<std::pair<std::string, std::string>> userProperties;  // text properties
    std::string fullName;                                             // contact
    std::string email1Address;                                        // contact
};

// A new item from a description, saved nowhere yet.
std::shared_ptr<SimItem> BuildItem(const std::shared_ptr<SimApplication>& app, const ItemSpec& spec);
// The description of an item as it stands (what a saved profile writes); BuildItem of it
// gives an item with the same content.
ItemSpec SpecOf(SimItem& item);

}  // namespace corvane::sim
