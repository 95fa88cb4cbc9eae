#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/checks/frmReplyMultRecipt.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"

namespace corvane::checks::basCorvane {

namespace {

constexpr const char* kBlank = "\r\n\r\n";

std::string BlindCopyPrompt(bool isDistributionList) {
    const char* middle =
        isDistributionList
            ? "You do not APPEAR to be in the addresses of this email, therefore you MAY be BCCed on this email!"
            : "It appears that you were BCCed on this e-mail as your e-mail address could not be found on the "
              "list of recipients!";
    return std::string("You clicked Reply to All.") + kBlank + middle + kBlank +
           "A Reply to All means that all recipients will become aware that you also received a copy of the "
           "email." +
           kBlank + "Do you want to do a Reply to All to this e-mail?";
}

enum class Warning { NotShown, Yes, No };

// The user is not among the recipients and did not send the message: the reply to all
// would tell everyone that the user got a blind copy.
Warning WarnIfBlindCopy(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail) {
    bool isDistributionList = false;
    if (cvCheckIfUserInRecipients(p, mail, kAnyRecipient, isDistributionList)) return Warning::NotShown;
    if (!p.regKeys().ReplyALL_BCC()) return Warning::NotShown;
    const std::string sender = accounts::SenderEmail(p, mail, true);
    bool senderIsList = false;
    if (cvCheckIfUserInRecipients(p, mail, sender, senderIsList)) return Warning::NotShown;
    settings::PlayPromptSound(p.store(), p.host.ui);
    const int answer = platform::ShowMessageBox(p.host.ui, BlindCopyPrompt(isDistributionList),
                                                platform::mb::QuestionYesNo,
                                                platform::MessageTitle("BCCed e-mail", p.appTitle));
    return answer == platform::mb::IdNo ? Warning::No : Warning::Yes;
}

bool RecipientDialogWanted(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail) {
    auto keys = p.regKeys();
    const bool allInternal = keys.ReplyInternalCheck() && cvRecipientsAllSameDomain(p, mail);
    return !(allInternal || p.gblnReplyReplacing || !keys.ReplyAllAny());
}

// Every recipient of the reply ticked; the user unticks whom to leave out. Returns false
// when the user cancelled; otherwise the unticked positions are left on the reply.
bool ChooseRecipients(core::AddinProcess& p, frmReplyMultRecipt& frm, access::SafeMailItem& safe,
                      const std::shared_ptr<outlook::Item>& response) {
    frm.load();
    frm.Set_ReplyToAll();
    auto recipients = safe.Recipients();
    const int count = recipients->Count();
    for (int i = 1; i <= count; ++i) {
        auto recipient = recipients->Item(i);
        auto entry = recipient->AddressEntry();
        const std::string text = entry && entry->Type() == "EX"
                                     ? entry->Name() + " (Exchange)"
                                     : recipient->Name() + " (" + recipient->Address() + ")";
        frm.addRecipient(text, i, true);
    }
    frm.lstVRecipients.setTag(std::to_string(frm.lstVRecipients.itemCount()));
    settings::PlayPromptSound(p.store(), p.host.ui);
    frm.show(p.host.ui);
    if (frm.result != frmReplyMultRecipt::ResultOK) return false;

    // Highest position first, so that removing one keeps the positions before it valid.
    std::string positions;
    for (int r = frm.lstVRecipients.itemCount(); r >= 1; --r) {
        const auto& row = frm.lstVRecipients.item(r);
        if (row.checked()) continue;
        if (!positions.empty()) positions += ";";
        positions += row.tag();
    }
    AddUserProperties(response, kRemoveReciptAtProperty, positions);
    return true;
}

}  // namespace

void cvReplyAllCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                     const std::shared_ptr<outlook::Item>& response) {
    // The reply to all that cvReplyCheck makes in place of a reply passes unchecked.
    if (p.gblnReplyReplacing) return;
    frmReplyMultRecipt frm(p.appTitle);
    std::shared_ptr<access::SafeMailItem> safe;
    try {
        const Warning warning = WarnIfBlindCopy(p, mail);
        if (warning == Warning::No) {
            cancel = true;
        } else {
            bool go = true;
            // Whoever confirmed the blind-copy reply is not asked again about its recipients.
            if (warning == Warning::NotShown && RecipientDialogWanted(p, mail)) {
                safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
                safe->SetItem(response);
                go = ChooseRecipients(p, frm, *safe, response);
                if (!go) cancel = true;
                frm.unload();
            }
            // The recipients themselves go when the reply's window is first activated.
            if (go && core::OutlookMajorVersion(p) != "10" && p.regKeys().ReplyAllAutoRemove())
                AddUserProperties(response, kClearMyEmailProperty, "Yes");
        }
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvReplyAllCheck", e);
    }
    if (frm.isLoaded()) frm.unload();
    safe.reset();
    accounts::ResetMapiUtils(p);
}

}  // namespace corvane::checks::basCorvane
