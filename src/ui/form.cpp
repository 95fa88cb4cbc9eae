#include "corvane/ui/form.h"

#include <stdexcept>

#include "corvane/ui/command_button.h"
#include "corvane/ui/text_box.h"

namespace corvane::ui {

namespace {
constexpr int KeyTab = 9;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

void Form::move(int left, int top, int width, int height) {
    state_.left = left;
    state_.top = top;
    state_.width = width;
    state_.height = height;
}

void Form::applyDesign() {
    state_ = {};
    focused_ = nullptr;
    for (Control* c : controls_) {
        c->common_ = {};
        c->resetState();
    }
    designing_ = true;
    try {
        design();
    } catch (...) {
        designing_ = false;
        throw;
    }
    designing_ = false;
    designed_ = true;
}

void Form::load() {
    if (loaded_) return;
    if (!designed_) throw std::logic_error(name_ + ": applyDesign() was not called by its constructor");
    loaded_ = true;
    onLoad();
}

void Form::beginShow() {
    if (isVisible()) throw std::logic_error(name_ + " is already shown");
    load();
    if (!loaded_) return;  // Load unloaded it again
    visible_ = true;
    onActivate();
    if (isVisible() && !focused_) focusFirstControl();
}

void Form::show(platform::Ui& ui) {
    beginShow();
    if (isVisible()) ui.showModal(*this);
}

void Form::showModeless(platform::Ui& ui) {
    beginShow();
    if (isVisible()) ui.showModeless(*this);
}

void Form::hide() {
    const bool wasVisible = isVisible();
    visible_ = false;
    if (wasVisible) notifyClosed(CloseKind::Hidden);
}

bool Form::unload(UnloadMode mode) {
    if (!loaded_) return true;
    bool cancel = false;
    onQueryUnload(cancel, mode);
    if (cancel) return false;
    onUnload(cancel);
    if (cancel) return false;
    if (!loaded_) return true;  // a handler unloaded it already
    const bool wasVisible = isVisible();
    visible_ = false;
    loaded_ = false;
    if (wasVisible) notifyClosed(CloseKind::Unloaded);
    applyDesign();
    return true;
}

void Form::activate() {
    if (isVisible()) onActivate();
}

void Form::notifyClosed(CloseKind kind) {
    if (closeListener_) {
        CloseListener l = closeListener_;
        l(*this, kind);
    }
}

Control* Form::findControl(std::string_view name, int index) const {
    for (Control* c : controls_)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

CommandButton* Form::defaultButton() const {
    for (Control* c : controls_)
        if (auto* b = dynamic_cast<CommandButton*>(c); b && b->isDefault() && b->isReachable()) return b;
    return nullptr;
}

CommandButton* Form::cancelButton() const {
    for (Control* c : controls_)
        if (auto* b = dynamic_cast<CommandButton*>(c); b && b->isCancel() && b->isReachable()) return b;
    return nullptr;
}

void Form::setFocusTo(Control* control) {
    if (focused_ == control) return;
    Control* old = focused_;
    focused_ = control;
    if (old) old->raise(old->onLostFocus);
    if (control) control->raise(control->onGotFocus);
}

void Form::focusFirstControl() {
    for (Control* c : controls_) {
        if (c->canTakeFocus() && c->isReachable()) {
            setFocusTo(c);
            return;
        }
    }
}

bool Form::userMoveFocus(Control& target) {
    if (!target.canTakeFocus() || focused_ == &target) return true;
    if (focused_ && target.causesValidation() && focused_->isReachable()) {
        bool cancel = false;
        Control* leaving = focused_;
        leaving->raise(leaving->onValidate, cancel);
        if (cancel) return false;
    }
    setFocusTo(&target);
    return true;
}

Control& Form::nextInTabOrder(Control& from) const {
    const auto n = controls_.size();
    std::size_t at = 0;
    while (at < n && controls_[at] != &from) ++at;
    for (std::size_t step = 1; step < n; ++step) {
        Control* c = controls_[(at + step) % n];
        if (c->canTakeFocus() && c->isReachable()) return *c;
    }
    return from;
}

bool Form::userClose() { return unload(UnloadMode::FormControlMenu); }

bool Form::userPressKey(Control& target, int keyAscii) {
    if (!userMoveFocus(target)) return false;
    if (keyAscii == KeyTab) return userMoveFocus(nextInTabOrder(target));
    const auto* text = dynamic_cast<const TextBox*>(&target);
    CommandButton* button = nullptr;
    if (keyAscii == KeyEnter && !(text && text->multiLine())) button = defaultButton();
    if (keyAscii == KeyEscape) button = cancelButton();
    if (button) {
        if (!userMoveFocus(*button)) return false;
        button->userClick();
        return true;
    }
    target.raise(target.onKeyPress, keyAscii);
    return true;
}

}  // namespace corvane::ui
