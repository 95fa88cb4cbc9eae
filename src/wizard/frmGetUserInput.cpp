#include "corvane/wizard/frmGetUserInput.h"

#include <array>

#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

namespace {

// What an entry dialog says for one target list; no invalid texts means no address check.
struct EntryTexts {
    std::string_view list;
    std::string_view missing, missingTitle;
    std::string_view invalid, invalidTitle;
    std::string_view existing, existingTitle;
    int refusalButtons = platform::mb::InformationOk;  // the missing and invalid messages
};

constexpr std::array<EntryTexts, 5> Entries = {{
    {"lstKeywords", "Please enter the keyword", "Keyword missing", "", "",
     "There is already an existing keyword. \r\n\r\nPlease enter another keyword", "Existing keyword"},
    {"lstConfirmEmailAddresses", "Please enter the e-mail address", "Email Address missing",
     "Please enter a valid Email Address", "Invalid Email Address",
     "There is already an existing e-mail with this address. Please enter another email address",
     "Existing Email Address"},
    {"lstDelayToEAddr", "Please enter the e-mail address", "Email Address missing",
     "Please enter a valid Email Address", "Invalid Email Address",
     "There is already an existing e-mail with this address. Please enter another email address",
     "Existing Email Address"},
    {"lstEmailAccounts", "Please enter an email address.", "Email address missing",
     "Please enter a valid email address.", "Invalid email address",
     "There is already an existing email address.\r\n\r\nPlease enter another email address", "Existing email address",
     platform::mb::ExclamationOk},
    {"lstSpamWords", "Please enter the SPAM Mark phrase", "SPAM Mark phrase missing", "", "",
     "There is already an existing SPAM Mark phrase. \r\n\r\nPlease enter another SPAM Mark phrase",
     "Existing SPAM Mark phrase"},
}};

const EntryTexts& TextsFor(std::string_view list) {
    for (const EntryTexts& e : Entries)
        if (e.list == list) return e;
    return Entries.front();
}

}  // namespace

bool ItemExistsInList(const ui::ListBox& list, std::string_view text) {
    const std::string wanted = text::toUpper(text::trim(text));
    for (int i = 0; i < list.listCount(); ++i)
        if (text::toUpper(list.list(i)) == wanted) return true;
    return false;
}

frmGetUserInput::frmGetUserInput(frmIntroWizard& wizard) : Form("frmGetUserInput"), wizard_(wizard) {
    cmdOk.onClick = [this] { cmdOk_Click(); };
    Command1.onClick = [this] { unload(); };
    applyDesign();
}

void frmGetUserInput::design() {
    setCaption("Get User Input");
    move(0, 0, 6000, 2200);
    lblMessage.move(120, 120, 5700, 480);
    txtUserInput.move(120, 720, 5700, 300);
    cmdOk.setCaption("&OK");
    cmdOk.setDefault(true);
    cmdOk.move(3540, 1260, 1100, 360);
    Command1.setCaption("&Cancel");
    Command1.setCancel(true);
    Command1.setCausesValidation(false);
    Command1.move(4740, 1260, 1100, 360);
}

void frmGetUserInput::Refuse(std::string_view prompt, int buttons, std::string_view shortTitle, bool selectText) {
    const std::string title = platform::MessageTitle(shortTitle, wizard_.p_.appTitle);
    platform::Ui& ui = wizard_.p_.host.ui;
    if (buttons == platform::mb::InformationOk)
        platform::ShowMessageBox(ui, prompt, buttons, title);
    else
        ui.messageBox(prompt, buttons, title, {});
    platform::IgnoreErrors([&] { txtUserInput.setFocus(); });
    if (selectText) txtUserInput.selectAll();
}

void frmGetUserInput::cmdOk_Click() {
    auto* list = dynamic_cast<ui::ListBox*>(wizard_.findControl(TargetList));
    if (!list) return;
    const EntryTexts& texts = TextsFor(TargetList);
    const std::string entry = text::trim(txtUserInput.text());
    if (entry.empty()) return Refuse(texts.missing, texts.refusalButtons, texts.missingTitle, false);
    if (!texts.invalid.empty() && !accounts::IsValidEmailAddress(entry))
        return Refuse(texts.invalid, texts.refusalButtons, texts.invalidTitle, true);
    if (ItemExistsInList(*list, entry))
        return Refuse(texts.existing, platform::mb::InformationOk, texts.existingTitle, true);
    list->addItem(entry);
    const int added = list->newIndex();
    for (int i = 0; i < list->listCount(); ++i) list->setSelected(i, i == added);
    unload();
}

}  // namespace corvane::wizard
