#pragma once
// Label: a caption the user reads; some labels act as links (Click, and a colour that
// follows the mouse).
#include <cstdint>

#include "corvane/ui/control.h"

namespace corvane::ui {

// An OLE colour value as the platform stores it: red in the low byte.
constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }
// The system's button-text colour, every label's colour until one is set.
inline constexpr std::uint32_t SystemButtonText = 0x80000012u;

class Label : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "label"; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }
    std::uint32_t foreColor() const { return state_.foreColor; }
    void setForeColor(std::uint32_t colour) { state_.foreColor = colour; }

    Handler onClick;
    void userClick() { raise(onClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string caption;
        std::uint32_t foreColor = SystemButtonText;
    };
    State state_;
};

}  // namespace corvane::ui
