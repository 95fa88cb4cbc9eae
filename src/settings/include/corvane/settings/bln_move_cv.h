#pragma once
// Whether the settings mail folder has already been moved into place.
#include "corvane/settings/setting_store.h"

namespace corvane::settings {

// The stored text converted with classicBoolean; missing or empty reads as "0" (false).
// The flag is written as "1". A text that is neither a Boolean word nor a number throws
// PlatformError(platform::errors::TypeMismatch), as the platform's conversion does.
bool blnMoveCV(const SettingStore& store);

}  // namespace corvane::settings
