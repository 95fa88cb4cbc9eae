#pragma once
// What the account dialogs share.
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/ui/controls.h"

namespace corvane::accounts {

// Chooses the item whose text equals `text` exactly, when there is one.
void SelectExact(ui::ComboBox& combo, const std::string& text);

// The account names for the address edit dialog (FillAccountList): every name of
// LoadAccounts but empty ones, without "No Account Selected" in prompt modes 3 and 4.
void FillAccountList(core::AddinProcess& p, ui::ComboBox& combo);

// The beep before a prompt, when the user asked for it.
void PlayPromptSound(core::AddinProcess& p);

}  // namespace corvane::accounts
