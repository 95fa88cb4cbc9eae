#pragma once
// Timer: raises Timer every Interval milliseconds while enabled. Nothing ticks by itself:
// the host fires it (a scenario step, or the simulated message pump).
#include "corvane/ui/control.h"

namespace corvane::ui {

class Timer : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "timer"; }

    // Milliseconds; 0 leaves the timer stopped.
    int interval() const { return state_.interval; }
    void setInterval(int ms) { state_.interval = ms; }
    bool running() const { return enabled() && state_.interval > 0; }

    Handler onTimer;

    // Raises Timer when the timer runs; returns whether it did.
    bool fire();

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        int interval = 0;
    };
    State state_;
};

}  // namespace corvane::ui
