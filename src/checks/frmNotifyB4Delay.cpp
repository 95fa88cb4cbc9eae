#include "corvane/checks/frmNotifyB4Delay.h"

#include "corvane/platform/conventions.h"
#include "corvane/settings/modRegKeys.h"

namespace corvane::checks {

frmNotifyB4Delay::frmNotifyB4Delay(platform::Ui& ui, settings::SettingStore settings, std::string appTitle)
    : Form("frmNotifyB4Delay"), ui_(ui), settings_(settings), appTitle_(std::move(appTitle)) {
    cmdYes.onClick = [this] { cmdYes_Click(); };
    cmdNo.onClick = [this] { cmdNo_Click(); };
    applyDesign();
}

void frmNotifyB4Delay::design() {
    setCaption(platform::MessageTitle("Delay emails", appTitle_));
    move(0, 0, 5160, 2500);
    Label1.setCaption("Your Corvane setting is set to automatically delay");
    Label1.move(120, 120, 4800, 240);
    lblDelayStatus.move(120, 420, 4800, 240);
    Label3.setCaption("Do you want to delay this e-mail?");
    Label3.move(120, 840, 4800, 240);
    chkNotifyB4Delaying.setCaption("Do not show this message again");
    chkNotifyB4Delaying.move(120, 1260, 4800, 240);
    cmdYes.setCaption("&Yes");
    cmdYes.setDefault(true);
    cmdYes.move(2400, 1680, 1200, 360);
    cmdNo.setCaption("&No");
    cmdNo.move(3720, 1680, 1200, 360);
}

void frmNotifyB4Delay::setDelayStatus(int autoDelayAll, long long seconds, std::string_view address) {
    load();
    const std::string by = " by " + std::to_string(seconds) + " seconds";
    if (autoDelayAll == 1)
        lblDelayStatus.setCaption("all e-mails" + by);
    else
        lblDelayStatus.setCaption("e-mails to " + std::string(address) + by);
}

void frmNotifyB4Delay::decide(bool delay, std::string_view handler) {
    delayDecision = delay;
    if (chkNotifyB4Delaying.ticked()) {
        // The answer for this message stands even when the preference cannot be stored.
        try {
            settings::modRegKeys(settings_).NotifyBeforeDelaying(ui::CheckBox::Unchecked);
        } catch (const platform::PlatformError& e) {
            platform::ReportModuleError(ui_, appTitle_, "frmNotifyB4Delay", handler, e);
        }
    }
    unload();
}

}  // namespace corvane::checks
