#pragma once
// TabStrip: a row of tabs numbered from 1. Selecting another tab raises Click, also from
// code. The first tab added is selected. Removing the selected tab selects the tab that
// takes its place (or the new last one) without a Click.
#include <memory>
#include <string>
#include <vector>

#include "corvane/ui/control.h"

namespace corvane::ui {

class Tab {
public:
    int index() const { return index_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

private:
    friend class TabStrip;
    int index_ = 0;
    std::string caption_;
};

class TabStrip : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "tabs"; }
    bool canTakeFocus() const override { return true; }

    Tab& addTab(std::string caption);
    int tabCount() const { return static_cast<int>(state_.tabs.size()); }
    Tab& tab(int index);
    const Tab& tab(int index) const;
    void removeTab(int index);
    void clearTabs();

    // 1-based; 0 when there is no tab.
    int selectedIndex() const { return state_.selected; }
    Tab* selectedTab();
    void select(int index);

    Handler onClick;

    void userSelect(int index) { select(index); }

protected:
    void resetState() override { state_ = {}; }

private:
    void checkIndex(int index) const;

    struct State {
        std::vector<std::unique_ptr<Tab>> tabs;
        int selected = 0;
    };
    State state_;
};

}  // namespace corvane::ui
