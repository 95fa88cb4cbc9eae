#pragma once
// The parts of a simulated item that are Outlook objects of their own: recipients,
// attachments and user properties. Each belongs to one item; once removed, or once its
// item has gone, it fails on every member.
#include <memory>
#include <string>

#include "corvane/outlook/attachments.h"
#include "corvane/outlook/recipients.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/prop_bag.h"

namespace corvane::sim {

class SimRecipient final : public outlook::Recipient, public std::enable_shared_from_this<SimRecipient> {
public:
    // A recipient of an item; a null owner makes a stand-alone recipient (the session's
    // current user).
    SimRecipient(std::weak_ptr<SimItem> owner, std::string name, int type);

    int Class() override;
    std::string Name() override;
    std::string Address() override;
    int Type() override;
    void SetType(int type) override;
    bool Resolve() override;
    bool Resolved() override;
    std::shared_ptr<outlook::AddressEntry> AddressEntry() override;
    void Delete() override;

    const std::string& name() const { return name_; }
    const std::string& address() const { return address_; }
    int type() const { return type_; }
    bool resolved() const { return resolved_; }
    const std::shared_ptr<SimAddressEntry>& entry() const { return entry_; }
    void resolveTo(std::shared_ptr<SimAddressEntry> entry, std::string displayName);
    // Resolves against the owner's address book; true when resolved.
    bool resolve();
    std::shared_ptr<SimRecipient> cloneFor(std::weak_ptr<SimItem> owner) const;
    void detach() { removed_ = true; }
    bool usable() const;
    PropBag& props() { return props_; }

private:
    void check() const;

    std::weak_ptr<SimItem> owner_;
    bool standalone_;
    bool removed_ = false;
    std::string name_;
    std::string address_;
    int type_;
    bool resolved_ = false;
    std::shared_ptr<SimAddressEntry> entry_;
    PropBag props_;
};

struct AttachmentSpec {
    std::string fileName;
    std::string contentId;    // PR_ATTACH_CONTENT_ID of an inline picture
    std::string displayName;  // defaults to the file name
};

class SimAttachment final : public outlook::Attachment, public std::enable_shared_from_this<SimAttachment> {
public:
    SimAttachment(std::weak_ptr<SimItem> owner, const AttachmentSpec& spec);

    int Class() override;
    std::string FileName() override;
    std::string DisplayName() override;
    int Index() override;
    void Delete() override;

    PropBag& props() { return props_; }
    std::shared_ptr<SimAttachment> cloneFor(std::weak_ptr<SimItem> owner) const;
    void detach() { removed_ = true; }
    bool usable() const;

private:
    void check() const;

    std::weak_ptr<SimItem> owner_;
    bool removed_ = false;
    PropBag props_;
};

class SimUserProperty final : public outlook::UserProperty, public std::enable_shared_from_this<SimUserProperty> {
public:
    SimUserProperty(std::weak_ptr<SimItem> owner, std::string name, int type);

    int Class() override;
    std::string Name() override;
    int Type() override;
    std::string Value() override;
    void SetValue(const std::string& value) override;
    void Delete() override;

    const std::string& name() const { return name_; }
    const std::string& value() const { return value_; }
    std::shared_ptr<SimUserProperty> cloneFor(std::weak_ptr<SimItem> owner) const;
    void detach() { removed_ = true; }

private:
    void check() const;

    std::weak_ptr<SimItem> owner_;
    bool removed_ = false;
    std::string name_;
    int type_;
    std::string value_;
};

}  // namespace corvane::sim
