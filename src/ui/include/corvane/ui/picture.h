#pragma once
// PictureBox (a container that can take the focus) and Image, each showing a picture.
// A picture is a reference the presenter resolves (a resource number, a file or a
// built-in name); empty for none.
#include "corvane/ui/control.h"

namespace corvane::ui {

class PictureBox : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "picture"; }
    bool isContainer() const override { return true; }
    bool canTakeFocus() const override { return true; }

    const std::string& picture() const { return state_.picture; }
    void setPicture(std::string picture) { state_.picture = std::move(picture); }

    Handler onClick;
    void userClick() { raise(onClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string picture;
    };
    State state_;
};

class Image : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "image"; }

    const std::string& picture() const { return state_.picture; }
    void setPicture(std::string picture) { state_.picture = std::move(picture); }

    Handler onClick;
    void userClick() { raise(onClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string picture;
    };
    State state_;
};

}  // namespace corvane::ui
