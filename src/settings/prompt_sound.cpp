#include "corvane/settings/prompt_sound.h"

#include "corvane/platform/conventions.h"
#include "corvane/settings/modRegKeys.h"

namespace corvane::settings {

void PlayPromptSound(const SettingStore& store, platform::Ui& ui) {
    if (modRegKeys(store).PlaySound()) platform::IgnoreErrors([&] { ui.beep(); });
}

}  // namespace corvane::settings
