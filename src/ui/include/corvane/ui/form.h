#pragma once
// A form: a class with named controls and handlers, shown modally through the Ui seam.
//
// A form class declares its controls as members (their declaration order is the tab
// order), wires their handlers in its constructor, lays them out and sets their design
// values in design(), and calls applyDesign() as the last line of its constructor.
// Unloading the form puts every control back to that design state.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/ui_services.h"
#include "corvane/ui/control.h"

namespace corvane::ui {

class CommandButton;

// Why a form is being unloaded, as QueryUnload receives it.
enum class UnloadMode {
    FormControlMenu = 0,  // the user closed the window (its X or the system menu)
    FormCode = 1,         // the program unloads it
    AppWindows = 2,       // Windows is ending the session
    AppTaskManager = 3,   // the task manager closes the application
};

// How a shown form went away; reported to the presenter that shows it.
enum class CloseKind { Hidden, Unloaded };

class Form {
public:
    explicit Form(std::string name);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The form class's name ("frmNoSubject").
    const std::string& name() const { return name_; }

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption) { state_.caption = std::move(caption); }
    int left() const { return state_.left; }
    int top() const { return state_.top; }
    int width() const { return state_.width; }
    int height() const { return state_.height; }
    void move(int left, int top, int width, int height);

    bool isLoaded() const { return loaded_; }
    // Loaded and shown (not hidden).
    bool isVisible() const { return loaded_ && visible_; }

    // Loads the form (raises Load) unless it is loaded already.
    void load();
    // Loads the form if needed, makes it visible, raises Activate, gives the focus to the
    // first control that can take it, and presents it modally: returns when the form
    // hides or unloads.
    void show(platform::Ui& ui);
    // The same without waiting: the presenter shows it and the caller goes on.
    void showModeless(platform::Ui& ui);
    void hide();
    // Raises QueryUnload, then Unload; either may cancel, and the form then stays as it
    // is (returns false). Otherwise the form hides, unloads and goes back to its design
    // state. Unloading a form that is not loaded does nothing.
    bool unload(UnloadMode mode = UnloadMode::FormCode);
    // Raises Activate; a presenter calls it when the form becomes the active window again
    // after a form shown over it has closed.
    void activate();

    // Every control, in declaration order (the tab order).
    const std::vector<Control*>& controls() const { return controls_; }
    // The control of that name (and index, for a control array), or nullptr.
    Control* findControl(std::string_view name, int index = -1) const;
    Control* activeControl() const { return focused_; }
    // The reachable button whose Default (or Cancel) flag is set, or nullptr.
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;

    // Gestures of the user, used by presenters.
    //
    // Moves the focus to `target` as a click or the Tab key does: the control losing the
    // focus is validated first, and when its Validate cancels, the focus stays there and
    // this returns false. A control that cannot take the focus leaves it where it is.
    bool userMoveFocus(Control& target);
    // Closes the window from its X: QueryUnload with FormControlMenu; true when unloaded.
    bool userClose();
    // A key pressed in `target` (after the focus moved there): Tab moves the focus on to
    // the next control in tab order that the user can reach (validating `target`); Enter
    // clicks the default button and Escape the cancel button, if the form has one (Enter
    // stays with a multi-line text box); any other key goes to the control's KeyPress.
    // False when a Validate kept the focus and the key did nothing.
    bool userPressKey(Control& target, int keyAscii);

    // A presenter learns here when the form it shows hides or unloads (called before the
    // form goes back to its design state, so it still shows what the user left).
    using CloseListener = std::function<void(Form&, CloseKind)>;
    void setCloseListener(CloseListener listener) { closeListener_ = std::move(listener); }

    // False while design() runs: design values raise no events.
    bool raisingEvents() const { return !designing_; }

protected:
    // Lays out the controls and sets their design values.
    virtual void design() = 0;
    // Puts the form and every control in its design state. The form class calls it at
    // the end of its constructor; unload calls it again.
    void applyDesign();

    virtual void onLoad() {}
    virtual void onActivate() {}
    virtual void onQueryUnload(bool& cancel, UnloadMode mode) {
        (void)cancel;
        (void)mode;
    }
    virtual void onUnload(bool& cancel) { (void)cancel; }

private:
    friend class Control;

    struct State {
        std::string caption;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    void registerControl(Control& control) { controls_.push_back(&control); }
    void setFocusTo(Control* control);
    void focusFirstControl();
    // The control after `from` in tab order (wrapping round) that can take the focus and
    // is reachable; `from` itself when there is none.
    Control& nextInTabOrder(Control& from) const;
    void notifyClosed(CloseKind kind);
    void beginShow();

    std::string name_;
    State state_;
    std::vector<Control*> controls_;
    Control* focused_ = nullptr;
    bool designed_ = false;
    bool designing_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    CloseListener closeListener_;
};

}  // namespace corvane::ui
