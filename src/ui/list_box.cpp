#include "corvane/ui/list_box.h"

#include <stdexcept>

#include "corvane/platform/error.h"

namespace corvane::ui {

namespace {
void checkListIndex(int index, int count) {
    if (index < -1 || index >= count) throw platform::PlatformError(platform::errors::InvalidPropertyValue);
}
}  // namespace

void ListBox::shiftAfterInsert(int at) {
    state_.newIndex = at;
    if (state_.listIndex >= at) ++state_.listIndex;
}

void ListBox::addItem(std::string text) { shiftAfterInsert(state_.items.add(std::move(text))); }

void ListBox::addItem(std::string text, int index) { shiftAfterInsert(state_.items.insert(index, std::move(text))); }

void ListBox::removeItem(int index) {
    state_.items.remove(index);
    if (state_.listIndex == index)
        state_.listIndex = -1;
    else if (state_.listIndex > index)
        --state_.listIndex;
}

void ListBox::clear() {
    state_.items.clear();
    state_.listIndex = -1;
}

void ListBox::setListIndex(int index) {
    checkListIndex(index, listCount());
    if (index == state_.listIndex) return;
    state_.listIndex = index;
    raise(onClick);
}

std::string ListBox::text() const { return state_.listIndex < 0 ? std::string() : list(state_.listIndex); }

bool ListBox::selected(int index) const {
    const auto& item = state_.items.at(index);
    return state_.multiSelect == MultiSelect::None ? index == state_.listIndex : item.selected;
}

void ListBox::setSelected(int index, bool isSelected) {
    if (state_.multiSelect == MultiSelect::None) {
        state_.items.at(index);  // checks the index
        if (isSelected)
            setListIndex(index);
        else if (index == state_.listIndex)
            setListIndex(-1);
        return;
    }
    auto& item = state_.items.at(index);
    if (item.selected == isSelected) return;
    item.selected = isSelected;
    raise(onClick);
}

int ListBox::selCount() const { return static_cast<int>(selectedIndexes().size()); }

std::vector<int> ListBox::selectedIndexes() const {
    std::vector<int> out;
    for (int i = 0; i < listCount(); ++i)
        if (selected(i)) out.push_back(i);
    return out;
}

void ListBox::userSelect(const std::vector<int>& indexes) {
    for (int i : indexes) state_.items.at(i);  // checks every index before changing anything
    if (state_.multiSelect == MultiSelect::None) {
        if (indexes.size() > 1) throw std::invalid_argument(displayName() + " takes one selected item");
        setListIndex(indexes.empty() ? -1 : indexes.front());
        return;
    }
    for (int i = 0; i < listCount(); ++i) {
        bool wanted = false;
        for (int j : indexes) wanted = wanted || j == i;
        setSelected(i, wanted);
    }
    if (!indexes.empty()) state_.listIndex = indexes.back();
}

}  // namespace corvane::ui
