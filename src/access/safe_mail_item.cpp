#include "corvane/access/safe_mail_item.h"

#include "corvane/access/errors.h"
#include "corvane/outlook/items.h"

namespace corvane::access {

std::shared_ptr<outlook::MailItem> SafeMailItem::Mail(std::string_view member) const {
    auto& item = Bound(member);
    auto mail = std::dynamic_pointer_cast<outlook::MailItem>(Item());
    if (!mail) {
        errors::ThrowNotSupported(ClassName(), member,
                                  "needs a mail item; the item is of class " + std::to_string(item.Class()));
    }
    return mail;
}

std::shared_ptr<SafeRecipients> SafeMailItem::Recipients() {
    return std::make_shared<SafeRecipients>(Mail("Recipients"));
}

std::shared_ptr<SafeAttachments> SafeMailItem::Attachments() {
    return std::make_shared<SafeAttachments>(Mail("Attachments"));
}

std::string SafeMailItem::Subject() { return Bound("Subject").Subject(); }
void SafeMailItem::SetSubject(const std::string& subject) { Bound("Subject").SetSubject(subject); }
std::string SafeMailItem::Body() { return Bound("Body").Body(); }
void SafeMailItem::SetBody(const std::string& body) { Bound("Body").SetBody(body); }
std::string SafeMailItem::HTMLBody() { return Mail("HTMLBody")->HTMLBody(); }
void SafeMailItem::SetHTMLBody(const std::string& html) { Mail("HTMLBody")->SetHTMLBody(html); }
std::string SafeMailItem::To() { return Mail("To")->To(); }
void SafeMailItem::SetTo(const std::string& to) { Mail("To")->SetTo(to); }
std::string SafeMailItem::CC() { return Mail("CC")->CC(); }
void SafeMailItem::SetCC(const std::string& cc) { Mail("CC")->SetCC(cc); }

platform::DateTime SafeMailItem::DeferredDeliveryTime() {
    return Mail("DeferredDeliveryTime")->DeferredDeliveryTime();
}

void SafeMailItem::SetDeferredDeliveryTime(platform::DateTime when) {
    Mail("DeferredDeliveryTime")->SetDeferredDeliveryTime(when);
}

std::shared_ptr<outlook::MailItem> SafeMailItem::ReplyAll() { return Mail("ReplyAll")->ReplyAll(); }

}  // namespace corvane::access
