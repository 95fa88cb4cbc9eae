#include "corvane/settingsfile/settings_file.h"

#include "corvane/settingsfile/mod_load_settings.h"

namespace corvane::settingsfile {

void SettingsFile::LoadSettingsFile(core::AddinProcess& p) { modLoadSettings::ApplySettingsFile(p); }

}  // namespace corvane::settingsfile
