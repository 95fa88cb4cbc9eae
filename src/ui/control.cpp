#include "corvane/ui/control.h"

#include <stdexcept>

#include "corvane/platform/error.h"
#include "corvane/ui/form.h"

namespace corvane::ui {

Control::Control(Form& form, std::string name, int index) : form_(&form), name_(std::move(name)), index_(index) {
    form.registerControl(*this);
}

std::string Control::displayName() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

void Control::move(int left, int top, int width, int height) {
    common_.left = left;
    common_.top = top;
    common_.width = width;
    common_.height = height;
}

void Control::setContainer(Control& container) {
    if (!container.isContainer())
        throw std::invalid_argument(displayName() + ": " + container.displayName() + " cannot hold controls");
    if (&container.form() != form_)
        throw std::invalid_argument(displayName() + ": " + container.displayName() + " is on another form");
    for (const Control* c = &container; c; c = c->container())
        if (c == this) throw std::invalid_argument(displayName() + " cannot be inside itself");
    common_.container = &container;
}

bool Control::isOnScreen() const {
    const Common& c = common_;
    if (c.left < 0 && c.left + c.width <= 0) return false;
    if (c.top < 0 && c.top + c.height <= 0) return false;
    return true;
}

bool Control::isShown() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->visible() || !c->isOnScreen()) return false;
    return true;
}

bool Control::isReachable() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->visible() || !c->isOnScreen() || !c->enabled()) return false;
    return true;
}

bool Control::hasFocus() const { return form_->activeControl() == this; }

void Control::setFocus() {
    if (!canTakeFocus() || !isReachable()) throw platform::PlatformError(platform::errors::InvalidCall);
    form_->setFocusTo(this);
}

bool Control::eventsOn() const { return form_->raisingEvents(); }

}  // namespace corvane::ui
