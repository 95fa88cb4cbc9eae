#include "corvane/ui/option_button.h"

#include "corvane/ui/form.h"

namespace corvane::ui {

void OptionButton::setValue(bool value) {
    if (value == state_.value) return;
    state_.value = value;
    if (!value) return;
    for (Control* c : form().controls()) {
        auto* other = dynamic_cast<OptionButton*>(c);
        if (other && other != this && other->container() == container()) other->state_.value = false;
    }
    raise(onClick);
}

}  // namespace corvane::ui
