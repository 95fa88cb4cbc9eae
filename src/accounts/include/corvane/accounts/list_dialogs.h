#pragma once
// The dialogs that maintain the preference list: the list itself (frmEmailAddress), the
// editor of one entry (frmEmailAddressEdit) and the offer, at send time, to add an
// unlisted first recipient (frmAddEmailToList). All of them work on gSendAcct and show
// its ErrorReport when a change fails. The edit dialog's prompt mode is gPrefAcctMode:
// 1 add from the list, 2 edit from the list, 3 add at send time, 4 replace a preferred
// account that has gone.
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/ui/controls.h"

namespace corvane::accounts {

class frmEmailAddress;

// Hands back: gSendAcct.strChangeAcct "CHANGE" after an accepted OK in modes 3 and 4,
// gCancelSend after Cancel, gPrefAcctMode 0 after an address was stored. The caller sets
// strSelectedAcct (and, in mode 4, lblMsg and txtEmailAddress after loading).
class frmEmailAddressEdit : public ui::Form {
public:
    ui::Label lblMsg{*this, "lblMsg"};
    ui::Label Label1{*this, "Label1"};
    ui::TextBox txtEmailAddress{*this, "txtEmailAddress"};
    ui::Label Label2{*this, "Label2"};
    ui::ComboBox cmbAccounts{*this, "cmbAccounts"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    std::string strSelectedAcct;
    // The list dialog that opened this one (modes 1 and 2), refilled after a change.
    frmEmailAddress* listDialog = nullptr;

    explicit frmEmailAddressEdit(core::AddinProcess& process);

protected:
    void design() override;
    void onLoad() override;
    void onActivate() override;

private:
    void cmdOK_Click();
    // Shows the message about an address listed already; true when it is.
    bool refuseDuplicate(const std::string& address, int except);
    bool refuseEmpty();
    void warn(const std::string& text);
    // AddNew or Edit, both fields, Update; false (with ErrorReport shown) on failure.
    bool store(bool add, const std::string& address);

    core::AddinProcess& p_;
};

// The entry editor at send time: loaded with the account chosen, the address (fixed, for
// the offer) and, when there is one, the message above the fields; the prompt beep; shown
// modally and unloaded.
void ShowEmailAddressEdit(core::AddinProcess& p, const std::string& account, const std::string& address,
                          const std::string& message, bool addressFixed);

class frmEmailAddress : public ui::Form {
public:
    ui::PictureBox PicLogo{*this, "PicLogo"};
    ui::Label Label2{*this, "Label2"};
    ui::ListBox lstEmailAddress{*this, "lstEmailAddress"};
    ui::CommandButton cmdAdd{*this, "cmdAdd"};
    ui::CommandButton cmdEdit{*this, "cmdEdit"};
    ui::CommandButton cmdDelete{*this, "cmdDelete"};
    ui::CommandButton cmdClose{*this, "cmdClose"};

    explicit frmEmailAddress(core::AddinProcess& process);

    // Refills the list box from the stored list; false (with an empty list) when the
    // list cannot be loaded.
    bool EmailAddressListFill();

protected:
    void design() override;
    void onLoad() override;
    void onActivate() override;

private:
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    bool selectionMissing();

    core::AddinProcess& p_;
};

// The caller sets strToAddress and strSelectedAcct (the account the message uses), then
// loads and shows it; the buttons unload it.
class frmAddEmailToList : public ui::Form {
public:
    ui::PictureBox picQuestion{*this, "picQuestion"};
    ui::Label lblMessage{*this, "lblMessage"};
    ui::CheckBox chkDontShowMessAgain{*this, "chkDontShowMessAgain"};
    ui::CommandButton cmdYes{*this, "cmdYes"};
    ui::CommandButton cmdNo{*this, "cmdNo"};
    ui::CommandButton Command1{*this, "Command1"};

    std::string strToAddress;
    std::string strSelectedAcct;

    explicit frmAddEmailToList(core::AddinProcess& process);

protected:
    void design() override;
    void onLoad() override;

private:
    void chkDontShowMessAgain_Click();
    void storeChoice();
    void cmdYes_Click();
    void cmdNo_Click();

    core::AddinProcess& p_;
};

}  // namespace corvane::accounts
