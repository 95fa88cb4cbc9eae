// The wizard's life: loading every control from the store, moving between pages, Finish
// with its domain rule and the save, and what happens when the form unloads.
#include "corvane/wizard/frmIntroWizard.h"

#include <array>

#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/file_system.h"
#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "corvane/support/help.h"
#include "corvane/text/text.h"

namespace corvane::wizard {

namespace {

constexpr int Ticked = ui::CheckBox::Checked;
constexpr int Clear = ui::CheckBox::Unchecked;

constexpr std::array<std::string_view, page::Count> PageTitles = {
    "Welcome to Corvane - Sending e-mail without regrets",
    "REPLY VANE SETTINGS",
    "SUBJECT VANE SETTINGS",
    "ATTACHMENT VANE SETTINGS",
    "ACCOUNT VANE SETTINGS",
    "SEND CONFIRM SETTINGS",
    "DELAY VANE SETTINGS",
    "MY EMAIL ACCOUNTS",
};

int checkState(bool on) { return on ? Ticked : Clear; }

}  // namespace

std::string ListToText(const ui::ListBox& list) {
    std::string out;
    for (int i = 0; i < list.listCount(); ++i) {
        if (!out.empty()) out += ';';
        out += list.list(i);
    }
    return out;
}

void TextToList(ui::ListBox& list, std::string_view text) {
    list.clear();
    for (std::string& item : text::split(text)) list.addItem(std::move(item));
}

frmIntroWizard::frmIntroWizard(core::AddinProcess& process) : Form("frmIntroWizard"), p_(process) {
    wireHandlers();
    applyDesign();
}

int frmIntroWizard::ShowMessage(std::string_view prompt, int buttons, std::string_view shortTitle) {
    return platform::ShowMessageBox(p_.host.ui, prompt, buttons, platform::MessageTitle(shortTitle, p_.appTitle));
}

bool frmIntroWizard::hasIntroduction() const { return TabStripWizard.tabCount() == page::Count; }

void frmIntroWizard::onLoad() {
    currentStep_ = 0;
    locksLifted_ = false;
    loading_ = true;
    if (p_.store().GetSetting(settings::keys::ShowStartupWizard) == "False") TabStripWizard.removeTab(1);
    cmdNav[nav::Back].setEnabled(false);
    if (hasIntroduction()) {
        ShowStep(page::Introduction);
    } else {
        ShowStep(page::Reply);
        TabStripWizard_Click();
    }
    loadControls();
    if (core::OutlookMajorVersion(p_) == "10") chkReplyAll_AutoRemoveMe.setValue(Clear);
    loading_ = false;
    ApplyLockSettings(false);
}

void frmIntroWizard::loadControls() {
    const settings::modRegKeys keys = p_.regKeys();
    chkReplyMultiple.setValue(checkState(keys.ReplyMultiple()));
    chkReplyAll_Any.setValue(checkState(keys.ReplyAllAny()));
    chkReplyInternalCheck.setValue(checkState(keys.ReplyInternalCheck()));
    txtDomains.setText(keys.DomainName());
    chkReplyALL_BCC.setValue(checkState(keys.ReplyALL_BCC()));
    chkReplyAll_AutoRemoveMe.setValue(checkState(keys.ReplyAllAutoRemove()));
    chkPlaySound.setValue(checkState(keys.PlaySound()));

    chkSubjectEmpty.setValue(checkState(keys.CheckEmptySubject()));
    TextToList(lstSpamWords, keys.SpamKeyWords());
    chkRemoveSpamWord.setValue(checkState(keys.RemoveSpamWords()));
    const int autoRemove = keys.AutoRemoveSpamWords();
    optAutoRemoveSpamWords.setValue(autoRemove == 1);
    optPromptRemoveSpamWords.setValue(autoRemove == 0);
    chkReFwd.setValue(checkState(keys.CheckMultipleReFwd()));
    chkPromptReplyOlderEmails.setValue(checkState(keys.PromptReplyOnOlderEmails()));
    txtOldEmailsDays.setText(keys.OldEmailDays());

    TextToList(lstKeywords, keys.AttachKeyWords());
    chkAttachMissing.setValue(checkState(keys.CheckAttachMissing()));

    optShowMessage.setValue(keys.MsgAddAddress() == 0);
    optDontShowMessage.setValue(keys.MsgAddAddress() == 1);
    optNotify.setValue(keys.DoNotShowSelect() == 0);
    optDoNotNotify.setValue(keys.DoNotShowSelect() == 1);

    TextToList(lstConfirmEmailAddresses, keys.ConfirmEmailAddrs());
    const int confirmation = keys.DisplayConfirmation();
    optNoConfirmation.setValue(confirmation == 0);
    optConfirmEveryone.setValue(confirmation == 1);
    optConfirmToSpecific.setValue(confirmation == 2);
    chkConfirmForXRecipt.setValue(checkState(keys.ConfirmForXRecipients()));
    txtXRecipients.setText(keys.XRecipients());

    TextToList(lstDelayToEAddr, keys.DelayedEmailAddrs());
    txtDelayTime.setText(keys.DelayTime());
    const int delayAll = keys.AutoDelayAll();
    optAutoDelay.setValue(delayAll == 1);
    optDelayToEmails.setValue(delayAll == 0);
    chkNotifyDelay.setValue(checkState(keys.NotifyBeforeDelaying()));
    chkDelay.setValue(checkState(keys.DelayEmails()));

    TextToList(lstEmailAccounts, keys.EmailList());
    chkEmailFromOutlook.setValue(checkState(keys.UseOutlookSettings()));

    // A box that stays clear raises no Click: every rule follows the values now shown.
    ReplyRule();
    SpamMarkRule();
    chkPromptReplyOlderEmails_Click();
    AttachmentRule();
    ConfirmationRule();
    chkConfirmForXRecipt_Click();
    DelayRule();
    OwnAddressRule();
    if (lstSpamWords.listCount() == 0) cmdDelete_Spam.setEnabled(false);
    if (lstKeywords.listCount() == 0) cmdDelete_Attach.setEnabled(false);
    if (lstConfirmEmailAddresses.listCount() == 0) cmdDelete_Confirm.setEnabled(false);
    lblIgnoreSig.setEnabled(chkAttachMissing.ticked());
}

void frmIntroWizard::ShowStep(int step) {
    ui::Frame& shown = fraStep[currentStep_];
    shown.setEnabled(false);
    shown.setLeft(OutOfSight);
    fraStep[step].setLeft(PageLeft);
    fraStep[step].setEnabled(true);
    currentStep_ = step;
    lblTabTitle.setCaption(std::string(PageTitles[static_cast<std::size_t>(step)]));

    const std::string version = core::OutlookMajorVersion(p_);
    if (step == page::Reply && version == "10") {
        // Outlook 2002 cannot take the sender out of a Reply to All.
        chkReplyAll_AutoRemoveMe.setValue(Clear);
        chkReplyAll_AutoRemoveMe.setEnabled(false);
    }
    if (step == page::Account && (version == "9" || version == "10")) {
        for (ui::Control* c :
             std::initializer_list<ui::Control*>{&lblAccountVane, &lblAccountIntro, &lblHowToSet, &lblWrongAccount,
                                                 &optShowMessage, &optDontShowMessage, &optNotify, &optDoNotNotify,
                                                 &fraStep[page::Account]})
            c->setEnabled(false);
        lblAgStatus.setVisible(true);
    }
    if (step == page::MyAccounts && version == "9") {
        chkEmailFromOutlook.setValue(Clear);
        chkEmailFromOutlook.setEnabled(false);
    }
}

void frmIntroWizard::TabStripWizard_Click() {
    const int n = TabStripWizard.selectedIndex();
    const int count = TabStripWizard.tabCount();
    cmdNav[nav::Back].setEnabled(n != 1);
    cmdNav[nav::Next].setEnabled(n != count);
    const int step = hasIntroduction() ? n - 1 : n;
    ShowStep(step);
    RunPageRule(step);
    ApplyLockSettings(false);
}

void frmIntroWizard::RunPageRule(int step) {
    switch (step) {
        case page::Reply: ReplyRule(); break;
        case page::Subject: SpamMarkRule(); break;
        case page::Attachment: AttachmentRule(); break;
        case page::Delay: DelayRule(); break;
        case page::MyAccounts: OwnAddressRule(); break;
        default: break;
    }
}

void frmIntroWizard::cmdNav_Click(int index) {
    switch (index) {
        case nav::Help: support::ShowHelpTopic(p_, support::topic::Settings); break;
        case nav::Cancel: unload(); break;
        case nav::Back: TabStripWizard.select(TabStripWizard.selectedIndex() - 1); break;
        case nav::Next: TabStripWizard.select(TabStripWizard.selectedIndex() + 1); break;
        case nav::Finish: cmdFinish_Click(); break;
        default: break;
    }
}

void frmIntroWizard::cmdFinish_Click() {
    if (!DomainRuleHolds()) return;
    SaveSettings();
    unload();
}

bool frmIntroWizard::DomainRuleHolds() {
    if (!chkReplyAll_Any.ticked() || !chkReplyInternalCheck.ticked() || !text::trim(txtDomains.text()).empty())
        return true;
    ShowMessage(
        "Please enter a domain or un-tick the option\r\n'Do not warn when all recipients are part of the domain'",
        platform::mb::InformationOk, "No domain entered");
    TabStripWizard.select(hasIntroduction() ? 2 : 1);
    platform::IgnoreErrors([&] { txtDomains.setFocus(); });
    return false;
}

void frmIntroWizard::SaveSettings() {
    settings::modRegKeys keys = p_.regKeys();
    keys.ReplyMultiple(chkReplyMultiple.value());
    keys.ReplyALL_BCC(chkReplyALL_BCC.value());
    keys.ReplyAllAny(chkReplyAll_Any.value());
    keys.ReplyInternalCheck(chkReplyInternalCheck.value());
    keys.DomainName(txtDomains.text());
    keys.ReplyAllAutoRemove(chkReplyAll_AutoRemoveMe.value());
    keys.PlaySound(chkPlaySound.value());

    keys.CheckEmptySubject(chkSubjectEmpty.value());
    keys.RemoveSpamWords(chkRemoveSpamWord.value());
    if (optAutoRemoveSpamWords.value())
        keys.AutoRemoveSpamWords(1);
    else if (optPromptRemoveSpamWords.value())
        keys.AutoRemoveSpamWords(0);
    keys.SpamKeyWords(ListToText(lstSpamWords));
    keys.CheckMultipleReFwd(chkReFwd.value());
    keys.PromptReplyOnOlderEmails(chkPromptReplyOlderEmails.value());
    keys.OldEmailDays(txtOldEmailsDays.text());

    keys.CheckAttachMissing(chkAttachMissing.value());
    keys.AttachKeyWords(ListToText(lstKeywords));

    if (optShowMessage.value())
        keys.MsgAddAddress(0);
    else if (optDontShowMessage.value())
        keys.MsgAddAddress(1);
    if (optNotify.value())
        keys.DoNotShowSelect(0);
    else if (optDoNotNotify.value())
        keys.DoNotShowSelect(1);

    if (optNoConfirmation.value())
        keys.DisplayConfirmation(0);
    else if (optConfirmEveryone.value())
        keys.DisplayConfirmation(1);
    else if (optConfirmToSpecific.value())
        keys.DisplayConfirmation(2);
    keys.ConfirmEmailAddrs(ListToText(lstConfirmEmailAddresses));
    keys.ConfirmForXRecipients(chkConfirmForXRecipt.value());
    keys.XRecipients(txtXRecipients.text());

    keys.DelayEmails(chkDelay.value());
    keys.DelayTime(txtDelayTime.text());
    if (optAutoDelay.value())
        keys.AutoDelayAll(1);
    else if (optDelayToEmails.value())
        keys.AutoDelayAll(0);
    keys.DelayedEmailAddrs(ListToText(lstDelayToEAddr));
    keys.NotifyBeforeDelaying(chkNotifyDelay.value());

    keys.UseOutlookSettings(chkEmailFromOutlook.value());
    keys.EmailList(ListToText(lstEmailAccounts));
}

void frmIntroWizard::onUnload(bool& /*cancel*/) {
    CopyMsgToInbox();
    locksLifted_ = false;
}

void frmIntroWizard::cmdSaveSettings_Click() { settingsfile::modLoadSettings::ExportSettings(p_); }

}  // namespace corvane::wizard
