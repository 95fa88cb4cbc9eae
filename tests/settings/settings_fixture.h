#pragma once
// A fresh user in the world's registry, with the store and the accessors over it.
#include <optional>
#include <string>
#include <string_view>

#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/setting_store.h"
#include "support/world.h"

namespace corvane::testing {

class SettingsTest : public WorldTest {
protected:
    SettingsTest() : WorldTest("{}") {}

    // Stores the value as the wizard or a hand edit would, or removes it.
    void put(std::string_view key, const std::optional<std::string>& text) {
        if (text) {
            reg.setString(platform::Hive::CurrentUser, settings::UserSettingsPath, key, *text);
        } else if (auto k = reg.openKey(platform::Hive::CurrentUser, settings::UserSettingsPath)) {
            k->deleteValue(key);
        }
    }
    // The raw stored value, or nothing when it is missing.
    std::optional<platform::RegValue> raw(std::string_view key) {
        return reg.getValue(platform::Hive::CurrentUser, settings::UserSettingsPath, key);
    }

    simhost::SimRegistry& reg = host().registry();
    settings::SettingStore store{reg};
    settings::modRegKeys accessors{store};
};

}  // namespace corvane::testing
