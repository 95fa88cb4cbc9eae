#include "dialog_support.h"

#include "corvane/accounts/preferred_account.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"

namespace corvane::accounts {

void SelectExact(ui::ComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.list(i) == text) {
            combo.setListIndex(i);
            return;
        }
    }
}

void FillAccountList(core::AddinProcess& p, ui::ComboBox& combo) {
    combo.clear();
    auto pieces = text::split(SendAcctOf(p).LoadAccounts(), ";");
    if (!pieces.empty()) pieces.pop_back();
    const bool atSendTime = p.gPrefAcctMode == 3 || p.gPrefAcctMode == 4;
    for (const auto& name : pieces) {
        if (name.empty() || (atSendTime && name == NoAccountSelected)) continue;
        combo.addItem(name);
    }
}

void PlayPromptSound(core::AddinProcess& p) { settings::PlayPromptSound(p.store(), p.host.ui); }

}  // namespace corvane::accounts
