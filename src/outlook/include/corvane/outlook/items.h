#pragma once
// Outlook items. Item carries what every item class has; the classes the add-in tells
// apart by Class() have their own interfaces (cast with std::dynamic_pointer_cast).
// Every member of an item that has been moved or deleted fails with
// errors::ItemMovedOrDeleted; Move returns the item's new object.
#include <memory>
#include <string>

#include "corvane/outlook/events.h"
#include "corvane/outlook/object.h"
#include "corvane/platform/datetime.h"

namespace corvane::outlook {

class Item : public Object {
public:
    virtual std::string MessageClass() = 0;
    // Empty until the item is first saved.
    virtual std::string EntryID() = 0;
    virtual std::string Subject() = 0;
    virtual void SetSubject(const std::string& subject) = 0;
    virtual std::string Body() = 0;
    virtual void SetBody(const std::string& body) = 0;
    // The folder that holds the item (Drafts for a new item).
    virtual std::shared_ptr<Object> Parent() = 0;
    virtual bool UnRead() = 0;
    virtual void SetUnRead(bool unread) = 0;
    virtual bool Saved() = 0;
    virtual platform::DateTime CreationTime() = 0;
    virtual std::shared_ptr<outlook::UserProperties> UserProperties() = 0;
    // The item's Inspector; Outlook makes one (not shown) when there is none.
    virtual std::shared_ptr<Inspector> GetInspector() = 0;
    virtual void Save() = 0;
    // Opens the item in an Inspector, or activates the one that shows it.
    virtual void Display(bool modal) = 0;
    virtual void Close(int saveMode) = 0;
    // Moves the item to Deleted Items (removes it when it already is there).
    virtual void Delete() = 0;
    virtual std::shared_ptr<outlook::Item> Move(const std::shared_ptr<Folder>& destination) = 0;
    // The Extended-MAPI message behind the item.
    virtual std::shared_ptr<mapi::Message> MAPIOBJECT() = 0;
    virtual Connection Advise(std::shared_ptr<ItemEvents> sink) = 0;
};

class MailItem : public Item {
public:
    // The display names of the To / Cc / Bcc recipients joined by "; ". Setting one
    // replaces the recipients of that type by the entries of the text (unresolved).
    virtual std::string To() = 0;
    virtual void SetTo(const std::string& to) = 0;
    virtual std::string CC() = 0;
    virtual void SetCC(const std::string& cc) = 0;
    virtual std::string BCC() = 0;
    virtual void SetBCC(const std::string& bcc) = 0;
    virtual std::string HTMLBody() = 0;
    virtual void SetHTMLBody(const std::string& html) = 0;
    virtual int BodyFormat() = 0;
    virtual std::shared_ptr<outlook::Recipients> Recipients() = 0;
    virtual std::shared_ptr<outlook::Recipients> ReplyRecipients() = 0;
    virtual std::shared_ptr<outlook::Attachments> Attachments() = 0;
    virtual std::string SenderName() = 0;
    // The sender's address of its own type: an SMTP address, or an Exchange DN.
    virtual std::string SenderEmailAddress() = 0;
    virtual std::string SenderEmailType() = 0;
    virtual std::string SentOnBehalfOfName() = 0;
    virtual platform::DateTime ReceivedTime() = 0;
    virtual platform::DateTime SentOn() = 0;
    // DateTime::none() (01-Jan-4501 00:00:00) when there is none.
    virtual platform::DateTime DeferredDeliveryTime() = 0;
    virtual void SetDeferredDeliveryTime(platform::DateTime when) = 0;
    virtual bool Sent() = 0;
    virtual bool Submitted() = 0;
    // Build the response (not shown) after raising the item's Reply / ReplyAll /
    // Forward event; a cancelled event makes the call fail.
    virtual std::shared_ptr<MailItem> Reply() = 0;
    virtual std::shared_ptr<MailItem> ReplyAll() = 0;
    virtual std::shared_ptr<MailItem> Forward() = 0;
    // Raises the item's Send, then the application's ItemSend; unless one cancels, the
    // message goes to the Outbox and from there, when its time has come, to Sent Items.
    virtual void Send() = 0;
};

class PostItem : public Item {
public:
    virtual std::string HTMLBody() = 0;
    virtual void SetHTMLBody(const std::string& html) = 0;
    virtual std::shared_ptr<outlook::Attachments> Attachments() = 0;
    virtual std::string SenderName() = 0;
    virtual std::string SenderEmailAddress() = 0;
    virtual platform::DateTime ReceivedTime() = 0;
    virtual std::shared_ptr<MailItem> Reply() = 0;
    virtual std::shared_ptr<MailItem> Forward() = 0;
    virtual void Post() = 0;
};

class ReportItem : public Item {};

class MeetingItem : public Item {
public:
    virtual std::shared_ptr<outlook::Recipients> Recipients() = 0;
    virtual std::shared_ptr<outlook::Attachments> Attachments() = 0;
    virtual std::string SenderName() = 0;
    virtual std::string SenderEmailAddress() = 0;
    virtual platform::DateTime ReceivedTime() = 0;
    virtual std::shared_ptr<MailItem> Reply() = 0;
    virtual std::shared_ptr<MailItem> ReplyAll() = 0;
    virtual std::shared_ptr<MeetingItem> Forward() = 0;
    virtual void Send() = 0;
};

class ContactItem : public Item {
public:
    virtual std::string FullName() = 0;
    virtual void SetFullName(const std::string& name) = 0;
    virtual std::string Email1Address() = 0;
    virtual void SetEmail1Address(const std::string& address) = 0;
};

class NoteItem : public Item {};

}  // namespace corvane::outlook
