// The wizard's layout and design values. Pages lie side by side out of sight (left edge
// -10000 twips) and disabled; the page on show sits at left 80.
#include "corvane/ui/label.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

namespace {

constexpr int PageTop = 840;
constexpr int PageWidth = 9000;
constexpr int PageHeight = 5300;
constexpr int ButtonTop = 6300;
constexpr int ButtonWidth = 1000;
constexpr int ButtonHeight = 360;

template <class C>
void place(C& control, ui::Control& container, int left, int top, int width, int height) {
    control.setContainer(container);
    control.move(left, top, width, height);
}

template <class C>
void captioned(C& control, ui::Control& container, std::string caption, int left, int top, int width,
               int height = 240) {
    control.setCaption(std::move(caption));
    place(control, container, left, top, width, height);
}

void listEditor(ui::ListBox& list, ui::Control& page, int left, int top, int width, int height) {
    list.setSorted(true);
    list.setMultiSelect(ui::MultiSelect::Extended);
    place(list, page, left, top, width, height);
}

}  // namespace

void frmIntroWizard::design() {
    setCaption("Settings");
    move(0, 0, 9300, 7200);
    for (const char* caption : {"Introduction", "Reply Vane", "Subject Vane", "Attachment Vane", "Account Vane",
                                "Send Confirm", "Delay Vane", "My Email Accounts"})
        TabStripWizard.addTab(caption);
    TabStripWizard.move(40, 80, 9180, 6060);
    lblTabTitle.move(240, 480, 8800, 300);
    for (int i = 0; i < page::Count; ++i) {
        fraStep[i].move(i == page::Introduction ? PageLeft : OutOfSight, PageTop, PageWidth, PageHeight);
        fraStep[i].setEnabled(i == page::Introduction);
    }
    designPages();
    designButtons();
}

void frmIntroWizard::designPages() {
    designIntroduction();
    designReplyPage();
    designSubjectPage();
    designAttachmentPage();
    designAccountPage();
    designSendConfirmPage();
    designDelayPage();
    designMyAccountsPage();
}

void frmIntroWizard::designIntroduction() {
    ui::Frame& f = fraStep[page::Introduction];
    captioned(lblWelcome, f, "Welcome to Corvane", 240, 120, 8500, 360);
    captioned(lblIntroduction, f,
              "Corvane looks over every e-mail you reply to, forward and send, and stops the usual slips before "
              "the message leaves: a reply to the wrong people, a forgotten attachment, an empty or stale "
              "subject, a message sent too soon or from the wrong account.",
              240, 600, 8500, 960);
    captioned(lblWizardHelps, f, "This Wizard will help you configure Corvane to your requirements.", 240, 1800, 8500);
    captioned(lblRecommendDefaults, f,
              "We recommend that you use the DEFAULT settings to start with unless you really need to change", 240,
              2280, 8500);
    captioned(lblChangeLater, f, "You can always change the settings later.", 240, 2760, 8500);
}

void frmIntroWizard::designReplyPage() {
    ui::Frame& f = fraStep[page::Reply];
    captioned(lblReplyVane, f, "Reply Vane: Ensure that your Replies are being sent to your intendend recipients", 240,
              120, 8500, 480);
    captioned(chkReplyMultiple, f, "Warn when clicking Reply for e-mails with multiple recipients", 240, 840, 8500);
    captioned(chkReplyAll_Any, f, "Warn when Reply to All is clicked for any e-mail", 240, 1320, 8500);
    captioned(chkReplyInternalCheck, f, "Do not warn when all recipients are part of the domain:", 600, 1800, 4800);
    place(txtDomains, f, 5520, 1770, 3200, 300);
    captioned(lblDomains, f, "(Corvane identifies you from your Email Address)", 5520, 2160, 3200);
    captioned(chkReplyALL_BCC, f, "Warn when Reply to All is clicked on an e-mail on which I was BCCed", 240, 2640,
              8500);
    captioned(chkReplyAll_AutoRemoveMe, f, "Automatically remove me when doing a Reply to All", 240, 3120, 8500);
    captioned(chkPlaySound, f, "Play sound for every prompt in Corvane", 240, 3600, 8500);
    // Reply to All starts clear: what depends on it starts disabled.
    chkReplyInternalCheck.setEnabled(false);
    txtDomains.setEnabled(false);
}

void frmIntroWizard::designSubjectPage() {
    ui::Frame& f = fraStep[page::Subject];
    captioned(lblSubjectVane, f,
              "Subject Vane: Checks that Subject is not blank (affects deliverability of email) or has Marks added "
              "by Anti-Spam software",
              240, 120, 8500, 480);
    captioned(chkSubjectEmpty, f, "Notify if Subject is empty", 240, 720, 8500);
    captioned(chkRemoveSpamWord, f, "Clear SPAM Marks added in Subject by Anti-Spam software", 240, 1080, 8500);
    captioned(optAutoRemoveSpamWords, f, "Automatically remove phrases in list below from Subject", 600, 1440, 8100);
    captioned(optPromptRemoveSpamWords, f, "Prompt me for confirmation before removing", 600, 1800, 8100);
    listEditor(lstSpamWords, f, 600, 2160, 5000, 1200);
    captioned(cmdAdd_Spam, f, "Add", 5760, 2160, ButtonWidth, ButtonHeight);
    captioned(cmdDelete_Spam, f, "Delete", 5760, 2580, ButtonWidth, ButtonHeight);
    captioned(cmdReset_Spam, f, "Reset", 5760, 3000, ButtonWidth, ButtonHeight);
    captioned(chkReFwd, f, "Check and correct if RE:, FW:  etc appears multiple times in Subject", 240, 3600, 8500);
    captioned(chkPromptReplyOlderEmails, f,
              "Prompt me to change Subject if I am replying to an email that is older than:", 240, 4080, 6600);
    place(txtOldEmailsDays, f, 6960, 4050, 600, 300);
    captioned(lblDays, f, "Days.", 7680, 4080, 800);
    captioned(lblOlderEmailLink, f, "Why do I need this?", 600, 4560, 3000);
    lblOlderEmailLink.setForeColor(ui::rgb(0, 0, 255));
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&optAutoRemoveSpamWords, &optPromptRemoveSpamWords, &lstSpamWords,
                                             &cmdAdd_Spam, &cmdDelete_Spam, &cmdReset_Spam, &txtOldEmailsDays})
        c->setEnabled(false);
}

void frmIntroWizard::designAttachmentPage() {
    ui::Frame& f = fraStep[page::Attachment];
    captioned(lblAttachVane, f,
              "Attachment Vane: Check emails before sending to see if I have forgetten to attach file(s).", 240, 120,
              8500, 480);
    captioned(chkAttachMissing, f,
              "Notify if attachment(s) missing but e-mail contains at least one of these keywords:", 240, 720, 8500);
    listEditor(lstKeywords, f, 600, 1140, 5000, 2000);
    captioned(cmdAdd_Attach, f, "Add", 5760, 1140, ButtonWidth, ButtonHeight);
    captioned(cmdDelete_Attach, f, "Delete", 5760, 1560, ButtonWidth, ButtonHeight);
    captioned(cmdReset_Attach, f, "Reset", 5760, 1980, ButtonWidth, ButtonHeight);
    place(imgIgnoreSig, f, 600, 3360, 360, 360);
    imgIgnoreSig.setPicture("advanced");
    captioned(lblIgnoreSig, f, "Advanced Settings (Avoid false triggers of Attachment Vane)", 1080, 3420, 6000);
    lblIgnoreSig.setForeColor(ui::rgb(0, 0, 255));
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lstKeywords, &cmdAdd_Attach, &cmdDelete_Attach,
                                                              &cmdReset_Attach, &lblIgnoreSig})
        c->setEnabled(false);
}

void frmIntroWizard::designAccountPage() {
    ui::Frame& f = fraStep[page::Account];
    captioned(lblAccountVane, f,
              "Account Vane: Use the correct account when sending out emails (for people with more than one email "
              "account in Outlook)",
              240, 120, 8500, 480);
    captioned(lblAccountIntro, f,
              "Corvane lets you choose a preferred email account for each person you write to.  It will then warn "
              "you if you try and send out an email using the wrong account.",
              240, 720, 8500, 480);
    captioned(lblHowToSet, f, "How to set Preferred Accounts", 240, 1320, 8500);
    place(fraAddAddress, f, 480, 1620, 8300, 840);
    captioned(optShowMessage, fraAddAddress,
              "Automatically display option to add address to list if I am using an address not in the list "
              "(Recommended)",
              120, 60, 8060, 360);
    captioned(optDontShowMessage, fraAddAddress, "Don't show message. I will maintain the list from the menu.", 120,
              480, 8060);
    captioned(lblWrongAccount, f, "What should Corvane do if I am using the WRONG account", 240, 2640, 8500);
    place(fraWrongAccount, f, 480, 2940, 8300, 780);
    captioned(optNotify, fraWrongAccount, "Notify me and let me choose the preferred account", 120, 60, 8060);
    captioned(optDoNotNotify, fraWrongAccount, "Automatically send using the preferred account", 120, 420, 8060);
    captioned(lblAgStatus, f, "Account Vane is only supported in Outlook 2003 and above", 240, 3960, 8500);
    lblAgStatus.setVisible(false);
}

void frmIntroWizard::designSendConfirmPage() {
    ui::Frame& f = fraStep[page::SendConfirm];
    captioned(lblSendConfirm, f,
              "Send-Confirm: Avoid accidentally sending incomplete or inappropriate emails. Displays a  message to "
              "get confirmation before sending emails to all or selected people.",
              240, 120, 8500, 480);
    captioned(optNoConfirmation, f, "Do not display confirmation message", 240, 720, 8500);
    captioned(optConfirmEveryone, f, "Display message for Everyone", 240, 1080, 8500);
    captioned(optConfirmToSpecific, f, "Display message only for these email addresses:", 240, 1440, 8500);
    listEditor(lstConfirmEmailAddresses, f, 600, 1800, 5000, 1800);
    captioned(cmdAdd_Confirm, f, "Add", 5760, 1800, ButtonWidth, ButtonHeight);
    captioned(cmdDelete_Confirm, f, "Delete", 5760, 2220, ButtonWidth, ButtonHeight);
    captioned(chkConfirmForXRecipt, f, "Display message if more than ", 240, 3840, 3000);
    place(txtXRecipients, f, 3300, 3810, 600, 300);
    captioned(lblRecipients, f, "recipients.", 4020, 3840, 1500);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lstConfirmEmailAddresses, &cmdAdd_Confirm,
                                                              &cmdDelete_Confirm, &txtXRecipients})
        c->setEnabled(false);
}

void frmIntroWizard::designDelayPage() {
    ui::Frame& f = fraStep[page::Delay];
    captioned(lblEverSent, f, "Have you ever sent an email and then wished you could get it back?", 240, 120, 8500);
    captioned(lblDelayVane, f,
              "Delay Vane: Automatically delay all or chosen emails (give yourself some time to change your mind)",
              240, 480, 8500, 480);
    captioned(lblTickDelay, f, "Tick the check box below if you want to use automatic delays", 240, 1080, 8500);
    captioned(chkDelay, f, "Delay E-mails by: ", 240, 1500, 2400);
    place(txtDelayTime, f, 2700, 1470, 700, 300);
    captioned(lblseconds, f, "seconds", 3520, 1500, 1200);
    captioned(optAutoDelay, f, "Delay Emails to Everyone", 600, 1920, 8100);
    captioned(optDelayToEmails, f, "Delay E-mails only to these E-mail Addresses", 600, 2280, 8100);
    listEditor(lstDelayToEAddr, f, 960, 2640, 4640, 1560);
    captioned(cmdAdd_EAddr, f, "Add", 5760, 2640, ButtonWidth, ButtonHeight);
    captioned(cmdDelete_EAddr, f, "Delete", 5760, 3060, ButtonWidth, ButtonHeight);
    captioned(chkNotifyDelay, f, "Get confirmation before delaying (untick to automatically delay all emails)", 240,
              4440, 8500);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&txtDelayTime, &lblseconds, &optAutoDelay, &optDelayToEmails,
                                             &lstDelayToEAddr, &cmdAdd_EAddr, &cmdDelete_EAddr, &chkNotifyDelay})
        c->setEnabled(false);
}

void frmIntroWizard::designMyAccountsPage() {
    ui::Frame& f = fraStep[page::MyAccounts];
    captioned(lblMyAccounts, f,
              "My Email Accounts: Corvane needs to know all your email accounts in order to provide the best "
              "protection.",
              240, 120, 8500, 480);
    captioned(lblRecommendDetect, f, "We recommend that you let Corvane detect your email addresses.", 240, 720, 8500);
    captioned(chkEmailFromOutlook, f,
              "Let Corvane detect my email addresses using the accounts I have setup in Outlook", 240, 1140, 8500);
    listEditor(lstEmailAccounts, f, 600, 1560, 5000, 2400);
    captioned(cmdAdd_EmailAcc, f, "Add", 5760, 1560, ButtonWidth, ButtonHeight);
    captioned(cmdDelete_EmailAcc, f, "Delete", 5760, 1980, ButtonWidth, ButtonHeight);
    cmdDelete_EmailAcc.setEnabled(false);
}

void frmIntroWizard::designButtons() {
    ShowTabs.move(40, ButtonTop - 60, 1120, 480);
    ShowTabs.setVisible(false);
    cmdNav[nav::Help].setCaption("Help");
    cmdNav[nav::Help].move(1200, ButtonTop, ButtonWidth, ButtonHeight);
    cmdLockControls.setCaption("&Lock");
    cmdLockControls.move(2280, ButtonTop, ButtonWidth, ButtonHeight);
    cmdSaveSettings.setCaption("Export Settings");
    cmdSaveSettings.move(3360, ButtonTop, 1400, ButtonHeight);
    cmdSaveSettings.setVisible(false);
    cmdNav[nav::Cancel].setCaption("Cancel");
    cmdNav[nav::Cancel].setCancel(true);
    // Leaving a field for Cancel checks nothing: Cancel writes nothing anyway.
    cmdNav[nav::Cancel].setCausesValidation(false);
    cmdNav[nav::Cancel].move(4840, ButtonTop, ButtonWidth, ButtonHeight);
    cmdNav[nav::Back].setCaption("< Back");
    cmdNav[nav::Back].move(5880, ButtonTop, ButtonWidth, ButtonHeight);
    cmdNav[nav::Next].setCaption("Next >");
    cmdNav[nav::Next].move(6900, ButtonTop, ButtonWidth, ButtonHeight);
    cmdNav[nav::Finish].setCaption("Finish");
    cmdNav[nav::Finish].move(8220, ButtonTop, ButtonWidth, ButtonHeight);
}

void frmIntroWizard::ApplyFirstRunMode(const std::optional<resources::ResourceBitmap>& picture) {
    ShowTabs.setVisible(true);
    if (picture) ShowTabs.setPicture("resource " + std::to_string(picture->id));
}

void frmIntroWizard::ApplySettingsMode() {
    ui::CommandButton& finish = cmdNav[nav::Finish];
    ui::CommandButton& next = cmdNav[nav::Next];
    cmdNav[nav::Back].setVisible(false);
    next.setVisible(false);
    cmdNav[nav::Cancel].setLeft(finish.left());
    finish.setLeft(next.left() + 300);
    finish.setCaption("OK");
    ShowTabs.setVisible(false);
    cmdSaveSettings.setVisible(true);
}

}  // namespace corvane::wizard
