#pragma once
// frmCheckUpdate runs the check when it loads: it creates the process's update object,
// shows the progress window without waiting, starts its 60-second timer, asks the version
// service and leaves the outcome in `status` (1 newer version, 2 up to date, 3 the service
// cannot be reached). When the timer fires first it only closes the progress window.
//
//     frmCheckUpdate check(process);
//     check.load();                 // runs the check
//     ... check.status, check.newVersion ...
//     check.unload();
#include <memory>
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/platform/datetime.h"
#include "corvane/ui/controls.h"
#include "corvane/update/cls_auto_update.h"

namespace corvane::update {

// The progress window shown while the service is asked.
class frmCheckingUpdatesTimer : public ui::Form {
public:
    ui::Label lblChecking{*this, "lblChecking"};
    ui::CommandButton cmdCancelCheckUpdate{*this, "cmdCancelCheckUpdate"};

    frmCheckingUpdatesTimer();

protected:
    void design() override;
};

// The check's outcome.
namespace status {
inline constexpr int NewVersion = 1;
inline constexpr int UpToDate = 2;
inline constexpr int NoConnection = 3;
}  // namespace status

class frmCheckUpdate : public ui::Form {
public:
    ui::Timer tmrCheckUpdate{*this, "tmrCheckUpdate"};

    // The outcome of the last check and the newer version it found ("" for none).
    int status = 0;
    std::string newVersion;

    explicit frmCheckUpdate(core::AddinProcess& process);

    // The progress window (the scripted Ui and a Win32 presenter show it).
    frmCheckingUpdatesTimer& progress() { return progress_; }

protected:
    void design() override;
    void onLoad() override;

private:
    void tmrCheckUpdate_Timer();
    // Pending window messages, and the timer when its interval has passed on the
    // process's clock.
    void pendingMessages();

    core::AddinProcess& process_;
    frmCheckingUpdatesTimer progress_;
    platform::DateTime timerStarted_;
};

// The add-in's version as the service is told it: "major.minor.revision".
std::string CurrentVersionText(core::AddinProcess& process);

// The process's update object, created by the checking dialog; nullptr while there is none.
std::shared_ptr<clsAutoUpdate> gAutoUpdate(core::AddinProcess& process);

}  // namespace corvane::update
