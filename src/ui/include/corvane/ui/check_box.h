#pragma once
// CheckBox: Value 0 (clear), 1 (ticked) or 2 (greyed). Setting a different value raises
// Click, also from code; the same value raises nothing.
#include "corvane/ui/control.h"

namespace corvane::ui {

class CheckBox : public Control {
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;
    static constexpr int Grayed = 2;

    using Control::Control;
    std::string_view kind() const override { return "check"; }
    bool canTakeFocus() const override { return true; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }

    int value() const { return state_.value; }
    // Fails as the platform does (380, "Invalid property value") outside 0..2.
    void setValue(int value);
    bool ticked() const { return state_.value == Checked; }

    Handler onClick;

    // The user clicks the box so that it ends ticked (or clear).
    void userSetTicked(bool ticked) { setValue(ticked ? Checked : Unchecked); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string caption;
        int value = Unchecked;
    };
    State state_;
};

}  // namespace corvane::ui
