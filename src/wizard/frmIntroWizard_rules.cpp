// What the wizard's controls do to each other, the field checks run when the user leaves
// a field, and the two links.
#include <cstdint>
#include <limits>

#include "corvane/accounts/address_resolution.h"
#include "corvane/checks/frmSigDisclaimer.h"
#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/classic_conversion.h"
#include "corvane/settings/modRegKeys.h"
#include "corvane/text/text.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

namespace {

// The lock mark: a locked option's marking control carries the Tag "False".
bool unlocked(const ui::Control& marker) { return marker.tag() != "False"; }

void enable(std::initializer_list<ui::Control*> controls, bool on) {
    for (ui::Control* c : controls) c->setEnabled(on);
}

}  // namespace

void frmIntroWizard::wireHandlers() {
    TabStripWizard.onClick = [this] { TabStripWizard_Click(); };
    for (int i = 0; i < cmdNav.size(); ++i) cmdNav[i].onClick = [this, i] { cmdNav_Click(i); };
    chkReplyAll_Any.onClick = [this] { ReplyRule(); };
    chkReplyInternalCheck.onClick = [this] { chkReplyInternalCheck_Click(); };
    chkRemoveSpamWord.onClick = [this] { SpamMarkRule(); };
    chkPromptReplyOlderEmails.onClick = [this] { chkPromptReplyOlderEmails_Click(); };
    chkAttachMissing.onClick = [this] { AttachmentRule(); };
    chkConfirmForXRecipt.onClick = [this] { chkConfirmForXRecipt_Click(); };
    optNoConfirmation.onClick = [this] { ConfirmationRule(); };
    optConfirmEveryone.onClick = [this] { ConfirmationRule(); };
    optConfirmToSpecific.onClick = [this] { ConfirmationRule(); };
    chkDelay.onClick = [this] { DelayRule(); };
    optAutoDelay.onClick = [this] { DelayListRule(); };
    optDelayToEmails.onClick = [this] { DelayListRule(); };
    chkEmailFromOutlook.onClick = [this] { chkEmailFromOutlook_Click(); };

    txtDelayTime.onValidate = [this](bool& cancel) { txtDelayTime_Validate(cancel); };
    txtDomains.onValidate = [this](bool& cancel) { txtDomains_Validate(cancel); };
    txtOldEmailsDays.onValidate = [this](bool& cancel) {
        CountField_Validate(txtOldEmailsDays, chkPromptReplyOlderEmails, "Number of Days", cancel);
    };
    txtXRecipients.onValidate = [this](bool& cancel) {
        CountField_Validate(txtXRecipients, chkConfirmForXRecipt, "Number of Recipients", cancel);
    };

    lblOlderEmailLink.onClick = [this] { lblOlderEmailLink_Click(); };
    lblIgnoreSig.onClick = [this] { lblIgnoreSig_Click(); };
    // The link turns orange under the mouse and blue again when the mouse moves on.
    lblIgnoreSig.onMouseMove = [this] { lblIgnoreSig.setForeColor(ui::rgb(255, 128, 0)); };
    const auto blue = [this] { lblIgnoreSig.setForeColor(ui::rgb(0, 0, 255)); };
    fraStep[page::Attachment].onMouseMove = blue;
    lstKeywords.onMouseMove = blue;
    imgIgnoreSig.onMouseMove = blue;

    cmdLockControls.onClick = [this] { cmdLockControls_Click(); };
    cmdSaveSettings.onClick = [this] { cmdSaveSettings_Click(); };

    cmdAdd_Attach.onClick = [this] {
        AddToList(lstKeywords, cmdDelete_Attach,
                  "Enter a keyword that implies that you need to have attachment(s) to the email",
                  "Add attachment keyword");
    };
    cmdAdd_Confirm.onClick = [this] {
        AddToList(lstConfirmEmailAddresses, cmdDelete_Confirm,
                  "Enter the email address for which you want to confirm before sending the email",
                  "Add email address");
    };
    cmdAdd_EAddr.onClick = [this] {
        AddToList(lstDelayToEAddr, cmdDelete_EAddr,
                  "Enter the email address for which you want to delay the email sending", "Add email address");
    };
    cmdAdd_EmailAcc.onClick = [this] {
        AddToList(lstEmailAccounts, cmdDelete_EmailAcc, "Enter your email address", "Add email address");
    };
    cmdAdd_Spam.onClick = [this] {
        AddToList(lstSpamWords, cmdDelete_Spam, "Enter the SPAM Mark phrase added in Subject by Anti-Spam software",
                  "Add SPAM Mark phrase");
    };
    cmdDelete_Attach.onClick = [this] { DeleteFromList(lstKeywords, cmdDelete_Attach, "Keyword(s)?"); };
    cmdDelete_Confirm.onClick = [this] {
        DeleteFromList(lstConfirmEmailAddresses, cmdDelete_Confirm, "Email address(es)?");
    };
    cmdDelete_EAddr.onClick = [this] { DeleteFromList(lstDelayToEAddr, cmdDelete_EAddr, "Email address(es)?"); };
    cmdDelete_EmailAcc.onClick = [this] {
        DeleteFromList(lstEmailAccounts, cmdDelete_EmailAcc, "Email address(es)?");
    };
    cmdDelete_Spam.onClick = [this] { DeleteFromList(lstSpamWords, cmdDelete_Spam, "item(s)?"); };
    cmdReset_Attach.onClick = [this] { ResetList(lstKeywords, cmdDelete_Attach, settings::defaults::AttachKeyWords); };
    cmdReset_Spam.onClick = [this] { ResetList(lstSpamWords, cmdDelete_Spam, settings::defaults::SpamKeyWords); };
}

void frmIntroWizard::ReplyRule() {
    if (!chkReplyAll_Any.ticked()) {
        enable({&chkReplyInternalCheck, &txtDomains}, false);
        return;
    }
    // A locked domain option keeps its domain box disabled too.
    if (!unlocked(chkReplyInternalCheck)) return;
    chkReplyInternalCheck.setEnabled(true);
    txtDomains.setEnabled(chkReplyInternalCheck.ticked());
}

void frmIntroWizard::chkReplyInternalCheck_Click() { txtDomains.setEnabled(chkReplyInternalCheck.ticked()); }

void frmIntroWizard::SpamMarkRule() {
    if (!chkRemoveSpamWord.ticked()) {
        enable({&lstSpamWords, &cmdAdd_Spam, &cmdDelete_Spam, &cmdReset_Spam, &optAutoRemoveSpamWords,
                &optPromptRemoveSpamWords},
               false);
        return;
    }
    if (unlocked(lstSpamWords)) {
        enable({&lstSpamWords, &cmdAdd_Spam, &cmdReset_Spam}, true);
        if (lstSpamWords.listCount() > 0) cmdDelete_Spam.setEnabled(true);
    }
    if (unlocked(optAutoRemoveSpamWords)) enable({&optAutoRemoveSpamWords, &optPromptRemoveSpamWords}, true);
}

void frmIntroWizard::chkPromptReplyOlderEmails_Click() {
    txtOldEmailsDays.setEnabled(chkPromptReplyOlderEmails.ticked());
}

void frmIntroWizard::AttachmentRule() {
    if (!chkAttachMissing.ticked()) {
        enable({&lstKeywords, &cmdAdd_Attach, &cmdDelete_Attach, &cmdReset_Attach, &lblIgnoreSig}, false);
        return;
    }
    if (unlocked(lstKeywords)) {
        enable({&lstKeywords, &cmdAdd_Attach, &cmdReset_Attach}, true);
        if (lstKeywords.listCount() > 0) cmdDelete_Attach.setEnabled(true);
    }
    if (unlocked(lblIgnoreSig)) lblIgnoreSig.setEnabled(true);
}

void frmIntroWizard::chkConfirmForXRecipt_Click() { txtXRecipients.setEnabled(chkConfirmForXRecipt.ticked()); }

void frmIntroWizard::ConfirmationRule() {
    if (!optConfirmToSpecific.value()) {
        enable({&lstConfirmEmailAddresses, &cmdAdd_Confirm, &cmdDelete_Confirm}, false);
        return;
    }
    enable({&lstConfirmEmailAddresses, &cmdAdd_Confirm}, true);
    cmdDelete_Confirm.setEnabled(lstConfirmEmailAddresses.listCount() > 0);
}

void frmIntroWizard::DelayRule() {
    if (!chkDelay.ticked()) {
        enable({&txtDelayTime, &lblseconds, &optAutoDelay, &optDelayToEmails, &lstDelayToEAddr, &cmdAdd_EAddr,
                &cmdDelete_EAddr, &chkNotifyDelay},
               false);
        return;
    }
    if (unlocked(txtDelayTime)) enable({&txtDelayTime, &lblseconds}, true);
    if (unlocked(optAutoDelay)) {
        enable({&optAutoDelay, &optDelayToEmails}, true);
        DelayListRule();
    }
    if (unlocked(chkNotifyDelay)) chkNotifyDelay.setEnabled(true);
}

void frmIntroWizard::DelayListRule() {
    if (optAutoDelay.value()) {
        enable({&lstDelayToEAddr, &cmdAdd_EAddr, &cmdDelete_EAddr}, false);
        return;
    }
    enable({&lstDelayToEAddr, &cmdAdd_EAddr}, true);
    cmdDelete_EAddr.setEnabled(lstDelayToEAddr.listCount() > 0);
}

void frmIntroWizard::OwnAddressRule() {
    if (chkEmailFromOutlook.ticked()) {
        enable({&cmdAdd_EmailAcc, &cmdDelete_EmailAcc}, false);
        return;
    }
    cmdAdd_EmailAcc.setEnabled(true);
    cmdDelete_EmailAcc.setEnabled(lstEmailAccounts.listCount() > 0);
}

void frmIntroWizard::chkEmailFromOutlook_Click() {
    if (loading_ || !chkEmailFromOutlook.ticked()) {
        OwnAddressRule();
        return;
    }
    if (lstEmailAccounts.listCount() > 0) {
        const int answer = ShowMessage(
            "This action will reset your email address list to the corresponding email accounts linked to your "
            "Outlook.\r\nYou will loose any changes you made to your email address list.\r\n\r\nDo you want to "
            "continue?",
            platform::mb::InformationYesNo, "Confirm action");
        if (answer != platform::mb::IdYes) {
            chkEmailFromOutlook.setValue(ui::CheckBox::Unchecked);
            return;
        }
    }
    TextToList(lstEmailAccounts, p_.cvAccountsEmailAddress(p_));
    OwnAddressRule();
}

void frmIntroWizard::txtDelayTime_Validate(bool& cancel) {
    const std::string& text = txtDelayTime.text();
    bool accepted = false;
    if (text.find('.') == std::string::npos) {
        const auto number = settings::classicNumber(text::trim(text));
        // A whole number of at least 1 that fits the stored 32-bit count.
        accepted = number && *number >= 1 && *number <= std::numeric_limits<std::int32_t>::max();
    }
    if (accepted) return;
    ShowMessage("Please enter a whole number greater than 0 for the delay time.", platform::mb::InformationOk,
                "Invalid time");
    txtDelayTime.selectAll();
    cancel = true;
}

void frmIntroWizard::txtDomains_Validate(bool& cancel) {
    const std::string domains = text::trim(txtDomains.text());
    if (domains.empty()) return;
    bool valid = true;
    for (const std::string& domain : text::split(domains))
        valid = valid && accounts::IsValidEmailAddress("abc@" + domain);
    if (valid) return;
    ShowMessage(
        "At least one of the domains entered is incorrect.\r\n\r\nPlease verify that you have entered the "
        "correct domains.",
        platform::mb::InformationOk, "Verify domain");
    txtDomains.selectAll();
    cancel = true;
}

void frmIntroWizard::CountField_Validate(ui::TextBox& box, const ui::CheckBox& when, std::string_view what,
                                         bool& cancel) {
    if (!when.ticked()) return;
    const std::string text = text::trim(box.text());
    const auto whole = text.empty() ? std::nullopt : settings::classicWholeNumber(text);
    if (whole && *whole >= 1 && *whole <= std::numeric_limits<std::int32_t>::max()) {
        box.setText(std::to_string(*whole));
        return;
    }
    ShowMessage("Please enter a numeric value greater than 0.", platform::mb::InformationOk,
                (text.empty() ? std::string(what) + " missing" : "Invalid " + std::string(what)));
    cancel = true;
}

void frmIntroWizard::lblOlderEmailLink_Click() {
    ShowMessage(
        "A common cause of grief for email users is misleading Subjects.\r\n\r\nEmailers often reinitiate contact "
        "with others by replying to an earlier email (instead of creating a new email and typing in the email "
        "address).\r\n\r\nUnfortunately they forget to change the Subject which means the Subject often has nothing "
        "to do with what the new email is about.",
        platform::mb::InformationOk, "Replying to older emails");
}

void frmIntroWizard::lblIgnoreSig_Click() {
    checks::frmSigDisclaimer dialog(p_.host.ui, p_.store(), p_.appTitle);
    dialog.show(p_.host.ui);
    dialog.unload();
}

}  // namespace corvane::wizard
