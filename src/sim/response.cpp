// Reply, Reply to All and Forward as Outlook builds them.
#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/body_text.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

std::string Prefix(ResponseKind kind) { return kind == ResponseKind::Forward ? "FW: " : "RE: "; }

// The Sent line of the quoted message: when it was sent, else received, else created.
platform::DateTime QuotedTime(const SimItem& item) {
    for (auto t : {item.sentOn(), item.receivedTime(), item.creationTime()}) {
        if (t != platform::DateTime::none()) return t;
    }
    return item.creationTime();
}

struct Header {
    std::string from;
    std::string fromHtml;
    std::string sent;
    std::string to;
    std::string cc;
    std::string subject;
};

Header QuoteHeader(const SimItem& original) {
    Header h;
    std::string name = original.sentOnBehalfOfName().empty() ? original.senderName() : original.sentOnBehalfOfName();
    h.from = name;
    h.fromHtml = HtmlEscape(name);
    auto sender = original.sentRepresenting() ? original.sentRepresenting() : original.sender();
    if (sender && text::equalsNoCase(sender->spec().type, "SMTP")) {
        h.from += " [mailto:" + sender->spec().address + "]";
        h.fromHtml += " [mailto:" + HtmlEscape(sender->spec().address) + "]";
    }
    h.sent = LongDateTime(QuotedTime(original));
    h.to = original.displayLine(ol::olrecipient::To);
    h.cc = original.displayLine(ol::olrecipient::CC);
    h.subject = original.subject();
    return h;
}

std::string QuotedText(const SimItem& original, const Header& h, bool rule) {
    std::string out = "\r\n\r\n";
    out += rule ? "________________________________" : "-----Original Message-----";
    out += "\r\nFrom: " + h.from + "\r\nSent: " + h.sent + "\r\nTo: " + h.to + "\r\n";
    if (!h.cc.empty()) out += "Cc: " + h.cc + "\r\n";
    out += "Subject: " + h.subject + "\r\n\r\n" + original.body();
    return out;
}

std::string QuotedHtml(const SimItem& original, const Header& h) {
    std::string inner = original.html().empty() ? HtmlEscape(original.body()) : HtmlInner(original.html());
    std::string out = "<html><body><p>&nbsp;</p><div><hr><b>From:</b> " + h.fromHtml + "<br><b>Sent:</b> " +
                      HtmlEscape(h.sent) + "<br><b>To:</b> " + HtmlEscape(h.to) + "<br>";
    if (!h.cc.empty()) out += "<b>Cc:</b> " + HtmlEscape(h.cc) + "<br>";
    out += "<b>Subject:</b> " + HtmlEscape(h.subject) + "</div><br>" + inner + "</body></html>";
    return out;
}

// The people a plain reply goes to: the reply-to recipients, else the represented
// sender, else the sender.
std::vector<std::shared_ptr<SimAddressEntry>> ReplyTargets(SimItem& original) {
    std::vector<std::shared_ptr<SimAddressEntry>> targets;
    for (const auto& r : original.replyRecipients()) {
        if (r->entry()) targets.push_back(r->entry());
    }
    if (!targets.empty()) return targets;
    if (original.sentRepresenting()) return {original.sentRepresenting()};
    if (original.sender()) return {original.sender()};
    return {};
}

bool IsOwn(const SimNameSpace& profile, const SimAddressEntry& entry) {
    if (profile.currentUser().get() == &entry) return true;
    return profile.isOwnAddress(entry.smtpAddress());
}

}  // namespace

std::shared_ptr<SimItem> SimItem::buildResponse(ResponseKind kind) {
    auto application = app();
    auto response = Create(application, ol::olclass::Mail);
    response->setHome(application->profile()->defaultFolder(ol::olfolder::Drafts));
    response->props().set(mapi::tags::Subject, Prefix(kind) + NormalizedSubject(subject()));

    Header header = QuoteHeader(*this);
    response->props().set(mapi::tags::Body, QuotedText(*this, header, application->traits().quotesWithRule()));
    if (bodyFormat() == ol::olformat::HTML) response->props().set(mapi::tags::BodyHtml, QuotedHtml(*this, header));

    if (kind == ResponseKind::Forward) {
        for (const auto& a : attachments_) response->attachments_.push_back(a->cloneFor(response));
        return response;
    }
    std::vector<const SimAddressEntry*> added;
    auto addOnce = [&](const std::shared_ptr<SimAddressEntry>& entry, int type) {
        for (const auto* e : added) {
            if (e == entry.get()) return;
        }
        added.push_back(entry.get());
        response->addRecipient(entry, type);
    };
    for (const auto& target : ReplyTargets(*this)) addOnce(target, ol::olrecipient::To);
    if (kind == ResponseKind::ReplyAll) {
        const auto& profile = *application->profile();
        for (int type : {ol::olrecipient::To, ol::olrecipient::CC}) {
            for (const auto& r : recipients_) {
                if (r->type() != type) continue;
                if (r->entry()) {
                    if (!IsOwn(profile, *r->entry())) addOnce(r->entry(), type);
                } else {
                    response->addRecipient(r->name(), type);
                }
            }
        }
    }
    return response;
}

std::shared_ptr<SimItem> SimItem::respond(ResponseKind kind, bool userAction) {
    checkLive();
    if (!isMailLike()) Raise(errors::NotSupported);
    auto response = buildResponse(kind);
    auto asItemOfResponse = response->asItem();
    bool cancel = false;
    events_.raise([&](ol::ItemEvents& s) {
        switch (kind) {
            case ResponseKind::Reply: s.Reply(asItemOfResponse, cancel); break;
            case ResponseKind::ReplyAll: s.ReplyAll(asItemOfResponse, cancel); break;
            case ResponseKind::Forward: s.Forward(asItemOfResponse, cancel); break;
        }
    });
    if (cancel) {
        if (userAction) return nullptr;
        Raise(errors::OperationFailed);
    }
    if (userAction) app()->openItem(response);
    return response;
}

}  // namespace corvane::sim
