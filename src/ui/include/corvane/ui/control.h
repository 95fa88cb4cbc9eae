#pragma once
// The base of every control on a form: its name (and index in a control array), the
// properties all controls share, its container, focus and the events every control has.
//
// Handlers are plain std::function members that the form class sets, for example
//     cmdOK.onClick = [this] { cmdOK_Click(); };
// Events are not raised while the form runs its design (see Form::design()).
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane::ui {

class Form;

using Handler = std::function<void()>;
using CancelHandler = std::function<void(bool& cancel)>;
using KeyHandler = std::function<void(int& keyAscii)>;

class Control {
public:
    // Registers the control with its form; `index` is its place in a control array, -1
    // when it is a single control.
    Control(Form& form, std::string name, int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // The name as scripts and transcripts write it: "cmdOK", or "cmdNav(4)" in an array.
    std::string displayName() const;
    Form& form() const { return *form_; }

    // What the control is, in one lower-case word ("label", "text", "check", ...).
    virtual std::string_view kind() const = 0;
    virtual bool canTakeFocus() const { return false; }
    virtual bool isContainer() const { return false; }

    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled) { common_.enabled = enabled; }
    bool visible() const { return common_.visible; }
    void setVisible(bool visible) { common_.visible = visible; }
    const std::string& tag() const { return common_.tag; }
    void setTag(std::string tag) { common_.tag = std::move(tag); }

    // Position and size in twips, relative to the container.
    int left() const { return common_.left; }
    int top() const { return common_.top; }
    int width() const { return common_.width; }
    int height() const { return common_.height; }
    void setLeft(int v) { common_.left = v; }
    void setTop(int v) { common_.top = v; }
    void setWidth(int v) { common_.width = v; }
    void setHeight(int v) { common_.height = v; }
    void move(int left, int top, int width, int height);

    // A Frame or a PictureBox; nullptr when the form itself holds the control.
    Control* container() const { return common_.container; }
    void setContainer(Control& container);
    void setContainerToForm() { common_.container = nullptr; }

    // Lies at least partly inside its container: a page moved to a large negative left
    // edge is out of sight although its Visible stays true.
    bool isOnScreen() const;
    // Visible and on screen, as are all its containers (the form's own visibility aside).
    bool isShown() const;
    // Shown and enabled, as are all its containers: the user can reach it.
    bool isReachable() const;

    // Whether moving the focus here validates the control that is losing it.
    bool causesValidation() const { return common_.causesValidation; }
    void setCausesValidation(bool v) { common_.causesValidation = v; }

    bool hasFocus() const;
    // Moves the focus here by code: LostFocus and GotFocus are raised, Validate is not.
    // Fails as the platform does (5, "Invalid procedure call or argument") when the
    // control cannot take the focus.
    void setFocus();

    Handler onGotFocus;
    Handler onLostFocus;
    CancelHandler onValidate;  // set cancel to keep the focus in this control
    KeyHandler onKeyPress;     // may change or clear (0) the key
    Handler onMouseMove;

    // The user moves the mouse over the control.
    void userMouseMove() { raise(onMouseMove); }

protected:
    // Raises an event unless the form is running its design. The handler is copied
    // first, so that it may replace itself.
    template <class Fn, class... Args>
    void raise(const Fn& handler, Args&&... args) const {
        if (!eventsOn()) return;
        Fn h = handler;
        if (h) h(std::forward<Args>(args)...);
    }
    bool eventsOn() const;

    // Puts the control's own properties back to their state before design; the form
    // calls it when it unloads. The shared properties are reset by the form.
    virtual void resetState() = 0;

private:
    friend class Form;

    struct Common {
        bool enabled = true;
        bool visible = true;
        std::string tag;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        Control* container = nullptr;
        bool causesValidation = true;
    };

    Form* form_;
    std::string name_;
    int index_;
    Common common_;
};

}  // namespace corvane::ui
