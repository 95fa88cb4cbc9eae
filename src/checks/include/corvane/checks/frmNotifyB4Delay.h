#pragma once
// Asks before a message is held back by the delay. Yes delays, No sends at once; either,
// with "Do not show this message again" ticked, stops the question for the messages that
// follow (they are delayed without asking). Closing the window delays.
//
// The caller, for the process-wide delay decision:
//     decision = true;
//     frm.load(); frm.setDelayStatus(autoDelayAll, seconds, address); frm.show(ui);
//     decision = frm.delayDecision;
// The buttons unload the form themselves.
#include <string>
#include <string_view>

#include "corvane/platform/ui_services.h"
#include "corvane/settings/setting_store.h"
#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmNotifyB4Delay : public ui::Form {
public:
    ui::Label Label1{*this, "Label1"};
    ui::Label lblDelayStatus{*this, "lblDelayStatus"};
    ui::Label Label3{*this, "Label3"};
    ui::CheckBox chkNotifyB4Delaying{*this, "chkNotifyB4Delaying"};
    ui::CommandButton cmdYes{*this, "cmdYes"};
    ui::CommandButton cmdNo{*this, "cmdNo"};

    // True from the load on; Yes keeps it, No clears it. It outlives the unload.
    bool delayDecision = true;

    // ui: for the message when the choice cannot be stored; settings: where the tick box
    // stores NotifyBeforeDelaying; appTitle: the application title the caption ends with.
    frmNotifyB4Delay(platform::Ui& ui, settings::SettingStore settings, std::string appTitle);

    // What is delayed: every message (autoDelayAll 1) or those to `address`, by `seconds`.
    // Loads the form when needed.
    void setDelayStatus(int autoDelayAll, long long seconds, std::string_view address);

protected:
    void design() override;
    void onLoad() override { delayDecision = true; }

private:
    void cmdYes_Click() { decide(true, "cmdYes_Click"); }
    void cmdNo_Click() { decide(false, "cmdNo_Click"); }
    void decide(bool delay, std::string_view handler);

    platform::Ui& ui_;
    settings::SettingStore settings_;
    std::string appTitle_;
};

}  // namespace corvane::checks
