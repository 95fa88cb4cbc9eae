#include "corvane/ui/check_box.h"

#include "corvane/platform/error.h"

namespace corvane::ui {

void CheckBox::setValue(int value) {
    if (value < Unchecked || value > Grayed) throw platform::PlatformError(platform::errors::InvalidPropertyValue);
    if (value == state_.value) return;
    state_.value = value;
    raise(onClick);
}

}  // namespace corvane::ui
