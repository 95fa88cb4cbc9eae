#include "corvane/ui/command_button.h"

#include "corvane/ui/form.h"

namespace corvane::ui {

void CommandButton::setDefault(bool v) {
    if (v)
        for (Control* c : form().controls())
            if (auto* b = dynamic_cast<CommandButton*>(c); b && b != this) b->state_.isDefault = false;
    state_.isDefault = v;
}

void CommandButton::setCancel(bool v) {
    if (v)
        for (Control* c : form().controls())
            if (auto* b = dynamic_cast<CommandButton*>(c); b && b != this) b->state_.isCancel = false;
    state_.isCancel = v;
}

}  // namespace corvane::ui
