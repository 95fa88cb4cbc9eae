#pragma once
// ImageList: pictures that other controls show by number (a list view's header icons).
// It is a component of the form, never seen itself, so it starts hidden.
#include <string>
#include <vector>

#include "corvane/ui/control.h"

namespace corvane::checks {

class ImageList : public ui::Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "imagelist"; }

    // Adds a picture reference; returns its number, counted from 1.
    int add(std::string picture);
    int count() const { return static_cast<int>(state_.pictures.size()); }
    // Fails as the platform does (35600, "Index out of bounds") outside 1..count.
    const std::string& picture(int number) const;

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::vector<std::string> pictures;
    };
    State state_;
};

}  // namespace corvane::checks
