#pragma once
// Frame: a captioned container; option buttons inside it form their own group.
#include "corvane/ui/control.h"

namespace corvane::ui {

class Frame : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "frame"; }
    bool isContainer() const override { return true; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }

    Handler onClick;
    void userClick() { raise(onClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string caption;
    };
    State state_;
};

}  // namespace corvane::ui
