#pragma once
// OptionButton: one choice of a group. The group is the option buttons of the same
// container (a frame, a picture box or the form): choosing one clears the others.
// Becoming chosen raises Click, also from code; nothing is raised when the value does not
// change or when a button is cleared.
#include "corvane/ui/control.h"

namespace corvane::ui {

class OptionButton : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "option"; }
    bool canTakeFocus() const override { return true; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }

    bool value() const { return state_.value; }
    void setValue(bool value);

    Handler onClick;

    void userChoose() { setValue(true); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string caption;
        bool value = false;
    };
    State state_;
};

}  // namespace corvane::ui
