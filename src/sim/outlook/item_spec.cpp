#include "corvane/sim/outlook/item_spec.h"

#include "body_text.h"
#include "corvane/sim/outlook/address_book.h"
#include "corvane/sim/outlook/application.h"
#include "corvane/sim/outlook/item.h"
#include "corvane/sim/outlook/name_space.h"

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

}  // namespace corvane::sim
