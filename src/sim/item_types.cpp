// The class-specific members of the simulated items.
#include "corvane/sim/item_types.h"

#include "corvane/platform/error.h"
#include "corvane/sim/failure.h"

namespace corvane::sim {

namespace ol = outlook;

// Mail ---------------------------------------------------------------------------------

std::string SimMailItem::To() { return checked(), displayLine(ol::olrecipient::To); }
void SimMailItem::SetTo(const std::string& to) { checked(), setDisplayLine(ol::olrecipient::To, to); }
std::string SimMailItem::CC() { return checked(), displayLine(ol::olrecipient::CC); }
void SimMailItem::SetCC(const std::string& cc) { checked(), setDisplayLine(ol::olrecipient::CC, cc); }
std::string SimMailItem::BCC() { return checked(), displayLine(ol::olrecipient::BCC); }
void SimMailItem::SetBCC(const std::string& bcc) { checked(), setDisplayLine(ol::olrecipient::BCC, bcc); }
std::string SimMailItem::HTMLBody() { return checked(), html(); }
void SimMailItem::SetHTMLBody(const std::string& h) { checked(), setHtml(h); }
int SimMailItem::BodyFormat() { return checked(), bodyFormat(); }
std::shared_ptr<ol::Recipients> SimMailItem::Recipients() { return checked(), recipientsView(false); }
std::shared_ptr<ol::Recipients> SimMailItem::ReplyRecipients() { return checked(), recipientsView(true); }
std::shared_ptr<ol::Attachments> SimMailItem::Attachments() { return checked(), attachmentsView(); }
std::string SimMailItem::SenderName() { return checked(), senderName(); }
std::string SimMailItem::SenderEmailAddress() { return checked(), senderEmailAddress(); }
std::string SimMailItem::SenderEmailType() { return checked(), senderEmailType(); }
std::string SimMailItem::SentOnBehalfOfName() { return checked(), sentOnBehalfOfName(); }
platform::DateTime SimMailItem::ReceivedTime() { return checked(), receivedTime(); }
platform::DateTime SimMailItem::SentOn() { return checked(), sentOn(); }
platform::DateTime SimMailItem::DeferredDeliveryTime() { return checked(), deferredDelivery(); }
void SimMailItem::SetDeferredDeliveryTime(platform::DateTime when) { checked(), setDeferredDelivery(when); }
bool SimMailItem::Sent() { return checked(), sent(); }
bool SimMailItem::Submitted() { return checked(), submitted(); }
std::shared_ptr<ol::MailItem> SimMailItem::Reply() { return checked(), respondAsMail(ResponseKind::Reply); }
std::shared_ptr<ol::MailItem> SimMailItem::ReplyAll() { return checked(), respondAsMail(ResponseKind::ReplyAll); }
std::shared_ptr<ol::MailItem> SimMailItem::Forward() { return checked(), respondAsMail(ResponseKind::Forward); }
void SimMailItem::Send() { checked(), send(); }

// Post ---------------------------------------------------------------------------------

std::string SimPostItem::HTMLBody() { return checked(), html(); }
void SimPostItem::SetHTMLBody(const std::string& h) { checked(), setHtml(h); }
std::shared_ptr<ol::Attachments> SimPostItem::Attachments() { return checked(), attachmentsView(); }
std::string SimPostItem::SenderName() { return checked(), senderName(); }
std::string SimPostItem::SenderEmailAddress() { return checked(), senderEmailAddress(); }
platform::DateTime SimPostItem::ReceivedTime() { return checked(), receivedTime(); }
std::shared_ptr<ol::MailItem> SimPostItem::Reply() { return checked(), respondAsMail(ResponseKind::Reply); }
std::shared_ptr<ol::MailItem> SimPostItem::Forward() { return checked(), respondAsMail(ResponseKind::Forward); }
void SimPostItem::Post() {
    checked();
    setSent(true);
    save();
}

// Meeting request ----------------------------------------------------------------------

std::shared_ptr<ol::Recipients> SimMeetingItem::Recipients() { return checked(), recipientsView(false); }
std::shared_ptr<ol::Attachments> SimMeetingItem::Attachments() { return checked(), attachmentsView(); }
std::string SimMeetingItem::SenderName() { return checked(), senderName(); }
std::string SimMeetingItem::SenderEmailAddress() { return checked(), senderEmailAddress(); }
platform::DateTime SimMeetingItem::ReceivedTime() { return checked(), receivedTime(); }
std::shared_ptr<ol::MailItem> SimMeetingItem::Reply() { return checked(), respondAsMail(ResponseKind::Reply); }
std::shared_ptr<ol::MailItem> SimMeetingItem::ReplyAll() { return checked(), respondAsMail(ResponseKind::ReplyAll); }
std::shared_ptr<ol::MeetingItem> SimMeetingItem::Forward() {
    checked();
    auto forward = copyDetached();
    forward->recipients().clear();
    forward->setSubject("FW: " + subject());
    return std::dynamic_pointer_cast<ol::MeetingItem>(forward->asItem());
}
void SimMeetingItem::Send() { checked(), send(); }

// Contact ------------------------------------------------------------------------------

std::string SimContactItem::FullName() { return checked(), props().text(mapi::tags::DisplayName); }
void SimContactItem::SetFullName(const std::string& name) {
    checked();
    props().set(mapi::tags::DisplayName, name);
    touch();
}
std::string SimContactItem::Email1Address() { return checked(), props().text(mapi::tags::EmailAddress); }
void SimContactItem::SetEmail1Address(const std::string& address) {
    checked();
    props().set(mapi::tags::EmailAddress, address);
    touch();
}

}  // namespace corvane::sim
