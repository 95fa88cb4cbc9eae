#pragma once
// The per-user settings: one REG_SZ value per setting under the application name
// "larchmoor" and section "0x155473194" of the current user's program-settings key.
// Every read goes to the registry, so a change made anywhere takes effect at the next read.
#include <string>
#include <string_view>

#include "corvane/platform/registry.h"

namespace corvane::settings {

// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\larchmoor\0x155473194
inline constexpr std::string_view SettingsAppName = "larchmoor";
inline constexpr std::string_view SettingsSection = "0x155473194";
inline constexpr std::string_view UserSettingsPath = "Software\\VB and VBA Program Settings\\larchmoor\\0x155473194";

class SettingStore {
public:
    explicit SettingStore(platform::Registry& registry) : registry_(&registry) {}

    // The stored text of `key`, or `defaultValue` when the value is missing, is not a
    // string, or the key cannot be read. Never creates a key and never throws.
    std::string GetSetting(std::string_view key, std::string_view defaultValue = "") const;

    // Stores `value` as a REG_SZ, creating the section key when needed. Throws
    // PlatformError when the registry refuses.
    void SaveSetting(std::string_view key, std::string_view value) const;

    platform::Registry& registry() const { return *registry_; }

private:
    platform::Registry* registry_;
};

}  // namespace corvane::settings
