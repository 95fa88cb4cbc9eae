#include "corvane/settings/basPreInitializeSetup.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/text/text.h"

namespace corvane::settings {

using platform::Hive;
using platform::RegValue;
namespace regtype = platform::regtype;

std::string PresetDwordText(std::uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X", static_cast<unsigned>(value));
    return buf;
}

namespace {

// The preset's identifier as the query reads it: a string as it stands, a DWORD as its
// number (which never equals the "&H" copy, so such a preset applies at every start).
std::optional<std::string> presetIdentifier(platform::Registry& registry) {
    auto key = registry.openKey(Hive::LocalMachine, PresetKeyPath);
    if (!key) return std::nullopt;
    auto v = key->queryValue(keys::PreSetupID);
    if (!v) return std::nullopt;
    if (v->type == regtype::String) return v->text;
    if (v->type == regtype::DWord) return std::to_string(static_cast<std::int32_t>(v->dword));
    return std::nullopt;
}

// The values of the machine key in enumeration order, up to the first one the registry
// does not hand out. Nothing when the key cannot be opened.
std::optional<std::vector<RegValue>> enumeratePreset(platform::Registry& registry, platform::Ui& ui,
                                                     std::string_view appTitle) {
    std::unique_ptr<platform::RegistryKey> key;
    try {
        key = registry.openKey(Hive::LocalMachine, PresetKeyPath);
    } catch (const platform::PlatformError&) {
        key.reset();
    }
    if (!key) {
        platform::ShowMessageBox(ui, "Error opening key.", platform::mb::OkOnly, appTitle);
        return std::nullopt;
    }
    std::vector<RegValue> values;
    for (std::uint32_t index = 0;; ++index) {
        std::optional<RegValue> v;
        try {
            v = key->enumValue(index, PresetValueRoom, PresetValueRoom);
        } catch (const platform::PlatformError&) {
            v.reset();
        }
        if (!v) break;
        values.push_back(std::move(*v));
    }
    try {
        key->close();
    } catch (const platform::PlatformError&) {
        platform::ShowMessageBox(ui, "Error closing key.", platform::mb::OkOnly, appTitle);
    }
    return values;
}

void copyPreset(const SettingStore& store, const std::vector<RegValue>& values) {
    for (const auto& v : values) {
        const std::string name = text::trim(v.name);
        if (name.empty()) continue;
        // Other value types have no text; a preset is expected to hold strings.
        if (v.type == regtype::String)
            store.SaveSetting(name, v.text);
        else if (v.type == regtype::DWord)
            store.SaveSetting(name, PresetDwordText(v.dword));
    }
}

}  // namespace

void InitializeSetup(platform::Registry& registry, platform::Ui& ui, std::string_view appTitle) {
    // Start-up must go on whatever happens here.
    try {
        const SettingStore store(registry);
        const auto preset = presetIdentifier(registry);
        if (!preset) return;
        if (text::trim(*preset) == text::trim(store.GetSetting(keys::PreSetupID))) return;
        const auto values = enumeratePreset(registry, ui, appTitle);
        if (!values) return;
        copyPreset(store, *values);
    } catch (const platform::PlatformError&) {
    }
}

}  // namespace corvane::settings
