#include "corvane/settings/setting_store.h"

#include "corvane/platform/error.h"

namespace corvane::settings {

using platform::Hive;

std::string SettingStore::GetSetting(std::string_view key, std::string_view defaultValue) const {
    // A settings read must never stop a check: any failure reads as "not there".
    try {
        auto section = registry_->openKey(Hive::CurrentUser, UserSettingsPath);
        if (!section) return std::string(defaultValue);
        auto value = section->queryValue(key);
        if (!value || value->type != platform::regtype::String) return std::string(defaultValue);
        return value->text;
    } catch (const platform::PlatformError&) {
        return std::string(defaultValue);
    }
}

void SettingStore::SaveSetting(std::string_view key, std::string_view value) const {
    auto section = registry_->createKey(Hive::CurrentUser, UserSettingsPath);
    section->setValue(platform::RegValue::string(std::string(key), std::string(value)));
}

}  // namespace corvane::settings
