#pragma once
// A fresh user on the in-memory registry, with the store and the accessors over it.
#include <optional>
#include <string>
#include <string_view>

#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/simhost/registry.h"

namespace corvane::testing {

class SettingsFixture {
public:
    // Stores a value as the wizard or a hand edit would.
    void put(std::string_view key, std::string_view text) {
        reg.setString(platform::Hive::CurrentUser, settings::UserSettingsPath, key, text);
    }
    // Stores the value when given, leaves it missing otherwise.
    void putIf(std::string_view key, const std::optional<std::string>& text) {
        if (text) put(key, *text);
    }
    // The raw stored value, or nothing when it is missing.
    std::optional<platform::RegValue> raw(std::string_view key) {
        return reg.getValue(platform::Hive::CurrentUser, settings::UserSettingsPath, key);
    }

    simhost::SimRegistry reg;
    settings::SettingStore store{reg};
    settings::modRegKeys accessors{store};
};

}  // namespace corvane::testing
