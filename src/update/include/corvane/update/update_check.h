#pragma once
// The update check as the add-in proper calls it: the question at start-up when the
// reminder date has passed, and the update command of the ribbon and the menus.
#include "corvane/core/addin_process.h"

namespace corvane::update {

class UpdateCheck {
public:
    virtual ~UpdateCheck() = default;
    // Loads frmConfirmCheckUpdate and shows it modally.
    virtual void ShowConfirmCheckUpdate(core::AddinProcess& process);
    // The update command of the ribbon and the menus (CheckForUpdatesCommand).
    virtual void CommandCheckForUpdates(core::AddinProcess& process);
};

// The "Check for Updates" command: lets pending window messages run, loads the question
// dialog (with "No" chosen when the reminder is off) and shows it modally.
void CheckForUpdatesCommand(core::AddinProcess& process);

}  // namespace corvane::update
