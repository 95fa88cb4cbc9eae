// The list dialog, the entry editor and the offer to add an address.
#include "corvane/accounts/list_dialogs.h"

#include "corvane/accounts/address_resolution.h"
#include "corvane/accounts/preferred_account.h"
#include "corvane/platform/conventions.h"
#include "corvane/resources/resource_defaults.h"
#include "corvane/text/text.h"
#include "dialog_support.h"

namespace corvane::accounts {
namespace {

constexpr std::int16_t AddFromList = 1;
constexpr std::int16_t EditFromList = 2;
constexpr std::int16_t AddAtSendTime = 3;
constexpr std::int16_t ReplaceGoneAccount = 4;
constexpr const char* AlreadyListed =
    "There is already an existing e-mail with this address. Please enter another email address";
constexpr const char* SelectFirst = "Please select an item from the list";

std::string Upper(const std::string& s) { return text::toUpper(s); }

}  // namespace

// ---- frmEmailAddressEdit ----

frmEmailAddressEdit::frmEmailAddressEdit(core::AddinProcess& process) : Form("frmEmailAddressEdit"), p_(process) {
    txtEmailAddress.onKeyPress = [this](int& key) {
        if (key == 13) cmdOK_Click();
    };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] {
        p_.gCancelSend = true;
        unload();
    };
    applyDesign();
}

void frmEmailAddressEdit::design() {
    move(0, 0, 5520, 2160);
    lblMsg.setVisible(false);
    lblMsg.move(120, 120, 5160, 2640);
    Label1.setCaption("Email Address :");
    Label1.move(120, 240, 1320, 240);
    txtEmailAddress.move(1500, 240, 3780, 300);
    Label2.setCaption("Account :");
    Label2.move(120, 720, 1320, 240);
    cmbAccounts.setStyle(ui::ComboStyle::DropDownList);
    cmbAccounts.move(1500, 720, 3780, 300);
    cmdOK.setCaption("&OK");
    cmdOK.move(2940, 1260, 1080, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(4200, 1260, 1080, 360);
}

void frmEmailAddressEdit::onLoad() {
    switch (p_.gPrefAcctMode) {
        case EditFromList: setCaption("Edit"); break;
        case ReplaceGoneAccount: {
            setCaption("Select Preferred Account");
            // The message goes above the fields.
            constexpr int room = 2760;
            move(0, 0, 5520, 2160 + room);
            lblMsg.setVisible(true);
            for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &txtEmailAddress, &Label2, &cmbAccounts,
                                                                      &cmdOK, &cmdCancel})
                c->setTop(c->top() + room);
            break;
        }
        default: setCaption("Add Preferred Account");
    }
    FillAccountList(p_, cmbAccounts);
    SelectExact(cmbAccounts, strSelectedAcct);
}

void frmEmailAddressEdit::onActivate() { SelectExact(cmbAccounts, strSelectedAcct); }

void frmEmailAddressEdit::warn(const std::string& text) {
    platform::ShowMessageBox(p_.host.ui, text, platform::mb::ExclamationOk, p_.appTitle);
}

bool frmEmailAddressEdit::refuseDuplicate(const std::string& address, int except) {
    if (!listDialog) return false;
    const std::string wanted = Upper(text::trim(address));
    auto& list = listDialog->lstEmailAddress;
    for (int i = 0; i < list.listCount(); ++i) {
        if (i == except) continue;
        std::string entry;
        platform::IgnoreErrors([&] { entry = Upper(EntryAddress(list.list(i))); });
        if (entry == wanted) {
            warn(AlreadyListed);
            txtEmailAddress.selectAll();
            platform::IgnoreErrors([&] { txtEmailAddress.setFocus(); });
            return true;
        }
    }
    return false;
}

bool frmEmailAddressEdit::refuseEmpty() {
    if (!text::trim(txtEmailAddress.text()).empty()) return false;
    platform::ShowMessageBox(p_.host.ui, "Please enter the e-mail address name first", platform::mb::InformationOk,
                             p_.appTitle);
    platform::IgnoreErrors([&] { txtEmailAddress.setFocus(); });
    return true;
}

bool frmEmailAddressEdit::store(bool add, const std::string& address) {
    auto& list = SendAcctOf(p_);
    if (add) {
        list.AddNew();
    } else if (!list.Edit()) {
        warn(list.ErrorReport());
        return false;
    }
    list.strEmailAddress(address);
    list.strAccount(cmbAccounts.text());
    if (list.Update()) return true;
    warn(list.ErrorReport());
    return false;
}

void frmEmailAddressEdit::cmdOK_Click() {
    const std::string address = txtEmailAddress.text();
    if (!IsValidEmailAddress(address)) {
        warn("Please enter a valid email address.");
        txtEmailAddress.selectAll();
        platform::IgnoreErrors([&] { txtEmailAddress.setFocus(); });
        return;
    }
    const std::int16_t mode = p_.gPrefAcctMode;
    bool close = false;
    switch (mode) {
        case AddFromList:
            if (refuseDuplicate(address, -1) || refuseEmpty()) return;
            if (store(true, address)) {
                if (listDialog) listDialog->EmailAddressListFill();
                close = true;
            }
            break;
        case AddAtSendTime:
            if (refuseEmpty()) return;
            close = store(true, address);
            break;
        case EditFromList: {
            if (refuseEmpty()) return;
            const int selected = listDialog ? listDialog->lstEmailAddress.listIndex() : -1;
            const std::string entry = selected >= 0 ? listDialog->lstEmailAddress.list(selected) : std::string();
            const bool accountChanged = Upper(EntryAccount(entry)) != Upper(text::trim(cmbAccounts.text()));
            const bool addressChanged = Upper(EntryAddress(entry)) != Upper(text::trim(address));
            if (addressChanged && refuseDuplicate(address, selected)) return;
            if (accountChanged || addressChanged) {
                SendAcctOf(p_).AbsolutePosition(std::to_string(selected + 1));
                if (store(false, address)) {
                    listDialog->EmailAddressListFill();
                    close = true;
                }
            } else {
                close = true;
            }
            break;
        }
        case ReplaceGoneAccount: {
            auto& list = SendAcctOf(p_);
            list.AbsolutePosition("1");
            if (list.Find(address)) store(false, address);
            close = true;
            break;
        }
        default: break;
    }
    if (mode == AddAtSendTime || mode == ReplaceGoneAccount) SendAcctOf(p_).strChangeAcct("CHANGE");
    p_.gPrefAcctMode = 0;
    if (close) unload();
}

void ShowEmailAddressEdit(core::AddinProcess& p, const std::string& account, const std::string& address,
                          const std::string& message, bool addressFixed) {
    frmEmailAddressEdit edit(p);
    edit.strSelectedAcct = account;
    edit.load();
    if (!message.empty()) edit.lblMsg.setCaption(message);
    edit.txtEmailAddress.setText(address);
    if (addressFixed) edit.txtEmailAddress.setEnabled(false);
    PlayPromptSound(p);
    edit.show(p.host.ui);
    edit.unload();
}

// ---- frmEmailAddress ----

frmEmailAddress::frmEmailAddress(core::AddinProcess& process) : Form("frmEmailAddress"), p_(process) {
    cmdAdd.onClick = [this] { cmdAdd_Click(); };
    cmdEdit.onClick = [this] { cmdEdit_Click(); };
    lstEmailAddress.onDblClick = [this] { cmdEdit_Click(); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
    cmdClose.onClick = [this] { unload(); };
    applyDesign();
}

void frmEmailAddress::design() {
    setCaption("Corvane Account List");
    move(0, 0, 7200, 4800);
    PicLogo.move(120, 120, 1200, 900);
    Label2.setCaption("Maintain Preferred Sending Account List");
    Label2.move(1440, 360, 5400, 240);
    lstEmailAddress.move(120, 1140, 5400, 3000);
    cmdAdd.setCaption("&Add");
    cmdAdd.move(5700, 1140, 1200, 360);
    cmdEdit.setCaption("&Edit");
    cmdEdit.setEnabled(false);
    cmdEdit.move(5700, 1620, 1200, 360);
    cmdDelete.setCaption("&Delete");
    cmdDelete.setEnabled(false);
    cmdDelete.move(5700, 2100, 1200, 360);
    cmdClose.setCaption("&Close");
    cmdClose.setCancel(true);
    cmdClose.move(5700, 3780, 1200, 360);
}

void frmEmailAddress::onLoad() {
    std::optional<resources::ResourceBitmap> logo;
    if (p_.gResource) logo = p_.gResource->DLL_LoadBitmap(resources::resource_id::AccountListLogo);
    PicLogo.setPicture(logo ? "bitmap " + std::to_string(logo->id) : "logo");
    EmailAddressListFill();
}

void frmEmailAddress::onActivate() {
    const bool any = lstEmailAddress.listCount() > 0;
    if (any) {
        cmdEdit.setEnabled(true);
        cmdDelete.setEnabled(true);
    }
}

bool frmEmailAddress::EmailAddressListFill() {
    lstEmailAddress.clear();
    auto& list = SendAcctOf(p_);
    if (!list.LoadList()) return false;
    const long n = list.count();
    for (long i = 1; i <= n; ++i) {
        list.AbsolutePosition(std::to_string(i));
        lstEmailAddress.addItem(list.strEmailAddress() + " (" + list.strAccount() + ")");
    }
    return true;
}

bool frmEmailAddress::selectionMissing() {
    if (lstEmailAddress.listIndex() >= 0) return false;
    platform::ShowMessageBox(p_.host.ui, SelectFirst, platform::mb::InformationOk, p_.appTitle);
    return true;
}

void frmEmailAddress::cmdAdd_Click() {
    p_.gPrefAcctMode = AddFromList;
    frmEmailAddressEdit edit(p_);
    edit.listDialog = this;
    edit.strSelectedAcct = std::string(NoAccountSelected);
    edit.show(p_.host.ui);
    edit.unload();
    EmailAddressListFill();
}

void frmEmailAddress::cmdEdit_Click() {
    if (selectionMissing()) return;
    p_.gPrefAcctMode = EditFromList;
    const std::string entry = lstEmailAddress.list(lstEmailAddress.listIndex());
    frmEmailAddressEdit edit(p_);
    edit.listDialog = this;
    edit.strSelectedAcct = text::trim(EntryAccount(entry));
    edit.load();
    edit.txtEmailAddress.setText(text::trim(EntryAddress(entry)));
    edit.show(p_.host.ui);
    edit.unload();
}

void frmEmailAddress::cmdDelete_Click() {
    if (selectionMissing()) return;
    if (platform::ShowMessageBox(p_.host.ui, "Do you wish to delete the chosen email address from the list?",
                                 platform::mb::QuestionYesNo, "Corvane") == platform::mb::IdYes) {
        auto& list = SendAcctOf(p_);
        list.strMailFolderPath(p_.DataFolderPath);
        list.LoadList();
        list.AbsolutePosition(std::to_string(lstEmailAddress.listIndex() + 1));
        if (list.Delete())
            EmailAddressListFill();
        else
            platform::ShowMessageBox(p_.host.ui, list.ErrorReport(), platform::mb::ExclamationOk, p_.appTitle);
    }
    if (lstEmailAddress.listCount() == 0) {
        cmdEdit.setEnabled(false);
        cmdDelete.setEnabled(false);
    }
}

// ---- frmAddEmailToList ----

frmAddEmailToList::frmAddEmailToList(core::AddinProcess& process) : Form("frmAddEmailToList"), p_(process) {
    chkDontShowMessAgain.onClick = [this] { chkDontShowMessAgain_Click(); };
    cmdYes.onClick = [this] { cmdYes_Click(); };
    cmdNo.onClick = [this] { cmdNo_Click(); };
    Command1.onClick = [this] {
        storeChoice();
        unload();
    };
    applyDesign();
}

void frmAddEmailToList::design() {
    setCaption("Add To List");
    move(0, 0, 6600, 4320);
    picQuestion.setPicture("question");
    picQuestion.move(120, 120, 600, 600);
    lblMessage.move(840, 120, 5520, 2760);
    chkDontShowMessAgain.setCaption("Do not show me this message for ANY e-mail address");
    chkDontShowMessAgain.move(840, 3000, 5520, 240);
    cmdYes.setCaption("Yes");
    cmdYes.setDefault(true);
    cmdYes.move(2400, 3480, 1200, 360);
    cmdNo.setCaption("Never");
    cmdNo.move(3720, 3480, 1200, 360);
    Command1.setCaption("Not Now");
    Command1.move(5040, 3480, 1200, 360);
}

void frmAddEmailToList::onLoad() {
    const std::string& a = strToAddress;
    lblMessage.setCaption(
        "Do you want to add " + a +
        " to Corvane list?\r\n\r\nIf you click Yes, the next screen will let you choose the "
        "e-mail\r\naccount that you use to send e-mails to " +
        a + ".\r\n\r\nThis will ensure that you always use the correct account to send\r\ne-mails to " + a +
        ".\r\n\r\nIf you click Never, then you will not get this reminder for \r\n" + a + " again.");
}

void frmAddEmailToList::chkDontShowMessAgain_Click() {
    if (!chkDontShowMessAgain.ticked()) return;
    const int answer = platform::ShowMessageBox(
        p_.host.ui,
        "If you tick this box, this message will not appear for any e-mail address.\r\n\r\nWe recommend that you "
        "leave this unticked as the message will only appear once for each e-mail address.\r\n\r\nThis is the "
        "easist way to add e-mail addresses to the Corvane List.\r\n\r\nDo you still wish to stop displaying this "
        "message?",
        platform::mb::QuestionYesNo, "Corvane");
    if (answer == platform::mb::IdNo) chkDontShowMessAgain.setValue(ui::CheckBox::Unchecked);
}

void frmAddEmailToList::storeChoice() { p_.regKeys().MsgAddAddress(chkDontShowMessAgain.ticked() ? 1 : 0); }

void frmAddEmailToList::cmdYes_Click() {
    storeChoice();
    hide();
    p_.gPrefAcctMode = AddAtSendTime;
    ShowEmailAddressEdit(p_, strSelectedAcct, strToAddress, "", true);
    unload();
}

void frmAddEmailToList::cmdNo_Click() {
    storeChoice();
    hide();
    auto& list = SendAcctOf(p_);
    list.AddNew();
    list.strEmailAddress(strToAddress);
    list.strAccount(std::string(NoAccountSelected));
    if (!list.Update())
        platform::ShowMessageBox(p_.host.ui, list.ErrorReport(), platform::mb::ExclamationOk, "Corvane");
    unload();
}

}  // namespace corvane::accounts
