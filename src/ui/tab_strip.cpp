#include "corvane/ui/tab_strip.h"

#include <algorithm>

#include "corvane/platform/error.h"

namespace corvane::ui {

void TabStrip::checkIndex(int index) const {
    platform::checkedIndex(index, state_.tabs.size(), platform::errors::ControlIndexOutOfBounds);
}

Tab& TabStrip::addTab(std::string caption) {
    auto tab = std::make_unique<Tab>();
    tab->index_ = tabCount() + 1;
    tab->caption_ = std::move(caption);
    state_.tabs.push_back(std::move(tab));
    if (state_.selected == 0) state_.selected = 1;
    return *state_.tabs.back();
}

Tab& TabStrip::tab(int index) {
    checkIndex(index);
    return *state_.tabs[static_cast<std::size_t>(index - 1)];
}

const Tab& TabStrip::tab(int index) const {
    checkIndex(index);
    return *state_.tabs[static_cast<std::size_t>(index - 1)];
}

void TabStrip::removeTab(int index) {
    checkIndex(index);
    state_.tabs.erase(state_.tabs.begin() + (index - 1));
    int i = 0;
    for (auto& t : state_.tabs) t->index_ = ++i;
    if (state_.selected > index) --state_.selected;
    state_.selected = std::min(state_.selected, tabCount());
}

void TabStrip::clearTabs() {
    state_.tabs.clear();
    state_.selected = 0;
}

Tab* TabStrip::selectedTab() { return state_.selected == 0 ? nullptr : &tab(state_.selected); }

void TabStrip::select(int index) {
    checkIndex(index);
    if (index == state_.selected) return;
    state_.selected = index;
    raise(onClick);
}

}  // namespace corvane::ui
