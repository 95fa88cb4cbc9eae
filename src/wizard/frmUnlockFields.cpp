#include "corvane/wizard/frmUnlockFields.h"

#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/wizard/frmIntroWizard.h"
#include "corvane/wizard/settings_lock.h"

namespace corvane::wizard {

frmUnlockFields::frmUnlockFields(frmIntroWizard& wizard, core::AddinProcess& process)
    : Form("frmUnlockFields"), wizard_(wizard), p_(process) {
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { unload(); };
    applyDesign();
}

void frmUnlockFields::design() {
    setCaption("Unlock Corvane Settings");
    move(0, 0, 6000, 3000);
    lblPassword.setCaption("Password:");
    lblPassword.move(120, 200, 1200, 240);
    txtPassword.setPasswordChar("*");
    txtPassword.move(1400, 160, 3000, 300);
    lblHowLong.setCaption("How long do you wish to unlock for?");
    lblHowLong.move(120, 720, 5600, 240);
    optTemporary.setCaption("Temporary (until I close the settings screen)");
    optTemporary.move(360, 1040, 5400, 240);
    optPermanant.setCaption("Permanently (I will lock again if I need to)");
    optPermanant.move(360, 1360, 5400, 240);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(3420, 2000, 1100, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(4640, 2000, 1100, 360);
}

void frmUnlockFields::cmdOK_Click() {
    const platform::Host& host = p_.host;
    if (txtPassword.text().empty()) {
        platform::ShowMessageBox(host.ui, "Password was not entered!\r\n\r\nPlease enter the password.",
                                 platform::mb::InformationOk,
                                 platform::MessageTitle("Password not provided", p_.appTitle));
        platform::IgnoreErrors([&] { txtPassword.setFocus(); });
        return;
    }
    bool matches = false;
    try {
        matches = LockPasswordMatches(txtPassword.text(), p_.store().GetSetting(settings::keys::Password));
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(host.ui, p_.appTitle, "frmUnlockFields", "cmdOK_Click", e);
        return;
    }
    if (!matches) {
        platform::ShowMessageBox(host.ui, "Settings cannot be unlocked as the password was not correct!",
                                 platform::mb::InformationOk, platform::MessageTitle("Invalid password", p_.appTitle));
        platform::IgnoreErrors([&] { txtPassword.setFocus(); });
        txtPassword.selectAll();
        return;
    }
    if (optTemporary.value()) {
        wizard_.LiftLocks();
    } else if (optPermanant.value()) {
        if (platform::ShowMessageBox(host.ui, "Do you wish to remove locks on all settings?",
                                     platform::mb::QuestionYesNo,
                                     "Remove Corvane settings lock") != platform::mb::IdYes)
            return;
        try {
            p_.store().SaveSetting(settings::keys::Password, "");
        } catch (const platform::PlatformError& e) {
            platform::ReportModuleError(host.ui, p_.appTitle, "frmUnlockFields", "cmdOK_Click", e);
            return;
        }
        wizard_.ApplyLockSettings(true);
    }
    unload();
}

}  // namespace corvane::wizard
