#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/checks/entry_points.h"
#include "corvane/checks/frmReplyMultRecipt.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"
#include "reply_support.h"

namespace corvane::checks::basCorvane {

namespace {

using platform::IgnoreErrors;

// The address a plain reply to the message goes to: its first reply-to recipient, else
// the address it was sent on behalf of, else its sender.
std::string PlainReplyAddress(const std::shared_ptr<outlook::MailItem>& mail, access::SafeMailItem& safe) {
    std::string address;
    IgnoreErrors([&] {
        auto replyTo = mail->ReplyRecipients();
        if (replyTo->Count() >= 1) address = replyTo->Item(1)->Address();
    });
    if (address.empty()) {
        IgnoreErrors([&] { address = access::AsText(safe.Fields(mapi::tags::SentRepresentingEmailAddress)); });
    }
    if (address.empty()) IgnoreErrors([&] { address = mail->SenderEmailAddress(); });
    return address;
}

std::string RowText(access::SafeRecipient& recipient) {
    auto entry = recipient.AddressEntry();
    if (entry && entry->Type() == "EX") return entry->Name() + " (" + entry->SmtpAddress() + ")";
    return RecipientDisplayName(recipient) + " (" + recipient.Address() + ")";
}

// One row per recipient of the reply to all; the person the plain reply went to ticked.
void FillRows(frmReplyMultRecipt& frm, access::SafeMailItem& reply, const std::string& plainReplyAddress) {
    int count = 0;
    IgnoreErrors([&] { count = reply.Recipients()->Count(); });
    bool ticked = false;
    for (int i = 1; i <= count; ++i) {
        std::shared_ptr<access::SafeRecipient> recipient;
        if (!IgnoreErrors([&] { recipient = reply.Recipients()->Item(i); })) continue;
        std::string text;
        IgnoreErrors([&] { text = RowText(*recipient); });
        bool tick = false;
        if (!ticked) IgnoreErrors([&] { tick = text::equalsNoCase(recipient->Address(), plainReplyAddress); });
        frm.addRecipient(text, i, tick);
        ticked = ticked || tick;
    }
}

// The recipient as To and CC texts name it: its bare SMTP address when that is also its
// name, else "name <address>".
std::string AddressLineEntry(access::SafeRecipient& recipient) {
    const std::string smtp = recipient.SmtpAddress();
    if (SameAddress(recipient.Name(), smtp)) return smtp + ";";
    return RecipientDisplayName(recipient) + " <" + smtp + ">;";
}

// Drops the unticked recipients and writes the ticked ones back as To and CC texts,
// walking from the last row (so the kept ones stand in each text in reverse order).
void KeepTickedRecipients(frmReplyMultRecipt& frm, access::SafeMailItem& reply) {
    std::string to;
    std::string cc;
    for (int r = frm.lstVRecipients.itemCount(); r >= 1; --r) {
        const bool keep = frm.lstVRecipients.item(r).checked();
        IgnoreErrors([&] {
            auto recipient = reply.Recipients()->Item(r);
            if (!keep) {
                recipient->Delete();
                return;
            }
            const std::string entry = AddressLineEntry(*recipient);
            const int type = recipient->Type();
            if (type == outlook::olrecipient::To) to += " " + entry;
            if (type == outlook::olrecipient::CC) cc += " " + entry;
        });
    }
    IgnoreErrors([&] { reply.SetTo(text::trim(to)); });
    IgnoreErrors([&] { reply.SetCC(text::trim(cc)); });
    IgnoreErrors([&] { reply.Save(); });
    IgnoreErrors([&] { reply.Recipients()->ResolveAll(); });
    IgnoreErrors([&] { reply.Save(); });
}

// From the cancelled plain reply on: every step runs whatever the one before it did,
// except that nothing more happens when the reply to all cannot be made.
void ReplaceByReplyToAll(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                         std::shared_ptr<access::SafeMailItem>& safe, const std::string& newSubject) {
    std::shared_ptr<outlook::MailItem> reply;
    if (!IgnoreErrors([&] { reply = core::vb::Need(safe->ReplyAll()); })) return;

    frmReplyMultRecipt frm(p.appTitle);
    IgnoreErrors([&] { frm.load(); });
    // Saved, so that the component reads its recipients whole and Cancel can delete it.
    IgnoreErrors([&] { reply->Save(); });
    std::shared_ptr<access::SafeMailItem> safeReply;
    IgnoreErrors([&] {
        safeReply = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safeReply->SetItem(reply);
    });
    const std::string plainReplyAddress = PlainReplyAddress(mail, *safe);
    if (safeReply) FillRows(frm, *safeReply, plainReplyAddress);

    settings::PlayPromptSound(p.store(), p.host.ui);
    IgnoreErrors([&] { frm.show(p.host.ui); });
    const int result = frm.result;

    std::string entryId;
    if (result != frmReplyMultRecipt::ResultOK) {
        IgnoreErrors([&] { entryId = reply->EntryID(); });
        safe.reset();
        safeReply.reset();
        reply.reset();
        IgnoreErrors([&] { DeleteMessageByEntryID(p, entryId); });
    } else {
        if (safeReply) KeepTickedRecipients(frm, *safeReply);
        IgnoreErrors([&] { entryId = reply->EntryID(); });
        safeReply.reset();
        reply.reset();
        std::shared_ptr<outlook::Item> reopened;
        IgnoreErrors([&] { reopened = core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->GetItemFromID(entryId, ""); });
        if (newSubject != checks::NoSubjectChange)
            IgnoreErrors([&] { core::vb::Need(reopened)->SetSubject(newSubject); });
        IgnoreErrors([&] { core::vb::Need(reopened)->Display(false); });
    }
    IgnoreErrors([&] { frm.unload(); });
}

}  // namespace

void cvReplyCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                  const std::string& newSubject) {
    std::shared_ptr<access::SafeMailItem> safe;
    try {
        if (p.regKeys().ReplyMultiple()) {
            safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
            safe->SetItem(mail);
            bool isDistributionList = false;
            // Only a message with several recipients, among them the user or a list that
            // may hold the user, was likely meant to be answered to all.
            if (safe->Recipients()->Count() > 1 &&
                (cvCheckIfUserInRecipients(p, mail, kAnyRecipient, isDistributionList) || isDistributionList)) {
                cancel = true;
                p.gblnReplyReplacing = true;
                ReplaceByReplyToAll(p, mail, safe, newSubject);
            }
        }
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvReplyCheck", e);
    }
    p.gblnReplyReplacing = false;
    safe.reset();
    accounts::ResetMapiUtils(p);
}

}  // namespace corvane::checks::basCorvane
