#include "corvane/wizard/frmLockFields.h"

#include <algorithm>

#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"
#include "corvane/text/utf8.h"
#include "corvane/wizard/frmIntroWizard.h"
#include "corvane/wizard/settings_lock.h"

namespace corvane::wizard {

bool IsAcceptedLockPassword(std::string_view password) {
    const auto in = [&](char low, char high) {
        return std::any_of(password.begin(), password.end(), [&](char c) { return c >= low && c <= high; });
    };
    return text::charCount(password) >= 6 && in('A', 'z') && in('0', '9');
}

frmLockFields::frmLockFields(frmIntroWizard& wizard, core::AddinProcess& process)
    : Form("frmLockFields"), wizard_(wizard), p_(process) {
    lstVSettings.onDblClick = [this] { lstVSettings_DblClick(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { unload(); };
    applyDesign();
}

void frmLockFields::design() {
    setCaption("Lock Corvane settings");
    move(0, 0, 7800, 6600);
    lblSettings.setCaption("Tick the settings that users may see but not change:");
    lblSettings.move(120, 120, 7400, 240);
    lstVSettings.setCheckboxes(true);
    lstVSettings.addColumn("Settings", 7100);
    lstVSettings.move(120, 420, 7400, 4200);
    lblPassword.setCaption("Password:");
    lblPassword.move(120, 4800, 1600, 240);
    txtPassword.setPasswordChar("*");
    txtPassword.move(1800, 4760, 3000, 300);
    lblVerifyPassword.setCaption("Verify Password:");
    lblVerifyPassword.move(120, 5240, 1600, 240);
    txtVerifyPassword.setPasswordChar("*");
    txtVerifyPassword.move(1800, 5200, 3000, 300);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(5200, 5760, 1100, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(6420, 5760, 1100, 360);
}

int frmLockFields::ShowMessage(std::string_view prompt, int buttons, std::string_view shortTitle) {
    return platform::ShowMessageBox(p_.host.ui, prompt, buttons, platform::MessageTitle(shortTitle, p_.appTitle));
}

void frmLockFields::AddRow(std::string_view identifier, bool ticked) {
    ui::ListItem& row = lstVSettings.addItem(std::string(Get_EnableField_Description(identifier)));
    row.setTag(std::string(identifier));
    row.setChecked(ticked);
}

void frmLockFields::LoadListView() {
    lstVSettings.clearItems();
    const std::string fields = text::trim(p_.store().GetSetting(settings::keys::LockFields));
    if (fields.empty()) return LoadAllFields();
    for (const std::string& item : text::split(fields)) {
        if (text::trim(item).empty()) continue;
        const LockItem lock = ParseLockItem(item);
        AddRow(lock.identifier, lock.locked);
    }
}

void frmLockFields::LoadAllFields() {
    for (const LockableField& field : LockableFields) AddRow(field.identifier, false);
}

void frmLockFields::lstVSettings_DblClick() {
    if (ui::ListItem* row = lstVSettings.selectedItem()) row->setChecked(!row->checked());
}

void frmLockFields::cmdOK_Click() {
    if (lstVSettings.checkedCount() == 0) {
        ShowMessage("You have not selected any settings to lock.\r\n\r\nPlease select atleast one settings to lock.",
                    platform::mb::InformationOk, "No settings selected");
        return;
    }
    if (txtPassword.text() != txtVerifyPassword.text()) {
        ShowMessage(
            "The passwords entered in the Password and the Verify Password fields do not match.\r\n\r\nPlease "
            "correct this and try again.",
            platform::mb::InformationOk, "Passwords do not match");
        platform::IgnoreErrors([&] { txtPassword.setFocus(); });
        txtPassword.selectAll();
        return;
    }
    if (!IsAcceptedLockPassword(txtPassword.text())) {
        ShowMessage(
            "The password must be at least 6 characters long and contain a combination of numbers and characters.",
            platform::mb::InformationOk, "Invalid Password");
        return;
    }
    if (platform::ShowMessageBox(p_.host.ui,
                                 "Do you want to stop users from changing settings that have been indicated?",
                                 platform::mb::QuestionYesNo, "Lock Corvane settings") != platform::mb::IdYes)
        return;
    try {
        SaveLockSettingsToRegistry();
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(p_.host.ui, p_.appTitle, "frmLockFields", "SaveLockSettingsToRegistry", e);
        return;
    }
    wizard_.ApplyLockSettings(false);
    unload();
}

void frmLockFields::SaveLockSettingsToRegistry() {
    std::string fields;
    for (int i = 1; i <= lstVSettings.itemCount(); ++i) {
        const ui::ListItem& row = lstVSettings.item(i);
        if (!fields.empty()) fields += ';';
        fields += row.tag() + (row.checked() ? "=Yes" : "=No");
    }
    // The password is encoded before anything is written, so a failure writes nothing.
    const std::string password = EncryptPswd(txtPassword.text());
    const settings::SettingStore store = p_.store();
    store.SaveSetting(settings::keys::LockFields, fields);
    store.SaveSetting(settings::keys::Password, password);
}

}  // namespace corvane::wizard
