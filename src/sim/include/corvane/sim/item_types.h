#pragma once
// The Outlook interfaces of the simulated items: one class per item class the add-in
// tells apart, each forwarding to the shared SimItem behaviour.
#include <memory>
#include <string>

#include "corvane/outlook/items.h"
#include "corvane/sim/item.h"

namespace corvane::sim {

template <class Interface>
class ItemImpl : public Interface, public SimItem {
public:
    ItemImpl(std::weak_ptr<SimApplication> app, int objectClass) : SimItem(std::move(app), objectClass) {}

    std::shared_ptr<outlook::Item> asItem() override {
        return std::static_pointer_cast<Interface>(std::static_pointer_cast<ItemImpl>(shared_from_this()));
    }

    int Class() override { return checked(), objectClass(); }
    std::string MessageClass() override { return checked(), messageClass(); }
    std::string EntryID() override { return checked(), entryId(); }
    std::string Subject() override { return checked(), subject(); }
    void SetSubject(const std::string& s) override { checked(), setSubject(s); }
    std::string Body() override { return checked(), body(); }
    void SetBody(const std::string& b) override { checked(), setBody(b); }
    std::shared_ptr<outlook::Object> Parent() override { return checked(), parentObject(); }
    bool UnRead() override { return checked(), unread(); }
    void SetUnRead(bool u) override { checked(), setUnread(u); }
    bool Saved() override { return checked(), isSaved(); }
    platform::DateTime CreationTime() override { return checked(), creationTime(); }
    std::shared_ptr<outlook::UserProperties> UserProperties() override { return checked(), userPropertiesView(); }
    std::shared_ptr<outlook::Inspector> GetInspector() override { return checked(), getInspector(); }
    void Save() override { checked(), save(); }
    void Display(bool /*modal*/) override { checked(), displayItem(); }
    void Close(int saveMode) override { checked(), closeItem(saveMode); }
    void Delete() override { checked(), deleteItem(); }
    std::shared_ptr<outlook::Item> Move(const std::shared_ptr<outlook::Folder>& destination) override {
        return checked(), moveItem(destination);
    }
    std::shared_ptr<mapi::Message> MAPIOBJECT() override { return checked(), mapiObject(); }
    outlook::Connection Advise(std::shared_ptr<outlook::ItemEvents> sink) override {
        return checked(), events().add(std::move(sink));
    }

protected:
    // Every member of a moved or deleted item fails.
    void checked() const { checkLive(); }
};

class SimMailItem final : public ItemImpl<outlook::MailItem> {
public:
    using ItemImpl::ItemImpl;

    std::string To() override;
    void SetTo(const std::string& to) override;
    std::string CC() override;
    void SetCC(const std::string& cc) override;
    std::string BCC() override;
    void SetBCC(const std::string& bcc) override;
    std::string HTMLBody() override;
    void SetHTMLBody(const std::string& html) override;
    int BodyFormat() override;
    std::shared_ptr<outlook::Recipients> Recipients() override;
    std::shared_ptr<outlook::Recipients> ReplyRecipients() override;
    std::shared_ptr<outlook::Attachments> Attachments() override;
    std::string SenderName() override;
    std::string SenderEmailAddress() override;
    std::string SenderEmailType() override;
    std::string SentOnBehalfOfName() override;
    platform::DateTime ReceivedTime() override;
    platform::DateTime SentOn() override;
    platform::DateTime DeferredDeliveryTime() override;
    void SetDeferredDeliveryTime(platform::DateTime when) override;
    bool Sent() override;
    bool Submitted() override;
    std::shared_ptr<outlook::MailItem> Reply() override;
    std::shared_ptr<outlook::MailItem> ReplyAll() override;
    std::shared_ptr<outlook::MailItem> Forward() override;
    void Send() override;
};

class SimPostItem final : public ItemImpl<outlook::PostItem> {
public:
    using ItemImpl::ItemImpl;

    std::string HTMLBody() override;
    void SetHTMLBody(const std::string& html) override;
    std::shared_ptr<outlook::Attachments> Attachments() override;
    std::string SenderName() override;
    std::string SenderEmailAddress() override;
    platform::DateTime ReceivedTime() override;
    std::shared_ptr<outlook::MailItem> Reply() override;
    std::shared_ptr<outlook::MailItem> Forward() override;
    void Post() override;
};

class SimReportItem final : public ItemImpl<outlook::ReportItem> {
public:
    using ItemImpl::ItemImpl;
};

class SimMeetingItem final : public ItemImpl<outlook::MeetingItem> {
public:
    using ItemImpl::ItemImpl;

    std::shared_ptr<outlook::Recipients> Recipients() override;
    std::shared_ptr<outlook::Attachments> Attachments() override;
    std::string SenderName() override;
    std::string SenderEmailAddress() override;
    platform::DateTime ReceivedTime() override;
    std::shared_ptr<outlook::MailItem> Reply() override;
    std::shared_ptr<outlook::MailItem> ReplyAll() override;
    std::shared_ptr<outlook::MeetingItem> Forward() override;
    void Send() override;
};

class SimContactItem final : public ItemImpl<outlook::ContactItem> {
public:
    using ItemImpl::ItemImpl;

    std::string FullName() override;
    void SetFullName(const std::string& name) override;
    std::string Email1Address() override;
    void SetEmail1Address(const std::string& address) override;
};

class SimNoteItem final : public ItemImpl<outlook::NoteItem> {
public:
    using ItemImpl::ItemImpl;
};

}  // namespace corvane::sim
