#pragma once
// The one-time move of the settings mail folder from its old place
// ("Brackenfold Settings\Corvane") to its new one ("Kelderon Settings\Corvane"), both
// beside the Inbox.
#include <memory>

#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::accounts {

// Moves the old data folder under "Kelderon Settings" (created when missing). True when
// it moved, or when a "Corvane" folder already stands there (the old one then stays
// where it is); false when the move failed. Other failures reach the caller.
bool MoveCorvaneDataFolder(core::AddinProcess& process, const std::shared_ptr<outlook::Folder>& oldFolder);

}  // namespace corvane::accounts
