#pragma once
// The settings file "Corvane_Settings.ini" as the add-in proper meets it: read once at
// start-up, right after the machine-wide preset is applied and before the first-run
// wizard. Its procedures are in mod_load_settings.h.
namespace corvane::core {
struct AddinProcess;
}

namespace corvane::settingsfile {

class SettingsFile {
public:
    virtual ~SettingsFile() = default;
    // Applies the settings file when its identifier differs from the one applied last
    // (modLoadSettings::ApplySettingsFile); a missing or unreadable file changes nothing.
    virtual void LoadSettingsFile(core::AddinProcess& p);
};

}  // namespace corvane::settingsfile
