// The settings lock in the wizard: the lockable fields, the stored form of the lock
// password, and how LockFields locks and unlocks the wizard's controls.
#include "corvane/wizard/settings_lock.h"

#include <algorithm>

#include "corvane/core/addin_process.h"
#include "corvane/platform/password_hash.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"
#include "corvane/wizard/frmIntroWizard.h"
#include "corvane/wizard/frmLockFields.h"
#include "corvane/wizard/frmUnlockFields.h"

namespace corvane::wizard {

const std::array<LockableField, 23> LockableFields = {{
    {"Warn_Reply_Click_Mult_Recpt",
     "Warn when clicking reply for e-mails with multiple recipients",
     {"chkReplyMultiple"},
     "",
     1,
     LockRule::None},
    {"Warn_Replytoall_click_BCCed",
     "Warn when Reply to All is clicked on an e-mail on which I was BCCed",
     {"chkReplyALL_BCC"},
     "",
     1,
     LockRule::None},
    {"Warn_Replytoall_Click",
     "Warn when Reply to All is clicked on any e-mail",
     {"chkReplyAll_Any"},
     "",
     1,
     LockRule::None},
    {"Donot_Warn_for_this_Domain",
     "Do not warn when all recipients are part of the domain:",
     {"chkReplyInternalCheck", "txtDomains"},
     "chkReplyInternalCheck",
     0,
     LockRule::Reply},
    {"Auto_Removeme_on_Replytoall",
     "Automatically remove me when doing a Reply to All",
     {"chkReplyAll_AutoRemoveMe"},
     "",
     1,
     LockRule::None},
    {"PlaySound_Every_Prompt", "Play sound for every prompt in Corvane", {"chkPlaySound"}, "", 1, LockRule::None},
    {"Notify_Subject_Empty", "Notify if Subject is empty", {"chkSubjectEmpty"}, "", 1, LockRule::None},
    {"Correct_REFW_in_Subject",
     "Check and correct if RE:, FW: etc appears multiple times in Subject",
     {"chkReFwd"},
     "",
     1,
     LockRule::None},
    {"Clear_Spam_marks_in_Subject",
     "Clear SPAM Marks added in Subject by Anti-Spam software",
     {"chkRemoveSpamWord"},
     "",
     1,
     LockRule::None},
    {"Auto_or_Prompt_on_Spam_Mark_Removal",
     "Automatically remove or prompt me for confirmation before removing SPAM marks from Subject",
     {"optAutoRemoveSpamWords", "optPromptRemoveSpamWords"},
     "optAutoRemoveSpamWords",
     0,
     LockRule::SpamMark},
    {"Spam_Marks",
     "SPAM Marks list",
     {"lstSpamWords", "cmdAdd_Spam", "cmdDelete_Spam", "cmdReset_Spam"},
     "lstSpamWords",
     0,
     LockRule::SpamMark},
    {"Change_Subject_Reply_old_Email",
     "Prompt me to change Subject if I am replying to an older e-mail",
     {"chkPromptReplyOlderEmails", "txtOldEmailsDays"},
     "",
     1,
     LockRule::OlderEmails},
    {"Notify_Attachments_Missing", "Notify if attachments are missing", {"chkAttachMissing"}, "", 1, LockRule::None},
    {"Attachments_Words_List",
     "List of keywords to which indicates that there should be attachments to the e-mail",
     {"lstKeywords", "cmdAdd_Attach", "cmdDelete_Attach", "cmdReset_Attach"},
     "lstKeywords",
     0,
     LockRule::Attachment},
    {"Attachment_advanced_Settings",
     "Advanced Settings (Avoid false triggers of Attachment Vane)",
     {"lblIgnoreSig"},
     "lblIgnoreSig",
     0,
     LockRule::Attachment},
    {"Set_Preferred_Account",
     "How to set Prefered Accounts",
     {"optShowMessage", "optDontShowMessage"},
     "",
     2,
     LockRule::None},
    {"Using_wrong_accounts",
     "What should Corvane do if I am using the WRONG Account",
     {"optNotify", "optDoNotNotify"},
     "",
     2,
     LockRule::None},
    {"Send_Confirm",
     "Display Send-Confirm message to all or selected people",
     {"optNoConfirmation", "optConfirmEveryone", "optConfirmToSpecific", "lstConfirmEmailAddresses", "cmdAdd_Confirm",
      "cmdDelete_Confirm"},
     "",
     3,
     LockRule::Confirmation},
    {"Display_message_more_than_x_Recipt",
     "Display message if more than x recipients",
     {"chkConfirmForXRecipt", "txtXRecipients"},
     "",
     1,
     LockRule::XRecipients},
    {"Delay_Emails_by_x_Seconds",
     "Delay e-mails by x seconds",
     {"chkDelay", "txtDelayTime", "lblseconds"},
     "txtDelayTime",
     1,
     LockRule::Delay},
    {"Delay_All_or_to_Specific_email_addresses",
     "Delay e-mails to everyone or to specific e-mail addresses",
     {"optAutoDelay", "optDelayToEmails", "lstDelayToEAddr", "cmdAdd_EAddr", "cmdDelete_EAddr"},
     "optAutoDelay",
     0,
     LockRule::Delay},
    {"Get_Confirmation_before_Delaying",
     "Get confirmation before delaying",
     {"chkNotifyDelay"},
     "chkNotifyDelay",
     0,
     LockRule::Delay},
    {"My_Email_Accounts",
     "Let Corvane detect my email addresses using the accounts I have setup in Outlook",
     {"chkEmailFromOutlook", "lstEmailAccounts", "cmdAdd_EmailAcc", "cmdDelete_EmailAcc"},
     "",
     2,
     LockRule::OwnAddress},
}};

const LockableField* FindLockableField(std::string_view identifier) {
    const auto* it = std::find_if(LockableFields.begin(), LockableFields.end(),
                                  [&](const LockableField& f) { return f.identifier == identifier; });
    return it == LockableFields.end() ? nullptr : it;
}

std::string_view Get_EnableField_Description(std::string_view identifier) {
    const LockableField* field = FindLockableField(identifier);
    return field ? field->description : std::string_view{};
}

LockItem ParseLockItem(std::string_view item) {
    const std::size_t eq = item.find('=');
    if (eq == std::string_view::npos) return {std::string(item), false};
    return {std::string(item.substr(0, eq)), text::toUpper(item.substr(eq + 1)) == "YES"};
}

std::string EncryptPswd(std::string_view password) { return platform::HashPassword(password, LockPasswordIterations); }

bool LockPasswordMatches(std::string_view entry, std::string_view storedPassword) {
    return platform::PasswordMatchesHash(entry, storedPassword);
}

void frmIntroWizard::ApplyLockSettings(bool blnEnableAll) {
    const settings::SettingStore store = p_.store();
    if (!blnEnableAll && text::trim(store.GetSetting(settings::keys::Password)).empty()) return;
    const std::string fields = text::trim(store.GetSetting(settings::keys::LockFields));
    if (fields.empty()) return;
    for (const std::string& item : text::split(fields)) {
        if (text::trim(item).empty()) continue;
        const LockItem lock = ParseLockItem(item);
        EnableControl(lock.identifier, blnEnableAll || !lock.locked);
    }
}

void frmIntroWizard::EnableControl(std::string_view strCode, bool blnEnable) {
    const LockableField* field = FindLockableField(strCode);
    if (!field) return;
    ui::Control* marker = field->marker.empty() ? nullptr : findControl(field->marker);
    if (!blnEnable) {
        for (std::string_view name : field->controls)
            if (ui::Control* c = name.empty() ? nullptr : findControl(name)) c->setEnabled(false);
        if (marker) marker->setTag("False");
        return;
    }
    if (marker) marker->setTag("True");
    for (int i = 0; i < field->switches; ++i) {
        ui::Control* c = findControl(field->controls[static_cast<std::size_t>(i)]);
        if (!HeldByOutlookVersion(*c)) c->setEnabled(true);
    }
    RunLockRule(field->rule);
}

bool frmIntroWizard::HeldByOutlookVersion(const ui::Control& control) const {
    const std::string version = core::OutlookMajorVersion(p_);
    if (&control == &chkReplyAll_AutoRemoveMe) return version == "10";
    if (&control == &chkEmailFromOutlook) return version == "9";
    const bool accountChoice = &control == &optShowMessage || &control == &optDontShowMessage ||
                               &control == &optNotify || &control == &optDoNotNotify;
    return accountChoice && (version == "9" || version == "10");
}

void frmIntroWizard::RunLockRule(LockRule rule) {
    switch (rule) {
        case LockRule::Reply: ReplyRule(); break;
        case LockRule::SpamMark: SpamMarkRule(); break;
        case LockRule::OlderEmails: chkPromptReplyOlderEmails_Click(); break;
        case LockRule::Attachment: AttachmentRule(); break;
        case LockRule::Confirmation: ConfirmationRule(); break;
        case LockRule::XRecipients: chkConfirmForXRecipt_Click(); break;
        case LockRule::Delay: DelayRule(); break;
        case LockRule::OwnAddress: OwnAddressRule(); break;
        case LockRule::None: break;
    }
}

void frmIntroWizard::cmdLockControls_Click() {
    if (text::trim(p_.store().GetSetting(settings::keys::Password)).empty() || locksLifted_) {
        frmLockFields editor(*this, p_);
        editor.show(p_.host.ui);
        editor.unload();
    } else {
        frmUnlockFields unlock(*this, p_);
        unlock.show(p_.host.ui);
        unlock.unload();
    }
}

}  // namespace corvane::wizard
