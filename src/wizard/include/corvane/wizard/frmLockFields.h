#pragma once
// The lock editor: the administrator ticks the wizard's options to lock and sets the lock
// password. OK checks the entries, asks once more, then stores LockFields and the encoded
// Password and locks the wizard's controls at once. Cancel writes nothing.
#include <string_view>

#include "corvane/ui/controls.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::wizard {

class frmIntroWizard;

class frmLockFields : public ui::Form {
public:
    ui::Label lblSettings{*this, "lblSettings"};
    ui::ListView lstVSettings{*this, "lstVSettings"};
    ui::Label lblPassword{*this, "lblPassword"};
    ui::TextBox txtPassword{*this, "txtPassword"};
    ui::Label lblVerifyPassword{*this, "lblVerifyPassword"};
    ui::TextBox txtVerifyPassword{*this, "txtVerifyPassword"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    frmLockFields(frmIntroWizard& wizard, core::AddinProcess& process);

protected:
    void design() override;
    void onLoad() override { LoadListView(); }

private:
    // The rows: one per item of LockFields in stored order, or every lockable field
    // unticked when LockFields is empty.
    void LoadListView();
    void LoadAllFields();
    void AddRow(std::string_view identifier, bool ticked);
    // A double-click on a row turns its tick over.
    void lstVSettings_DblClick();
    void cmdOK_Click();
    void SaveLockSettingsToRegistry();
    int ShowMessage(std::string_view prompt, int buttons, std::string_view shortTitle);

    frmIntroWizard& wizard_;
    core::AddinProcess& p_;
};

// At least 6 characters, with a character whose code lies from 65 to 122 (the letters,
// and "[", "\", "]", "^", "_", "`" between them) and a digit.
bool IsAcceptedLockPassword(std::string_view password);

}  // namespace corvane::wizard
