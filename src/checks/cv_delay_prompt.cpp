// The question before a message is delayed, and the process-wide decision it leaves.
#include "corvane/checks/basCorvane_send.h"
#include "corvane/checks/frmNotifyB4Delay.h"
#include "corvane/settings/prompt_sound.h"

namespace corvane::checks::basCorvane {

bool DelayPrompt(core::AddinProcess& p, std::int64_t seconds, std::string_view address) {
    // Without the question, and when the window is closed, the message is delayed.
    p.delayDecision = true;
    auto keys = p.regKeys();
    if (!keys.NotifyBeforeDelaying()) return p.delayDecision;

    frmNotifyB4Delay frm(p.host.ui, p.store(), p.appTitle);
    frm.setDelayStatus(keys.AutoDelayAll(), seconds, address);
    settings::PlayPromptSound(p.store(), p.host.ui);
    frm.show(p.host.ui);
    p.delayDecision = frm.delayDecision;
    return p.delayDecision;
}

}  // namespace corvane::checks::basCorvane
