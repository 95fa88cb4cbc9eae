#pragma once
// The machine-wide preset: an administrator places values named like the user's settings
// under HKEY_LOCAL_MACHINE\SOFTWARE\Kelderon\Corvane, with a "PreSetupID" that identifies
// the preset. At start-up a preset whose identifier differs from the user's copy is copied
// into the user's settings, once per identifier.
#include <cstdint>
#include <string>
#include <string_view>

#include "corvane/platform/registry.h"
#include "corvane/platform/ui_services.h"

namespace corvane::settings {

inline constexpr std::string_view PresetKeyPath = "SOFTWARE\\Kelderon\\Corvane";

// Room per enumerated value, in bytes, for its name and for its data.
inline constexpr std::size_t PresetValueRoom = 1024;

// The text a DWORD preset value is copied as: "&H" and eight upper-case hex digits.
std::string PresetDwordText(std::uint32_t value);

// Copies a new preset into the user's settings. Shows "Error opening key." or "Error
// closing key." (OK button, titled `appTitle`) when the machine key fails that way; any
// other failure ends silently. Never throws.
void InitializeSetup(platform::Registry& registry, platform::Ui& ui, std::string_view appTitle);

}  // namespace corvane::settings
