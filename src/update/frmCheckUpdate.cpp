#include "corvane/update/frmCheckUpdate.h"

namespace corvane::update {

inline constexpr int CheckTimerMilliseconds = 60'000;

frmCheckingUpdatesTimer::frmCheckingUpdatesTimer() : Form("frmCheckingUpdatesTimer") {
    cmdCancelCheckUpdate.onClick = [this] { unload(); };
    applyDesign();
}

void frmCheckingUpdatesTimer::design() {
    setCaption("Connecting");
    move(0, 0, 4200, 1500);
    lblChecking.setCaption("Checking for updates...");
    lblChecking.move(120, 120, 3840, 240);
    cmdCancelCheckUpdate.setCaption("&Cancel");
    cmdCancelCheckUpdate.setCancel(true);
    cmdCancelCheckUpdate.move(2760, 600, 1200, 360);
}

std::string CurrentVersionText(core::AddinProcess& p) {
    const auto v = p.host.system.addinVersion();
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

std::shared_ptr<clsAutoUpdate> gAutoUpdate(core::AddinProcess& p) {
    return std::static_pointer_cast<clsAutoUpdate>(p.gAutoUpdate);
}

frmCheckUpdate::frmCheckUpdate(core::AddinProcess& process) : Form("frmCheckUpdate"), process_(process) {
    tmrCheckUpdate.onTimer = [this] { tmrCheckUpdate_Timer(); };
    applyDesign();
}

void frmCheckUpdate::design() {
    setCaption("Check for Updates");
    move(0, 0, 3000, 1000);
    tmrCheckUpdate.setEnabled(false);
}

void frmCheckUpdate::onLoad() {
    auto& p = process_;
    auto autoUpdate = std::make_shared<clsAutoUpdate>(p.host.http, p.appTitle, CurrentVersionText(p));
    p.gAutoUpdate = autoUpdate;
    progress_.showModeless(p.host.ui);
    tmrCheckUpdate.setInterval(CheckTimerMilliseconds);
    tmrCheckUpdate.setEnabled(true);
    timerStarted_ = p.host.clock.now();

    autoUpdate->pendingMessages = [this] { pendingMessages(); };
    const std::string result = autoUpdate->UpdateAvailable();
    autoUpdate->pendingMessages = nullptr;

    progress_.unload();
    tmrCheckUpdate.setEnabled(false);
    newVersion.clear();
    if (result == NoNetConnection) {
        status = status::NoConnection;
    } else if (result.empty()) {
        status = status::UpToDate;
    } else {
        status = status::NewVersion;
        newVersion = result;
    }
}

void frmCheckUpdate::pendingMessages() {
    process_.host.ui.doEvents();
    const auto elapsed = process_.host.clock.now().secondsSinceEpoch() - timerStarted_.secondsSinceEpoch();
    if (tmrCheckUpdate.running() && elapsed * 1000 >= tmrCheckUpdate.interval()) tmrCheckUpdate.fire();
}

void frmCheckUpdate::tmrCheckUpdate_Timer() {
    progress_.unload();
    tmrCheckUpdate.setEnabled(false);
}

}  // namespace corvane::update
