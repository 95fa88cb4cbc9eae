#include "corvane/checks/frmSigDisclaimer.h"

#include "corvane/platform/conventions.h"
#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"

namespace corvane::checks {

namespace {
constexpr int Ticked = ui::CheckBox::Checked;
constexpr int Clear = ui::CheckBox::Unchecked;
}  // namespace

frmSigDisclaimer::frmSigDisclaimer(platform::Ui& ui, settings::SettingStore settings, std::string appTitle)
    : Form("frmSigDisclaimer"), ui_(ui), settings_(settings), appTitle_(std::move(appTitle)) {
    chkIgnoreText.onClick = [this] { chkIgnoreText_Click(); };
    chkIgnoreAttach.onClick = [this] { chkIgnoreAttach_Click(); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    cmdCancel.onClick = [this] { unload(); };
    applyDesign();
}

void frmSigDisclaimer::design() {
    setCaption("Attachment Vane Advance settings");
    move(0, 0, 7440, 6100);
    lblIgnoreText.setCaption("Ignore text");
    lblIgnoreText.move(120, 120, 3000, 240);
    Label1.setCaption(
        "Do you have a signature, disclaimer etc in your emails that has words in it that trigger "
        "attachment vane?");
    Label1.move(120, 420, 7080, 480);
    chkIgnoreText.setCaption("Ignore words if within special text block (Signatures, Disclaimers etc)");
    chkIgnoreText.move(120, 960, 7080, 240);
    lblTextContent.setCaption(
        "Enter the full text of the signature, disclaimer etc here. Corvane will not look for keywords "
        "within that block of text in your emails.");
    lblTextContent.move(360, 1260, 6840, 480);
    txtSigDisclaimer.setMultiLine(true);
    txtSigDisclaimer.move(360, 1800, 6840, 1200);
    lblIgnoreAttach.setCaption("Ignore attachment");
    lblIgnoreAttach.move(120, 3120, 3000, 240);
    Label5.setCaption(
        "Do you have a Business Card (vCard) etc in your emails that stops Attachment Vane from working "
        "i.e. Attachment vane thinks your vCard is your attachment?");
    Label5.move(120, 3420, 7080, 480);
    chkIgnoreAttach.setCaption("Ignore attachments with specific names");
    chkIgnoreAttach.move(120, 3960, 7080, 240);
    lblAttachContent.setCaption(
        "Enter the full name of the vCard, etc that you want attachment vane to ignore when scanning for "
        "the attachments: ");
    lblAttachContent.move(360, 4260, 6840, 480);
    txtIgnoreAttach.move(360, 4800, 6840, 300);
    cmdSave.setCaption("Save");
    cmdSave.setDefault(true);
    cmdSave.move(4720, 5280, 1200, 360);
    cmdCancel.setCaption("Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(6000, 5280, 1200, 360);
    // The boxes start clear, so what they govern starts disabled.
    lblTextContent.setEnabled(false);
    txtSigDisclaimer.setEnabled(false);
    lblAttachContent.setEnabled(false);
    txtIgnoreAttach.setEnabled(false);
}

void frmSigDisclaimer::onLoad() {
    const settings::modRegKeys keys(settings_);
    chkIgnoreText.setValue(keys.IgnoreText() ? Ticked : Clear);
    txtSigDisclaimer.setText(settings_.GetSetting(settings::keys::IgnoreTextValue));
    chkIgnoreAttach.setValue(keys.IgnoreAttach() ? Ticked : Clear);
    txtIgnoreAttach.setText(settings_.GetSetting(settings::keys::IgnoreAttachValue));
    // A box that stays clear raises no Click; follow both explicitly.
    chkIgnoreText_Click();
    chkIgnoreAttach_Click();
}

void frmSigDisclaimer::chkIgnoreText_Click() {
    const bool on = chkIgnoreText.ticked();
    lblTextContent.setEnabled(on);
    txtSigDisclaimer.setEnabled(on);
}

void frmSigDisclaimer::chkIgnoreAttach_Click() {
    const bool on = chkIgnoreAttach.ticked();
    lblAttachContent.setEnabled(on);
    txtIgnoreAttach.setEnabled(on);
}

void frmSigDisclaimer::cmdSave_Click() {
    if (chkIgnoreText.ticked() && text::trim(txtSigDisclaimer.text()).empty()) {
        platform::ShowMessageBox(ui_,
                                 "No text entered.\r\n\r\nPlease enter the text you want attachment vane to ignore.",
                                 platform::mb::InformationOk,
                                 platform::MessageTitle("Ignore text missing", appTitle_));
        return;
    }
    if (chkIgnoreAttach.ticked() && text::trim(txtIgnoreAttach.text()).empty()) {
        platform::ShowMessageBox(
            ui_,
            "Attachment name is missing.\r\n\r\nPlease enter the name of the attachment you want attachment vane to ignore.",
            platform::mb::InformationOk, platform::MessageTitle("Attachment name missing", appTitle_));
        return;
    }
    if (store()) unload();
}

bool frmSigDisclaimer::store() {
    try {
        settings::modRegKeys keys(settings_);
        keys.IgnoreText(chkIgnoreText.value());
        settings_.SaveSetting(settings::keys::IgnoreTextValue, text::trim(txtSigDisclaimer.text()));
        keys.IgnoreAttach(chkIgnoreAttach.value());
        settings_.SaveSetting(settings::keys::IgnoreAttachValue, text::trim(txtIgnoreAttach.text()));
        return true;
    } catch (const platform::PlatformError& e) {
        // The form stays open with what the user entered, to save again or cancel.
        platform::ReportModuleError(ui_, appTitle_, "frmSigDisclaimer", "cmdSave_Click", e);
        return false;
    }
}

}  // namespace corvane::checks
