#pragma once
// The settings dialog: one page per feature behind a tab strip, every option read from the
// store when the form loads and written back only by Finish (or OK). Cancel and the
// window's X write nothing. Fields are checked when the user leaves them; the focus then
// stays in the field.
//
// The caller loads the form, applies the mode and shows it:
//     frmIntroWizard frm(process);
//     frm.load();
//     frm.ApplyFirstRunMode(picture);   // or frm.ApplySettingsMode();
//     frm.show(process.host.ui);
#include <optional>
#include <string>
#include <string_view>

#include "corvane/resources/resource_library.h"
#include "corvane/ui/controls.h"
#include "corvane/wizard/settings_lock.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::wizard {

// The page index of each feature (fraStep(i)).
namespace page {
inline constexpr int Introduction = 0;
inline constexpr int Reply = 1;
inline constexpr int Subject = 2;
inline constexpr int Attachment = 3;
inline constexpr int Account = 4;
inline constexpr int SendConfirm = 5;
inline constexpr int Delay = 6;
inline constexpr int MyAccounts = 7;
inline constexpr int Count = 8;
}  // namespace page

// The buttons of cmdNav by index.
namespace nav {
inline constexpr int Help = 0;
inline constexpr int Cancel = 1;
inline constexpr int Back = 2;
inline constexpr int Next = 3;
inline constexpr int Finish = 4;
}  // namespace nav

class frmIntroWizard : public ui::Form {
public:
    ui::TabStrip TabStripWizard{*this, "TabStripWizard"};
    ui::Label lblTabTitle{*this, "lblTabTitle"};
    ui::ControlArray<ui::Frame> fraStep{*this, "fraStep", page::Count};

    // Introduction.
    ui::Label lblWelcome{*this, "lblWelcome"};
    ui::Label lblIntroduction{*this, "lblIntroduction"};
    ui::Label lblWizardHelps{*this, "lblWizardHelps"};
    ui::Label lblRecommendDefaults{*this, "lblRecommendDefaults"};
    ui::Label lblChangeLater{*this, "lblChangeLater"};

    // Reply Vane.
    ui::Label lblReplyVane{*this, "lblReplyVane"};
    ui::CheckBox chkReplyMultiple{*this, "chkReplyMultiple"};
    ui::CheckBox chkReplyAll_Any{*this, "chkReplyAll_Any"};
    ui::CheckBox chkReplyInternalCheck{*this, "chkReplyInternalCheck"};
    ui::TextBox txtDomains{*this, "txtDomains"};
    ui::Label lblDomains{*this, "lblDomains"};
    ui::CheckBox chkReplyALL_BCC{*this, "chkReplyALL_BCC"};
    ui::CheckBox chkReplyAll_AutoRemoveMe{*this, "chkReplyAll_AutoRemoveMe"};
    ui::CheckBox chkPlaySound{*this, "chkPlaySound"};

    // Subject Vane.
    ui::Label lblSubjectVane{*this, "lblSubjectVane"};
    ui::CheckBox chkSubjectEmpty{*this, "chkSubjectEmpty"};
    ui::CheckBox chkRemoveSpamWord{*this, "chkRemoveSpamWord"};
    ui::OptionButton optAutoRemoveSpamWords{*this, "optAutoRemoveSpamWords"};
    ui::OptionButton optPromptRemoveSpamWords{*this, "optPromptRemoveSpamWords"};
    ui::ListBox lstSpamWords{*this, "lstSpamWords"};
    ui::CommandButton cmdAdd_Spam{*this, "cmdAdd_Spam"};
    ui::CommandButton cmdDelete_Spam{*this, "cmdDelete_Spam"};
    ui::CommandButton cmdReset_Spam{*this, "cmdReset_Spam"};
    ui::CheckBox chkReFwd{*this, "chkReFwd"};
    ui::CheckBox chkPromptReplyOlderEmails{*this, "chkPromptReplyOlderEmails"};
    ui::TextBox txtOldEmailsDays{*this, "txtOldEmailsDays"};
    ui::Label lblDays{*this, "lblDays"};
    ui::Label lblOlderEmailLink{*this, "lblOlderEmailLink"};

    // Attachment Vane.
    ui::Label lblAttachVane{*this, "lblAttachVane"};
    ui::CheckBox chkAttachMissing{*this, "chkAttachMissing"};
    ui::ListBox lstKeywords{*this, "lstKeywords"};
    ui::CommandButton cmdAdd_Attach{*this, "cmdAdd_Attach"};
    ui::CommandButton cmdDelete_Attach{*this, "cmdDelete_Attach"};
    ui::CommandButton cmdReset_Attach{*this, "cmdReset_Attach"};
    ui::Image imgIgnoreSig{*this, "imgIgnoreSig"};
    ui::Label lblIgnoreSig{*this, "lblIgnoreSig"};

    // Account Vane.
    ui::Label lblAccountVane{*this, "lblAccountVane"};
    ui::Label lblAccountIntro{*this, "lblAccountIntro"};
    ui::Label lblHowToSet{*this, "lblHowToSet"};
    ui::Frame fraAddAddress{*this, "fraAddAddress"};
    ui::OptionButton optShowMessage{*this, "optShowMessage"};
    ui::OptionButton optDontShowMessage{*this, "optDontShowMessage"};
    ui::Label lblWrongAccount{*this, "lblWrongAccount"};
    ui::Frame fraWrongAccount{*this, "fraWrongAccount"};
    ui::OptionButton optNotify{*this, "optNotify"};
    ui::OptionButton optDoNotNotify{*this, "optDoNotNotify"};
    ui::Label lblAgStatus{*this, "lblAgStatus"};

    // Send Confirm.
    ui::Label lblSendConfirm{*this, "lblSendConfirm"};
    ui::OptionButton optNoConfirmation{*this, "optNoConfirmation"};
    ui::OptionButton optConfirmEveryone{*this, "optConfirmEveryone"};
    ui::OptionButton optConfirmToSpecific{*this, "optConfirmToSpecific"};
    ui::ListBox lstConfirmEmailAddresses{*this, "lstConfirmEmailAddresses"};
    ui::CommandButton cmdAdd_Confirm{*this, "cmdAdd_Confirm"};
    ui::CommandButton cmdDelete_Confirm{*this, "cmdDelete_Confirm"};
    ui::CheckBox chkConfirmForXRecipt{*this, "chkConfirmForXRecipt"};
    ui::TextBox txtXRecipients{*this, "txtXRecipients"};
    ui::Label lblRecipients{*this, "lblRecipients"};

    // Delay Vane.
    ui::Label lblEverSent{*this, "lblEverSent"};
    ui::Label lblDelayVane{*this, "lblDelayVane"};
    ui::Label lblTickDelay{*this, "lblTickDelay"};
    ui::CheckBox chkDelay{*this, "chkDelay"};
    ui::TextBox txtDelayTime{*this, "txtDelayTime"};
    ui::Label lblseconds{*this, "lblseconds"};
    ui::OptionButton optAutoDelay{*this, "optAutoDelay"};
    ui::OptionButton optDelayToEmails{*this, "optDelayToEmails"};
    ui::ListBox lstDelayToEAddr{*this, "lstDelayToEAddr"};
    ui::CommandButton cmdAdd_EAddr{*this, "cmdAdd_EAddr"};
    ui::CommandButton cmdDelete_EAddr{*this, "cmdDelete_EAddr"};
    ui::CheckBox chkNotifyDelay{*this, "chkNotifyDelay"};

    // My Email Accounts.
    ui::Label lblMyAccounts{*this, "lblMyAccounts"};
    ui::Label lblRecommendDetect{*this, "lblRecommendDetect"};
    ui::CheckBox chkEmailFromOutlook{*this, "chkEmailFromOutlook"};
    ui::ListBox lstEmailAccounts{*this, "lstEmailAccounts"};
    ui::CommandButton cmdAdd_EmailAcc{*this, "cmdAdd_EmailAcc"};
    ui::CommandButton cmdDelete_EmailAcc{*this, "cmdDelete_EmailAcc"};

    // The row of buttons.
    ui::PictureBox ShowTabs{*this, "ShowTabs"};
    ui::CommandButton cmdLockControls{*this, "cmdLockControls"};
    ui::CommandButton cmdSaveSettings{*this, "cmdSaveSettings"};
    ui::ControlArray<ui::CommandButton> cmdNav{*this, "cmdNav", 5};

    explicit frmIntroWizard(core::AddinProcess& process);

    // First run: the start-page picture is shown (set from the bitmap when there is one).
    void ApplyFirstRunMode(const std::optional<resources::ResourceBitmap>& picture);
    // The settings command: no Back and Next, Cancel where Finish stood, Finish captioned
    // "OK" beside Next's place, no start-page picture, "Export Settings" shown.
    void ApplySettingsMode();

    // The page on show (fraStep index).
    int currentStep() const { return currentStep_; }

    // Applies the stored lock (LockFields, while Password is set) to the controls: each
    // listed field is locked ("=Yes" in any case) or unlocked. With `blnEnableAll` every
    // listed field is unlocked, whatever Password and the values say.
    void ApplyLockSettings(bool blnEnableAll = false);
    // Locks (false) or unlocks (true) the controls of one lockable field and sets its
    // lock mark; unlocking enables its controls as the dependent-control rules allow for
    // the values shown. An identifier that is not a lockable field does nothing.
    void EnableControl(std::string_view strCode, bool blnEnable);
    // The password was entered in this opening: "&Lock" opens the lock editor directly
    // until the wizard closes.
    void LiftLocks() { locksLifted_ = true; }

protected:
    void design() override;
    void onLoad() override;
    void onUnload(bool& cancel) override;

private:
    // Where a page stands while shown, and where the other pages wait out of sight.
    static constexpr int PageLeft = 80;
    static constexpr int OutOfSight = -10000;
    friend class frmGetUserInput;

    void designPages();
    void designIntroduction();
    void designReplyPage();
    void designSubjectPage();
    void designAttachmentPage();
    void designAccountPage();
    void designSendConfirmPage();
    void designDelayPage();
    void designMyAccountsPage();
    void designButtons();
    void wireHandlers();
    void loadControls();

    // Navigation.
    bool hasIntroduction() const;
    void ShowStep(int step);
    void TabStripWizard_Click();
    void cmdNav_Click(int index);
    void cmdFinish_Click();
    bool DomainRuleHolds();
    void SaveSettings();
    void CopyMsgToInbox();

    // Dependent-control rules.
    void RunPageRule(int step);
    void ReplyRule();
    void chkReplyInternalCheck_Click();
    void SpamMarkRule();
    void chkPromptReplyOlderEmails_Click();
    void AttachmentRule();
    void chkConfirmForXRecipt_Click();
    void ConfirmationRule();
    void DelayRule();
    void DelayListRule();
    void OwnAddressRule();
    void chkEmailFromOutlook_Click();
    // Unlocking a field: the rule that enables what depends on its switch.
    void RunLockRule(LockRule rule);
    // A control that this Outlook version keeps disabled, which unlocking leaves alone.
    bool HeldByOutlookVersion(const ui::Control& control) const;

    // Field checks when the user leaves a field.
    void txtDelayTime_Validate(bool& cancel);
    void txtDomains_Validate(bool& cancel);
    void CountField_Validate(ui::TextBox& box, const ui::CheckBox& when, std::string_view what, bool& cancel);

    void lblOlderEmailLink_Click();
    void lblIgnoreSig_Click();
    void cmdLockControls_Click();
    void cmdSaveSettings_Click();

    // The list editors.
    void AddToList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view message,
                   std::string_view caption);
    void DeleteFromList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view ending);
    void ResetList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view defaults);

    int ShowMessage(std::string_view prompt, int buttons, std::string_view shortTitle);

    core::AddinProcess& p_;
    int currentStep_ = 0;
    bool locksLifted_ = false;
    bool loading_ = false;
};

// A list box's items joined by ";" in their order ("" for none).
std::string ListToText(const ui::ListBox& list);
// Replaces the items by the pieces of a list text (split at ";"; "" gives none).
void TextToList(ui::ListBox& list, std::string_view text);
// Some item equals the text, trimmed, ignoring case.
bool ItemExistsInList(const ui::ListBox& list, std::string_view text);

}  // namespace corvane::wizard
