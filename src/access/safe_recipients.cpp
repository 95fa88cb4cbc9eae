#include <string>

#include "corvane/access/errors.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/mapi/objects.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/error.h"

namespace corvane::access {

namespace {
// The MAPI row of a recipient or attachment; a row the message's table lacks means the
// item has changes that were never saved.
template <class Row>
std::shared_ptr<Row> RowAt(const std::vector<std::shared_ptr<Row>>& rows, int position, std::string_view object) {
    if (position >= 1 && static_cast<std::size_t>(position) <= rows.size())
        return rows[static_cast<std::size_t>(position - 1)];
    throw platform::PlatformError(platform::errors::MapiNotFound,
                                  ": " + std::string(object) + " " + std::to_string(position) +
                                      " is not in the saved message; save the item first");
}
}  // namespace

SafeRecipient::SafeRecipient(std::shared_ptr<outlook::MailItem> item, std::shared_ptr<outlook::Recipient> recipient,
                             int index)
    : item_(std::move(item)), recipient_(std::move(recipient)), index_(index) {}

std::string SafeRecipient::Name() { return recipient_->Name(); }
std::string SafeRecipient::Address() { return recipient_->Address(); }
int SafeRecipient::Type() { return recipient_->Type(); }
bool SafeRecipient::Resolve() { return recipient_->Resolve(); }
bool SafeRecipient::Resolved() { return recipient_->Resolved(); }
void SafeRecipient::Delete() { recipient_->Delete(); }

// Where the recipient stands now: recipients deleted before it moved it up.
int SafeRecipient::Position() {
    auto recipients = item_->Recipients();
    const int count = recipients->Count();
    for (int i = 1; i <= count; ++i)
        if (recipients->Item(i) == recipient_) return i;
    return index_;
}

std::shared_ptr<AddressEntry> SafeRecipient::AddressEntry() {
    auto entry = recipient_->AddressEntry();
    if (!entry) return nullptr;
    if (auto mapiEntry = entry->MAPIOBJECT()) return WrapEntry(std::move(mapiEntry));
    auto message = OpenMessage(*item_, "SafeRecipient", "AddressEntry");
    return WrapEntry(RowAt(message->Recipients(), Position(), "recipient")->AddressEntry());
}

std::string SafeRecipient::SmtpAddress() {
    auto entry = AddressEntry();
    return entry ? entry->SmtpAddress() : std::string();
}

std::shared_ptr<mapi::PropertyObject> SafeRecipient::PropertySource(std::string_view member) {
    auto message = OpenMessage(*item_, "SafeRecipient", member);
    return RowAt(message->Recipients(), Position(), "recipient");
}

SafeRecipients::SafeRecipients(std::shared_ptr<outlook::MailItem> item)
    : item_(std::move(item)), recipients_(item_->Recipients()) {}

int SafeRecipients::Count() { return recipients_->Count(); }

std::shared_ptr<SafeRecipient> SafeRecipients::Item(int index) {
    platform::checkedIndex(index, static_cast<std::size_t>(recipients_->Count()), platform::errors::IndexOutOfBounds,
                           "SafeMailItem.Recipients");
    return std::make_shared<SafeRecipient>(item_, recipients_->Item(index), index);
}

bool SafeRecipients::ResolveAll() { return recipients_->ResolveAll(); }

SafeAttachment::SafeAttachment(std::shared_ptr<outlook::MailItem> item,
                               std::shared_ptr<outlook::Attachment> attachment, int index)
    : item_(std::move(item)), attachment_(std::move(attachment)), index_(index) {}

std::string SafeAttachment::FileName() { return attachment_->FileName(); }

std::shared_ptr<mapi::PropertyObject> SafeAttachment::PropertySource(std::string_view member) {
    auto message = OpenMessage(*item_, "SafeAttachment", member);
    return RowAt(message->Attachments(), index_, "attachment");
}

SafeAttachments::SafeAttachments(std::shared_ptr<outlook::MailItem> item)
    : item_(std::move(item)), attachments_(item_->Attachments()) {}

int SafeAttachments::Count() { return attachments_->Count(); }

std::shared_ptr<SafeAttachment> SafeAttachments::Item(int index) {
    platform::checkedIndex(index, static_cast<std::size_t>(attachments_->Count()), platform::errors::IndexOutOfBounds,
                           "SafeMailItem.Attachments");
    return std::make_shared<SafeAttachment>(item_, attachments_->Item(index), index);
}

}  // namespace corvane::access
