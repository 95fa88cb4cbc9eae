#include "corvane/ui/combo_box.h"

#include "corvane/platform/error.h"

namespace corvane::ui {

void ComboBox::addItem(std::string text) {
    const int at = state_.items.add(std::move(text));
    state_.newIndex = at;
    if (state_.listIndex >= at) ++state_.listIndex;
}

void ComboBox::addItem(std::string text, int index) {
    const int at = state_.items.insert(index, std::move(text));
    state_.newIndex = at;
    if (state_.listIndex >= at) ++state_.listIndex;
}

void ComboBox::removeItem(int index) {
    state_.items.remove(index);
    if (state_.listIndex == index) {
        state_.listIndex = -1;
        if (state_.style == ComboStyle::DropDownList) state_.text.clear();
    } else if (state_.listIndex > index) {
        --state_.listIndex;
    }
}

void ComboBox::clear() {
    state_.items.clear();
    state_.listIndex = -1;
    state_.text.clear();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) throw platform::PlatformError(platform::errors::InvalidPropertyValue);
    if (index == state_.listIndex) return;
    state_.listIndex = index;
    state_.text = index < 0 ? std::string() : list(index);
    raise(onClick);
}

int ComboBox::findExact(const std::string& text) const {
    for (int i = 0; i < listCount(); ++i)
        if (list(i) == text) return i;
    return -1;
}

void ComboBox::setText(std::string text) {
    const int match = findExact(text);
    if (state_.style == ComboStyle::DropDownList) {
        if (match < 0) throw platform::PlatformError(platform::errors::TextReadOnly);
        setListIndex(match);
        return;
    }
    if (text == state_.text) return;
    state_.text = std::move(text);
    state_.listIndex = match;
    raise(onChange);
}

}  // namespace corvane::ui
