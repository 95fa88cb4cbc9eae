#pragma once
// CommandButton: Click; Enter presses the form's Default button and Escape its Cancel
// button. At most one button of a form is the Default (and one the Cancel) button.
#include "corvane/ui/control.h"

namespace corvane::ui {

class CommandButton : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "button"; }
    bool canTakeFocus() const override { return true; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }

    bool isDefault() const { return state_.isDefault; }
    void setDefault(bool v);
    bool isCancel() const { return state_.isCancel; }
    void setCancel(bool v);

    Handler onClick;

    // Clicks the button from code (its Value set to True).
    void click() { raise(onClick); }
    // The user clicks it (after the focus moved here).
    void userClick() { raise(onClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string caption;
        bool isDefault = false;
        bool isCancel = false;
    };
    State state_;
};

}  // namespace corvane::ui
