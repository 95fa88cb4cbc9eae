#pragma once
// ListBox: items with item data, optionally sorted and multi-select. Indexes are 0-based;
// ListIndex is -1 when no item is current. Selection travels with its item when items
// are added or removed before it.
#include <vector>

#include "corvane/ui/control.h"
#include "corvane/ui/item_list.h"

namespace corvane::ui {

enum class MultiSelect { None = 0, Simple = 1, Extended = 2 };

class ListBox : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "list"; }
    bool canTakeFocus() const override { return true; }

    bool sorted() const { return state_.items.sorted(); }
    void setSorted(bool sorted) { state_.items.setSorted(sorted); }
    MultiSelect multiSelect() const { return state_.multiSelect; }
    void setMultiSelect(MultiSelect m) { state_.multiSelect = m; }

    // Adds at the alphabetical place when sorted, else at the end.
    void addItem(std::string text);
    // Inserts at `index` even when sorted, as the platform does.
    void addItem(std::string text, int index);
    void removeItem(int index);
    void clear();
    int listCount() const { return state_.items.count(); }
    const std::string& list(int index) const { return state_.items.at(index).text; }
    void setList(int index, std::string text) { state_.items.at(index).text = std::move(text); }
    long itemData(int index) const { return state_.items.at(index).data; }
    void setItemData(int index, long data) { state_.items.at(index).data = data; }
    // Index of the item added last.
    int newIndex() const { return state_.newIndex; }

    // The current item. Setting it raises Click when it changes; in a single-select list
    // it is also the selected item.
    int listIndex() const { return state_.listIndex; }
    void setListIndex(int index);
    // The current item's text, or "".
    std::string text() const;

    bool selected(int index) const;
    // Raises Click when the selection changes.
    void setSelected(int index, bool selected);
    int selCount() const;
    std::vector<int> selectedIndexes() const;

    Handler onClick;
    Handler onDblClick;

    // The user makes exactly these items the selection (one item in a single-select
    // list), the last becoming the current item; Click for each change.
    void userSelect(const std::vector<int>& indexes);
    void userDblClick() { raise(onDblClick); }

protected:
    void resetState() override { state_ = {}; }

private:
    void shiftAfterInsert(int at);

    struct State {
        ItemList items;
        MultiSelect multiSelect = MultiSelect::None;
        int listIndex = -1;
        int newIndex = -1;
    };
    State state_;
};

}  // namespace corvane::ui
