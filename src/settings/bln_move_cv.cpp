#include "corvane/settings/bln_move_cv.h"

#include "corvane/settings/classic_conversion.h"
#include "corvane/settings/setting_keys.h"

namespace corvane::settings {

bool blnMoveCV(const SettingStore& store) {
    const std::string v = store.GetSetting(keys::blnMoveCV);
    return classicBoolean(v.empty() ? std::string_view("0") : std::string_view(v));
}

}  // namespace corvane::settings
