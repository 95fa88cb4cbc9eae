#pragma once
// The beep that every prompt sounds when the user asked for it.
#include "corvane/platform/ui_services.h"
#include "corvane/settings/setting_store.h"

namespace corvane::settings {

// One system beep when PlaySound reads true; nothing otherwise. Never throws.
void PlayPromptSound(const SettingStore& store, platform::Ui& ui);

}  // namespace corvane::settings
