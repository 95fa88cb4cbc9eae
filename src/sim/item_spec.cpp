#include "corvane/sim/item_spec.h"

#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/body_text.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim {

namespace ol = outlook;
namespace tags = mapi::tags;

namespace {

void AddRecipients(SimItem& item, const std::vector<RecipientSpec>& specs, int type) {
    for (const auto& spec : specs) {
        if (spec.entry) {
            item.addRecipient(spec.entry, type);
        } else {
            item.addRecipient(spec.text, type)->resolve();
        }
    }
}

}  // namespace

std::shared_ptr<SimItem> BuildItem(const std::shared_ptr<SimApplication>& app, const ItemSpec& spec) {
    auto item = SimItem::Create(app, spec.objectClass);
    auto& props = item->props();
    if (!spec.messageClass.empty()) props.set(tags::MessageClass, spec.messageClass);
    props.set(tags::Subject, spec.subject);
    if (!spec.html.empty()) {
        props.set(tags::BodyHtml, spec.html);
        props.set(tags::Body, spec.body.empty() ? HtmlToText(spec.html) : spec.body);
    } else {
        props.set(tags::Body, spec.body);
    }
    AddRecipients(*item, spec.to, ol::olrecipient::To);
    AddRecipients(*item, spec.cc, ol::olrecipient::CC);
    AddRecipients(*item, spec.bcc, ol::olrecipient::BCC);
    for (const auto& entry : spec.replyTo) item->addReplyRecipient(entry);
    for (const auto& a : spec.attachments) item->addAttachment(a);
    for (const auto& [name, value] : spec.userProperties) {
        item->addUserProperty(name, ol::olprop::Text)->SetValue(value);
    }
    if (spec.from) item->setSender(spec.from);
    if (spec.onBehalfOf) item->setSentRepresenting(spec.onBehalfOf);
    if (spec.sent) {
        auto received = spec.received.value_or(app->now());
        props.set(tags::MessageDeliveryTime, received);
        props.set(tags::ClientSubmitTime, spec.sentOn.value_or(received));
        item->setSent(true);
    }
    if (spec.deferredDelivery) item->setDeferredDelivery(*spec.deferredDelivery);
    item->setUnread(spec.unread);
    if (!spec.fullName.empty()) props.set(tags::DisplayName, spec.fullName);
    if (!spec.email1Address.empty()) props.set(tags::EmailAddress, spec.email1Address);
    return item;
}

ItemSpec SpecOf(SimItem& item) {
    ItemSpec spec;
    const auto& props = item.props();
    spec.objectClass = item.objectClass();
    spec.messageClass = props.text(tags::MessageClass);
    spec.subject = item.subject();
    spec.body = item.body();
    spec.html = item.html();
    spec.from = item.sender();
    spec.onBehalfOf = item.sentRepresenting();
    for (const auto& r : item.recipients()) {
        RecipientSpec recipient = r->resolved() && r->entry() ? RecipientSpec(r->entry()) : RecipientSpec(r->name());
        auto& list = r->type() == ol::olrecipient::CC    ? spec.cc
                     : r->type() == ol::olrecipient::BCC ? spec.bcc
                                                         : spec.to;
        list.push_back(std::move(recipient));
    }
    for (const auto& r : item.replyRecipients()) {
        if (r->entry()) spec.replyTo.push_back(r->entry());
    }
    spec.sent = item.sent();
    if (spec.sent) {
        spec.received = props.time(tags::MessageDeliveryTime);
        spec.sentOn = props.time(tags::ClientSubmitTime);
    }
    spec.deferredDelivery = props.time(tags::DeferredDeliveryTime);
    spec.unread = item.unread();
    for (const auto& a : item.attachments()) {
        spec.attachments.push_back({a->props().text(tags::AttachLongFilename), a->props().text(tags::AttachContentId),
                                    a->props().text(tags::DisplayName)});
    }
    for (const auto& p : item.userProperties()) spec.userProperties.emplace_back(p->name(), p->value());
    spec.fullName = item.objectClass() == ol::olclass::Contact ? props.text(tags::DisplayName) : std::string();
    spec.email1Address = item.objectClass() == ol::olclass::Contact ? props.text(tags::EmailAddress) : std::string();
    return spec;
}

}  // namespace corvane::sim
