#pragma once
// The Safe mail item: everything of SafeItem plus the recipients with their address
// entries, the attachments with their MAPI properties, and the mail item's own texts and
// deferred delivery time. Recipients and attachments are Outlook's own live collections, so
// deleting recipient 3 makes the old 4 the new 3, as in Outlook.
//
// Recipients' and attachments' Fields read the saved message's tables: save the item
// first where recipients must be complete.
#include <memory>
#include <string>

#include "corvane/access/safe_item.h"
#include "corvane/platform/datetime.h"

namespace corvane::access {

class SafeRecipient : public MapiProperties {
public:
    SafeRecipient(std::shared_ptr<outlook::MailItem> item, std::shared_ptr<outlook::Recipient> recipient, int index);

    // The display name, also the recipient's default value read as text.
    std::string Name();
    std::string Address();
    int Type();  // 1 To, 2 CC, 3 BCC
    bool Resolve();
    bool Resolved();
    void Delete();
    // nullptr (Nothing) while the recipient is unresolved.
    std::shared_ptr<access::AddressEntry> AddressEntry();
    // The entry's SMTP address; empty without an entry.
    std::string SmtpAddress();

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    int Position();

    std::shared_ptr<outlook::MailItem> item_;
    std::shared_ptr<outlook::Recipient> recipient_;
    int index_;
};

class SafeRecipients {
public:
    explicit SafeRecipients(std::shared_ptr<outlook::MailItem> item);

    int Count();
    std::shared_ptr<SafeRecipient> Item(int index);  // 1-based
    // Resolves every recipient; true when all of them resolved.
    bool ResolveAll();

private:
    std::shared_ptr<outlook::MailItem> item_;
    std::shared_ptr<outlook::Recipients> recipients_;
};

class SafeAttachment : public MapiProperties {
public:
    SafeAttachment(std::shared_ptr<outlook::MailItem> item, std::shared_ptr<outlook::Attachment> attachment,
                   int index);

    std::string FileName();

protected:
    std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) override;

private:
    std::shared_ptr<outlook::MailItem> item_;
    std::shared_ptr<outlook::Attachment> attachment_;
    int index_;
};

class SafeAttachments {
public:
    explicit SafeAttachments(std::shared_ptr<outlook::MailItem> item);

    int Count();
    std::shared_ptr<SafeAttachment> Item(int index);  // 1-based

private:
    std::shared_ptr<outlook::MailItem> item_;
    std::shared_ptr<outlook::Attachments> attachments_;
};

class SafeMailItem : public SafeItem {
public:
    static constexpr std::string_view ProgId = progid::SafeMailItem;
    SafeMailItem() : SafeItem("SafeMailItem") {}

    std::shared_ptr<SafeRecipients> Recipients();
    std::shared_ptr<SafeAttachments> Attachments();

    std::string Subject();
    void SetSubject(const std::string& subject);
    std::string Body();
    void SetBody(const std::string& body);
    std::string HTMLBody();
    void SetHTMLBody(const std::string& html);
    std::string To();
    void SetTo(const std::string& to);
    std::string CC();
    void SetCC(const std::string& cc);
    // platform::DateTime::none() (01-Jan-4501 00:00:00) when the item has none.
    platform::DateTime DeferredDeliveryTime();
    void SetDeferredDeliveryTime(platform::DateTime when);
    // The reply to all, built by Outlook (its ReplyAll event is raised) and not shown.
    std::shared_ptr<outlook::MailItem> ReplyAll();

private:
    std::shared_ptr<outlook::MailItem> Mail(std::string_view member) const;
};

}  // namespace corvane::access
