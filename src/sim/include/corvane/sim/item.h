#pragma once
// The state and behaviour every simulated item shares, whatever its Outlook class. The
// Outlook-facing classes (item_types.h) forward to it. An item object stands for one
// message in one place: moving the message makes a new object and the old one fails
// with "The item has been moved or deleted.", as Outlook's do.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/events.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/datetime.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/item_parts.h"
#include "corvane/sim/prop_bag.h"
#include "corvane/sim/sink_list.h"

namespace corvane::sim {

enum class ResponseKind { Reply, ReplyAll, Forward };

// What became of a send.
enum class SendOutcome {
    Cancelled,  // the item's Send or the application's ItemSend set Cancel
    Queued,     // in the Outbox, its deferred delivery time still ahead
    Sent,       // moved on to Sent Items
};

class SimItem : public std::enable_shared_from_this<SimItem> {
public:
    // A new item of an Outlook class (olclass::Mail, Post, Report, MeetingRequest,
    // Contact, Note), not saved anywhere.
    static std::shared_ptr<SimItem> Create(const std::shared_ptr<SimApplication>& app, int objectClass);

    virtual ~SimItem();
    SimItem(const SimItem&) = delete;
    SimItem& operator=(const SimItem&) = delete;

    // The same object as the Outlook interface of its class.
    virtual std::shared_ptr<outlook::Item> asItem() = 0;

    int objectClass() const { return class_; }
    bool isMailLike() const;
    std::shared_ptr<SimApplication> app() const;
    bool gone() const { return gone_; }
    void checkLive() const;
    void markGone();

    // Its folder; nullptr for a new, unsaved item or a message read from a file.
    std::shared_ptr<SimFolder> folder() const { return folder_.lock(); }
    // Where Save puts a new item; Drafts of the default store unless set.
    std::shared_ptr<SimFolder> home() const;
    void setHome(const std::shared_ptr<SimFolder>& folder) { home_ = folder; }
    // Called by a folder when the item is put into it.
    void placeIn(const std::shared_ptr<SimFolder>& folder, std::string entryId);
    const std::string& entryId() const { return entryId_; }

    PropBag& props() { return props_; }
    const PropBag& props() const { return props_; }
    std::vector<std::shared_ptr<SimRecipient>>& recipients() { return recipients_; }
    std::vector<std::shared_ptr<SimRecipient>>& replyRecipients() { return replyRecipients_; }
    std::vector<std::shared_ptr<SimAttachment>>& attachments() { return attachments_; }
    std::vector<std::shared_ptr<SimUserProperty>>& userProperties() { return userProperties_; }
    const std::shared_ptr<SimAddressEntry>& sender() const { return sender_; }
    const std::shared_ptr<SimAddressEntry>& sentRepresenting() const { return sentRepresenting_; }
    // Sets the sender (and its PR_SENDER_* properties); also the on-behalf-of sender.
    void setSender(std::shared_ptr<SimAddressEntry> entry);
    void setSentRepresenting(std::shared_ptr<SimAddressEntry> entry);

    // Outlook's reading of the data; callers check liveness first.
    std::string messageClass() const;
    std::string subject() const;
    void setSubject(const std::string& subject);
    std::string body() const;
    void setBody(const std::string& body);
    std::string html() const;
    void setHtml(const std::string& html);
    int bodyFormat() const;
    std::string displayLine(int recipientType) const;
    void setDisplayLine(int recipientType, std::string_view text);
    bool unread() const;
    void setUnread(bool unread);
    bool sent() const;
    void setSent(bool sent);
    bool submitted() const;
    platform::DateTime deferredDelivery() const;
    void setDeferredDelivery(platform::DateTime when);
    platform::DateTime receivedTime() const;
    platform::DateTime sentOn() const;
    platform::DateTime creationTime() const;
    std::string senderName() const;
    std::string senderEmailAddress() const;
    std::string senderEmailType() const;
    std::string sentOnBehalfOfName() const;

    std::shared_ptr<SimRecipient> addRecipient(std::string name, int type);
    std::shared_ptr<SimRecipient> addRecipient(const std::shared_ptr<SimAddressEntry>& entry, int type);
    std::shared_ptr<SimRecipient> addReplyRecipient(const std::shared_ptr<SimAddressEntry>& entry);
    void removeRecipient(const SimRecipient& recipient);
    bool resolveAll();
    std::shared_ptr<SimAttachment> addAttachment(const AttachmentSpec& spec);
    void removeAttachment(const SimAttachment& attachment);
    int attachmentIndex(const SimAttachment& attachment) const;
    std::shared_ptr<SimUserProperty> addUserProperty(std::string_view name, int type);
    std::shared_ptr<SimUserProperty> findUserProperty(std::string_view name) const;
    void removeUserProperty(const SimUserProperty& property);

    // Marks the item changed since its last save.
    void touch() { dirty_ = true; }
    bool isSaved() const { return !dirty_; }

    // Saves the item where it is (a new item into its home folder). Raises Write.
    void save();
    // Saves without the Write event (MAPI's SaveChanges).
    void saveQuietly();
    std::shared_ptr<SimItem> moveTo(const std::shared_ptr<SimFolder>& destination);
    // Outlook's Delete: into Deleted Items, or away for good from there.
    void deleteItem();
    // MAPI's Delete: away for good.
    void removeForGood();
    // A copy of the content that belongs nowhere yet.
    std::shared_ptr<SimItem> copyDetached() const;
    void copyContentTo(SimItem& target) const;

    // Reply, Reply to All, Forward: raises the item's event with the new response; when
    // Cancel is set, a user's click opens nothing (nullptr) and a call fails. A user's
    // click shows the response in a new Inspector.
    std::shared_ptr<SimItem> respond(ResponseKind kind, bool userAction);
    // The response as Outlook builds it, without events.
    std::shared_ptr<SimItem> buildResponse(ResponseKind kind);
    // Checks the names, raises Send and ItemSend, and hands the message to the transport.
    SendOutcome send();

    std::shared_ptr<SimInspector> inspector() const { return inspector_.lock(); }
    void setInspector(const std::shared_ptr<SimInspector>& inspector) { inspector_ = inspector; }

    SinkList<outlook::ItemEvents>& events() { return events_; }

protected:
    SimItem(std::weak_ptr<SimApplication> app, int objectClass);

    // Shared members of the Outlook interfaces.
    std::shared_ptr<outlook::Recipients> recipientsView(bool replyTo);
    std::shared_ptr<outlook::Attachments> attachmentsView();
    std::shared_ptr<outlook::UserProperties> userPropertiesView();
    std::shared_ptr<outlook::Object> parentObject();
    std::shared_ptr<outlook::Inspector> getInspector();
    void displayItem();
    void closeItem(int saveMode);
    std::shared_ptr<outlook::Item> moveItem(const std::shared_ptr<outlook::Folder>& destination);
    std::shared_ptr<mapi::Message> mapiObject();
    std::shared_ptr<outlook::MailItem> respondAsMail(ResponseKind kind);

private:
    std::weak_ptr<SimApplication> app_;
    int class_;
    bool gone_ = false;
    bool dirty_ = true;
    std::weak_ptr<SimFolder> folder_;
    std::weak_ptr<SimFolder> home_;
    std::string entryId_;
    PropBag props_;
    std::vector<std::shared_ptr<SimRecipient>> recipients_;
    std::vector<std::shared_ptr<SimRecipient>> replyRecipients_;
    std::vector<std::shared_ptr<SimAttachment>> attachments_;
    std::vector<std::shared_ptr<SimUserProperty>> userProperties_;
    std::shared_ptr<SimAddressEntry> sender_;
    std::shared_ptr<SimAddressEntry> sentRepresenting_;
    std::weak_ptr<SimInspector> inspector_;
    SinkList<outlook::ItemEvents> events_;
};

// The simulated item behind an Outlook item, or nullptr for a foreign object.
std::shared_ptr<SimItem> AsSimItem(const std::shared_ptr<outlook::Item>& item);

}  // namespace corvane::sim
