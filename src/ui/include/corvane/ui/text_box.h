#pragma once
// TextBox: single or multi-line text, optionally read-only or masked, with a selection
// counted in characters.
#include "corvane/ui/control.h"

namespace corvane::ui {

class TextBox : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "text"; }
    bool canTakeFocus() const override { return true; }

    const std::string& text() const { return state_.text; }
    // Raises Change when the text differs; the selection goes back to the start.
    void setText(std::string text);

    bool multiLine() const { return state_.multiLine; }
    void setMultiLine(bool v) { state_.multiLine = v; }
    // Read-only: the user cannot type into it.
    bool locked() const { return state_.locked; }
    void setLocked(bool v) { state_.locked = v; }
    // The character shown instead of each character typed (passwords); empty for none.
    const std::string& passwordChar() const { return state_.passwordChar; }
    void setPasswordChar(std::string c) { state_.passwordChar = std::move(c); }

    // Selection, in characters; SelStart is clamped to the text's length and SelLength
    // to what follows SelStart.
    int selStart() const { return state_.selStart; }
    int selLength() const { return state_.selLength; }
    void setSelStart(int start);
    void setSelLength(int length);
    void selectAll();
    std::string selText() const;
    int length() const;  // characters

    Handler onChange;

    // The user replaces the text (after the focus moved here): one Change.
    void userType(std::string text);

protected:
    void resetState() override { state_ = {}; }

private:
    struct State {
        std::string text;
        bool multiLine = false;
        bool locked = false;
        std::string passwordChar;
        int selStart = 0;
        int selLength = 0;
    };
    State state_;
};

}  // namespace corvane::ui
