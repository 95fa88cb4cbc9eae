#include "corvane/sim/item_parts.h"

#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim {

namespace {

std::shared_ptr<SimItem> LiveOwner(const std::weak_ptr<SimItem>& owner, bool removed) {
    auto item = owner.lock();
    if (!item || item->gone()) Raise(errors::ItemMovedOrDeleted);
    if (removed) Raise(errors::OperationFailed);
    return item;
}

}  // namespace

// Recipients ---------------------------------------------------------------------------

SimRecipient::SimRecipient(std::weak_ptr<SimItem> owner, std::string name, int type)
    : owner_(std::move(owner)), standalone_(owner_.expired()), name_(std::move(name)), type_(type) {}

void SimRecipient::check() const {
    if (standalone_) return;
    LiveOwner(owner_, removed_);
}

bool SimRecipient::usable() const {
    if (standalone_) return true;
    auto item = owner_.lock();
    return item && !item->gone() && !removed_;
}

int SimRecipient::Class() { return check(), outlook::olclass::Recipient; }
std::string SimRecipient::Name() { return check(), name_; }
std::string SimRecipient::Address() { return check(), address_; }
int SimRecipient::Type() { return check(), type_; }

void SimRecipient::SetType(int type) {
    check();
    if (type < outlook::olrecipient::Originator || type > outlook::olrecipient::BCC) {
        Raise(errors::InvalidCall);
    }
    type_ = type;
    if (auto item = owner_.lock()) item->touch();
}

bool SimRecipient::Resolve() { return check(), resolve(); }
bool SimRecipient::Resolved() { return check(), resolved_; }

std::shared_ptr<outlook::AddressEntry> SimRecipient::AddressEntry() {
    check();
    return resolved_ ? entry_ : nullptr;
}

void SimRecipient::Delete() {
    check();
    if (auto item = owner_.lock()) item->removeRecipient(*this);
}

void SimRecipient::resolveTo(std::shared_ptr<SimAddressEntry> entry, std::string displayName) {
    entry_ = std::move(entry);
    name_ = std::move(displayName);
    address_ = entry_ ? entry_->spec().address : std::string();
    resolved_ = entry_ != nullptr;
}

bool SimRecipient::resolve() {
    if (resolved_) return true;
    auto item = owner_.lock();
    if (!item) return false;
    auto resolution = item->app()->profile()->addressBook().resolve(name_);
    if (!resolution.entry) return false;
    resolveTo(resolution.entry, resolution.displayName);
    item->touch();
    return true;
}

std::shared_ptr<SimRecipient> SimRecipient::cloneFor(std::weak_ptr<SimItem> owner) const {
    auto copy = std::make_shared<SimRecipient>(std::move(owner), name_, type_);
    copy->address_ = address_;
    copy->resolved_ = resolved_;
    copy->entry_ = entry_;
    copy->props_ = props_;
    return copy;
}

// Attachments --------------------------------------------------------------------------

SimAttachment::SimAttachment(std::weak_ptr<SimItem> owner, const AttachmentSpec& spec) : owner_(std::move(owner)) {
    props_.set(mapi::tags::AttachLongFilename, spec.fileName);
    props_.set(mapi::tags::AttachFilename, spec.fileName);
    props_.set(mapi::tags::DisplayName, spec.displayName.empty() ? spec.fileName : spec.displayName);
    if (!spec.contentId.empty()) props_.set(mapi::tags::AttachContentId, spec.contentId);
    props_.set(mapi::tags::ObjectType, mapi::objtype::Attach);
}

void SimAttachment::check() const { LiveOwner(owner_, removed_); }
bool SimAttachment::usable() const {
    auto item = owner_.lock();
    return item && !item->gone() && !removed_;
}

int SimAttachment::Class() { return check(), outlook::olclass::Attachment; }
std::string SimAttachment::FileName() { return check(), props_.text(mapi::tags::AttachLongFilename); }
std::string SimAttachment::DisplayName() { return check(), props_.text(mapi::tags::DisplayName); }

int SimAttachment::Index() {
    check();
    return owner_.lock()->attachmentIndex(*this);
}

void SimAttachment::Delete() {
    check();
    owner_.lock()->removeAttachment(*this);
}

std::shared_ptr<SimAttachment> SimAttachment::cloneFor(std::weak_ptr<SimItem> owner) const {
    auto copy = std::make_shared<SimAttachment>(std::move(owner), AttachmentSpec{});
    copy->props_ = props_;
    return copy;
}

// User properties ----------------------------------------------------------------------

SimUserProperty::SimUserProperty(std::weak_ptr<SimItem> owner, std::string name, int type)
    : owner_(std::move(owner)), name_(std::move(name)), type_(type) {}

void SimUserProperty::check() const { LiveOwner(owner_, removed_); }

int SimUserProperty::Class() { return check(), outlook::olclass::UserProperty; }
std::string SimUserProperty::Name() { return check(), name_; }
int SimUserProperty::Type() { return check(), type_; }
std::string SimUserProperty::Value() { return check(), value_; }

void SimUserProperty::SetValue(const std::string& value) {
    check();
    value_ = value;
    auto item = owner_.lock();
    item->touch();
    item->events().raise([&](outlook::ItemEvents& s) { s.CustomPropertyChange(name_); });
}

void SimUserProperty::Delete() {
    check();
    owner_.lock()->removeUserProperty(*this);
}

std::shared_ptr<SimUserProperty> SimUserProperty::cloneFor(std::weak_ptr<SimItem> owner) const {
    auto copy = std::make_shared<SimUserProperty>(std::move(owner), name_, type_);
    copy->value_ = value_;
    return copy;
}

}  // namespace corvane::sim
