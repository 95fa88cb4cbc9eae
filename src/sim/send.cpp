// Sending: the name check, the item's Send and the application's ItemSend events, the
// Outbox and the transport that moves messages on to Sent Items when their time comes.
#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim {

namespace ol = outlook;
namespace tags = mapi::tags;

SendOutcome SimItem::send() {
    checkLive();
    if (!isMailLike() || class_ == ol::olclass::Post) Raise(errors::NotSupported);
    // Outlook checks the names before anything else sees the message.
    if (recipients_.empty()) Raise(errors::NoRecipients);
    if (!resolveAll()) Raise(errors::UnrecognizedNames);

    auto self = shared_from_this();
    auto item = asItem();
    bool cancel = false;
    events_.raise([&](ol::ItemEvents& s) { s.Send(cancel); });
    if (cancel || gone()) return SendOutcome::Cancelled;
    auto application = app();
    application->events().raise([&](ol::ApplicationEvents& s) { s.ItemSend(item, cancel); });
    if (cancel || gone()) return SendOutcome::Cancelled;
    return application->submit(self);
}

namespace {

// The address a sent message records for a recipient.
std::string SentAddress(const SimRecipient& r) {
    if (!r.entry()) return r.name();
    auto smtp = r.entry()->smtpAddress();
    return smtp.empty() ? r.entry()->spec().name : smtp;
}

}  // namespace

SendOutcome SimApplication::submit(const std::shared_ptr<SimItem>& item) {
    auto outbox = session_->defaultFolder(ol::olfolder::Outbox);
    if (!outbox) Raise(errors::OperationFailed);

    // The message goes out under the account it names, else the default account.
    if (auto account = session_->sendingAccount(*item)) {
        auto user = session_->currentUser();
        if (account->IsExchange() && user) {
            item->setSender(user);
        } else {
            const auto& spec = account->spec();
            item->setSender(
                AddressBook::oneOff(spec.userName.empty() ? spec.smtpAddress : spec.userName, spec.smtpAddress));
        }
    } else if (auto user = session_->currentUser()) {
        item->setSender(user);
    }
    auto flags = item->props().number(tags::MessageFlags);
    item->props().set(tags::MessageFlags, flags | mapi::msgflag::Submit);

    if (auto inspector = item->inspector(); inspector && !inspector->closed()) {
        closeInspector(inspector, ol::olsave::Discard, false);
    }
    auto queued = item->moveTo(outbox);
    auto sentBefore = sent_.size();
    runTransport();
    return sent_.size() > sentBefore && queued->gone() ? SendOutcome::Sent : SendOutcome::Queued;
}

void SimApplication::runTransport() {
    auto outbox = session_->defaultFolder(ol::olfolder::Outbox);
    if (!outbox) return;
    auto due = now();
    std::vector<std::shared_ptr<SimItem>> ready;
    for (const auto& item : outbox->items()) {
        if (!item->submitted()) continue;
        auto deferred = item->deferredDelivery();
        if (deferred == platform::DateTime::none() || deferred <= due) ready.push_back(item);
    }
    for (const auto& item : ready) deliver(item);
}

void SimApplication::deliver(const std::shared_ptr<SimItem>& outboxItem) {
    auto when = now();
    SentRecord record;
    record.subject = outboxItem->subject();
    if (auto account = session_->sendingAccount(*outboxItem)) record.account = account->Name();
    for (const auto& r : outboxItem->recipients()) {
        auto address = SentAddress(*r);
        if (r->type() == ol::olrecipient::CC) {
            record.cc.push_back(address);
        } else if (r->type() == ol::olrecipient::BCC) {
            record.bcc.push_back(address);
        } else {
            record.to.push_back(address);
        }
    }
    record.sentOn = when;
    record.deferredDelivery = outboxItem->deferredDelivery();

    auto sentItems = session_->defaultFolder(ol::olfolder::SentMail);
    std::shared_ptr<SimItem> sent = outboxItem;
    if (sentItems) {
        sent = outboxItem->moveTo(sentItems);
    } else {
        outboxItem->removeForGood();
    }
    auto flags = sent->props().number(tags::MessageFlags);
    flags = (flags & ~(mapi::msgflag::Unsent | mapi::msgflag::Submit)) | mapi::msgflag::Read;
    sent->props().set(tags::MessageFlags, flags);
    sent->props().set(tags::ClientSubmitTime, when);
    sent->props().set(tags::MessageDeliveryTime, when);
    sent->saveQuietly();
    sent_.push_back(std::move(record));
}

}  // namespace corvane::sim
