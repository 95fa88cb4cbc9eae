#include "corvane/sim/item.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/body_text.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;
namespace tags = mapi::tags;

std::shared_ptr<SimItem> SimItem::Create(const std::shared_ptr<SimApplication>& app, int objectClass) {
    std::shared_ptr<SimItem> item;
    switch (objectClass) {
        case ol::olclass::Mail: item = std::make_shared<SimMailItem>(app, objectClass); break;
        case ol::olclass::Post: item = std::make_shared<SimPostItem>(app, objectClass); break;
        case ol::olclass::Report: item = std::make_shared<SimReportItem>(app, objectClass); break;
        case ol::olclass::MeetingRequest: item = std::make_shared<SimMeetingItem>(app, objectClass); break;
        case ol::olclass::Contact: item = std::make_shared<SimContactItem>(app, objectClass); break;
        case ol::olclass::Note: item = std::make_shared<SimNoteItem>(app, objectClass); break;
        default: Raise(errors::InvalidCall);
    }
    auto now = app->now();
    item->props_.set(tags::CreationTime, now);
    item->props_.set(tags::LastModificationTime, now);
    item->props_.set(tags::MessageFlags, mapi::msgflag::Read | mapi::msgflag::Unsent);
    item->props_.set(tags::ObjectType, mapi::objtype::Message);
    return item;
}

SimItem::SimItem(std::weak_ptr<SimApplication> app, int objectClass) : app_(std::move(app)), class_(objectClass) {}

SimItem::~SimItem() = default;

bool SimItem::isMailLike() const {
    return class_ == ol::olclass::Mail || class_ == ol::olclass::Post || class_ == ol::olclass::MeetingRequest;
}

std::shared_ptr<SimApplication> SimItem::app() const {
    auto app = app_.lock();
    if (!app) Raise(errors::HostGone);
    return app;
}

void SimItem::checkLive() const {
    if (gone_) Raise(errors::ItemMovedOrDeleted);
}

void SimItem::markGone() {
    if (gone_) return;
    gone_ = true;
    if (auto app = app_.lock()) app->forgetItem(*this);
}

std::shared_ptr<SimFolder> SimItem::home() const {
    if (auto h = home_.lock()) return h;
    auto app = app_.lock();
    if (!app) return nullptr;
    int type = ol::olfolder::Drafts;
    if (class_ == ol::olclass::Contact) type = ol::olfolder::Contacts;
    if (class_ == ol::olclass::Note) type = ol::olfolder::Notes;
    auto folder = app->profile()->defaultFolder(type);
    return folder ? folder : app->profile()->defaultFolder(ol::olfolder::Drafts);
}

void SimItem::placeIn(const std::shared_ptr<SimFolder>& folder, std::string entryId) {
    folder_ = folder;
    entryId_ = std::move(entryId);
}

void SimItem::setSender(std::shared_ptr<SimAddressEntry> entry) {
    sender_ = std::move(entry);
    props_.set(tags::SenderName, sender_ ? mapi::PropValue(sender_->spec().name) : mapi::PropValue());
    props_.set(tags::SenderEmailAddress, sender_ ? mapi::PropValue(sender_->spec().address) : mapi::PropValue());
    props_.set(tags::SenderAddrType, sender_ ? mapi::PropValue(sender_->spec().type) : mapi::PropValue());
}

void SimItem::setSentRepresenting(std::shared_ptr<SimAddressEntry> entry) {
    sentRepresenting_ = std::move(entry);
    const auto& e = sentRepresenting_;
    props_.set(tags::SentRepresentingName, e ? mapi::PropValue(e->spec().name) : mapi::PropValue());
    props_.set(tags::SentRepresentingEmailAddress, e ? mapi::PropValue(e->spec().address) : mapi::PropValue());
    props_.set(tags::SentRepresentingAddrType, e ? mapi::PropValue(e->spec().type) : mapi::PropValue());
}

std::string SimItem::messageClass() const {
    auto stored = props_.text(tags::MessageClass);
    if (!stored.empty()) return stored;
    switch (class_) {
        case ol::olclass::Post: return "IPM.Post";
        case ol::olclass::Report: return "REPORT.IPM.Note.NDR";
        case ol::olclass::MeetingRequest: return "IPM.Schedule.Meeting.Request";
        case ol::olclass::Contact: return "IPM.Contact";
        case ol::olclass::Note: return "IPM.StickyNote";
        default: return "IPM.Note";
    }
}

std::string SimItem::subject() const { return props_.text(tags::Subject); }

void SimItem::setSubject(const std::string& subject) {
    props_.set(tags::Subject, subject);
    touch();
    events_.raise([](ol::ItemEvents& s) { s.PropertyChange("Subject"); });
}

std::string SimItem::body() const { return props_.text(tags::Body); }

void SimItem::setBody(const std::string& body) {
    props_.set(tags::Body, body);
    if (bodyFormat() == ol::olformat::HTML) props_.set(tags::BodyHtml, TextToHtml(body));
    touch();
    events_.raise([](ol::ItemEvents& s) { s.PropertyChange("Body"); });
}

std::string SimItem::html() const { return props_.text(tags::BodyHtml); }

void SimItem::setHtml(const std::string& html) {
    props_.set(tags::BodyHtml, html);
    props_.set(tags::Body, HtmlToText(html));
    touch();
    events_.raise([](ol::ItemEvents& s) { s.PropertyChange("HTMLBody"); });
}

int SimItem::bodyFormat() const { return props_.has(tags::BodyHtml) ? ol::olformat::HTML : ol::olformat::Plain; }

std::string SimItem::displayLine(int recipientType) const {
    std::string line;
    for (const auto& r : recipients_) {
        if (r->type() != recipientType) continue;
        if (!line.empty()) line += "; ";
        line += r->name();
    }
    return line;
}

void SimItem::setDisplayLine(int recipientType, std::string_view text) {
    std::vector<std::shared_ptr<SimRecipient>> kept;
    for (auto& r : recipients_) {
        if (r->type() == recipientType) {
            r->detach();
        } else {
            kept.push_back(r);
        }
    }
    recipients_ = std::move(kept);
    for (const auto& part : text::split(text, ";")) {
        auto name = text::trim(part);
        if (!name.empty()) addRecipient(name, recipientType);
    }
    touch();
}

bool SimItem::unread() const { return (props_.number(tags::MessageFlags) & mapi::msgflag::Read) == 0; }

void SimItem::setUnread(bool unread) {
    auto flags = props_.number(tags::MessageFlags);
    flags = unread ? (flags & ~mapi::msgflag::Read) : (flags | mapi::msgflag::Read);
    props_.set(tags::MessageFlags, flags);
    touch();
}

bool SimItem::sent() const { return (props_.number(tags::MessageFlags) & mapi::msgflag::Unsent) == 0; }

void SimItem::setSent(bool sent) {
    auto flags = props_.number(tags::MessageFlags);
    flags = sent ? (flags & ~mapi::msgflag::Unsent) : (flags | mapi::msgflag::Unsent);
    props_.set(tags::MessageFlags, flags);
    touch();
}

bool SimItem::submitted() const { return (props_.number(tags::MessageFlags) & mapi::msgflag::Submit) != 0; }

platform::DateTime SimItem::deferredDelivery() const {
    return props_.time(tags::DeferredDeliveryTime).value_or(platform::DateTime::none());
}

void SimItem::setDeferredDelivery(platform::DateTime when) {
    props_.set(tags::DeferredDeliveryTime, when == platform::DateTime::none() ? mapi::PropValue() : when);
    touch();
}

platform::DateTime SimItem::receivedTime() const {
    return props_.time(tags::MessageDeliveryTime).value_or(platform::DateTime::none());
}
platform::DateTime SimItem::sentOn() const {
    return props_.time(tags::ClientSubmitTime).value_or(platform::DateTime::none());
}
platform::DateTime SimItem::creationTime() const {
    return props_.time(tags::CreationTime).value_or(platform::DateTime::none());
}
std::string SimItem::senderName() const { return props_.text(tags::SenderName); }
std::string SimItem::senderEmailAddress() const { return props_.text(tags::SenderEmailAddress); }
std::string SimItem::senderEmailType() const { return props_.text(tags::SenderAddrType); }
std::string SimItem::sentOnBehalfOfName() const { return props_.text(tags::SentRepresentingName); }

std::shared_ptr<SimRecipient> SimItem::addRecipient(std::string name, int type) {
    auto r = std::make_shared<SimRecipient>(weak_from_this(), std::move(name), type);
    recipients_.push_back(r);
    touch();
    return r;
}

std::shared_ptr<SimRecipient> SimItem::addRecipient(const std::shared_ptr<SimAddressEntry>& entry, int type) {
    auto r = addRecipient(entry->spec().name, type);
    r->resolveTo(entry, entry->spec().name);
    return r;
}

std::shared_ptr<SimRecipient> SimItem::addReplyRecipient(const std::shared_ptr<SimAddressEntry>& entry) {
    auto r = std::make_shared<SimRecipient>(weak_from_this(), entry->spec().name, ol::olrecipient::To);
    r->resolveTo(entry, entry->spec().name);
    replyRecipients_.push_back(r);
    touch();
    return r;
}

void SimItem::removeRecipient(const SimRecipient& recipient) {
    for (auto* list : {&recipients_, &replyRecipients_}) {
        auto it = std::find_if(list->begin(), list->end(), [&](const auto& r) { return r.get() == &recipient; });
        if (it != list->end()) {
            (*it)->detach();
            list->erase(it);
            touch();
            return;
        }
    }
}

bool SimItem::resolveAll() {
    bool all = true;
    for (const auto& r : recipients_) all = r->resolve() && all;
    return all;
}

std::shared_ptr<SimAttachment> SimItem::addAttachment(const AttachmentSpec& spec) {
    auto a = std::make_shared<SimAttachment>(weak_from_this(), spec);
    attachments_.push_back(a);
    touch();
    return a;
}

void SimItem::removeAttachment(const SimAttachment& attachment) {
    auto it = std::find_if(attachments_.begin(), attachments_.end(),
                           [&](const auto& a) { return a.get() == &attachment; });
    if (it == attachments_.end()) return;
    (*it)->detach();
    attachments_.erase(it);
    touch();
}

int SimItem::attachmentIndex(const SimAttachment& attachment) const {
    for (std::size_t i = 0; i < attachments_.size(); ++i) {
        if (attachments_[i].get() == &attachment) return static_cast<int>(i + 1);
    }
    return 0;
}

std::shared_ptr<SimUserProperty> SimItem::addUserProperty(std::string_view name, int type) {
    if (findUserProperty(name)) Raise(errors::InvalidCall);
    auto p = std::make_shared<SimUserProperty>(weak_from_this(), std::string(name), type);
    userProperties_.push_back(p);
    touch();
    return p;
}

std::shared_ptr<SimUserProperty> SimItem::findUserProperty(std::string_view name) const {
    for (const auto& p : userProperties_) {
        if (text::equalsNoCase(p->name(), name)) return p;
    }
    return nullptr;
}

void SimItem::removeUserProperty(const SimUserProperty& property) {
    auto it = std::find_if(userProperties_.begin(), userProperties_.end(),
                           [&](const auto& p) { return p.get() == &property; });
    if (it == userProperties_.end()) return;
    (*it)->detach();
    userProperties_.erase(it);
    touch();
}

void SimItem::save() {
    bool cancel = false;
    events_.raise([&](ol::ItemEvents& s) { s.Write(cancel); });
    if (cancel) return;
    saveQuietly();
}

void SimItem::saveQuietly() {
    if (!folder()) {
        auto target = home();
        if (!target) Raise(errors::OperationFailed);
        target->insert(std::static_pointer_cast<SimItem>(shared_from_this()));
    }
    props_.set(tags::LastModificationTime, app()->now());
    dirty_ = false;
}

std::shared_ptr<SimItem> SimItem::copyDetached() const {
    auto copy = Create(app(), class_);
    copyContentTo(*copy);
    copy->home_ = home_;
    copy->dirty_ = dirty_;
    return copy;
}

void SimItem::copyContentTo(SimItem& target) const {
    target.props_ = props_;
    auto owner = target.weak_from_this();
    auto cloneAll = [&](const auto& from, auto& to) {
        for (auto& old : to) old->detach();
        to.clear();
        for (const auto& part : from) to.push_back(part->cloneFor(owner));
    };
    cloneAll(recipients_, target.recipients_);
    cloneAll(replyRecipients_, target.replyRecipients_);
    cloneAll(attachments_, target.attachments_);
    cloneAll(userProperties_, target.userProperties_);
    target.sender_ = sender_;
    target.sentRepresenting_ = sentRepresenting_;
    target.dirty_ = true;
}

std::shared_ptr<SimItem> SimItem::moveTo(const std::shared_ptr<SimFolder>& destination) {
    if (!destination) Raise(errors::InvalidCall);
    destination->checkLive();
    auto copy = copyDetached();
    destination->insert(copy);
    copy->dirty_ = false;
    if (auto from = folder()) from->erase(*this);
    markGone();
    return copy;
}

void SimItem::deleteItem() {
    auto from = folder();
    if (!from) {
        markGone();
        return;
    }
    auto store = from->store();
    auto deleted = store ? store->defaultFolder(ol::olfolder::DeletedItems) : nullptr;
    if (!deleted) deleted = app()->profile()->defaultFolder(ol::olfolder::DeletedItems);
    if (!deleted || from->isWithin(*deleted)) {
        removeForGood();
        return;
    }
    moveTo(deleted);
}

void SimItem::removeForGood() {
    if (auto from = folder()) from->erase(*this);
    markGone();
}

std::shared_ptr<SimItem> AsSimItem(const std::shared_ptr<ol::Item>& item) {
    return std::dynamic_pointer_cast<SimItem>(item);
}

}  // namespace corvane::sim
