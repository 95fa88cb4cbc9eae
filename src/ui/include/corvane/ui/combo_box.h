#pragma once
// ComboBox: a text with a drop-down list of items (0-based). In the drop-down list style
// the text is always one of the items.
#include "corvane/ui/control.h"
#include "corvane/ui/item_list.h"

namespace corvane::ui {

enum class ComboStyle { DropDownCombo = 0, Simple = 1, DropDownList = 2 };

class ComboBox : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "combo"; }
    bool canTakeFocus() const override { return true; }

    ComboStyle style() const { return state_.style; }
    void setStyle(ComboStyle s) { state_.style = s; }
    bool sorted() const { return state_.items.sorted(); }
    void setSorted(bool sorted) { state_.items.setSorted(sorted); }

    void addItem(std::string text);
    void addItem(std::string text, int index);
    void removeItem(int index);
    // Removes every item and empties the text.
    void clear();
    int listCount() const { return state_.items.count(); }
    const std::string& list(int index) const { return state_.items.at(index).text; }
    long itemData(int index) const { return state_.items.at(index).data; }
    void setItemData(int index, long data) { state_.items.at(index).data = data; }
    int newIndex() const { return state_.newIndex; }

    // Choosing an item copies its text into the text; raises Click when it changes.
    int listIndex() const { return state_.listIndex; }
    void setListIndex(int index);

    const std::string& text() const { return state_.text; }
    // An editable combo takes any text (raising Change) and makes the item of exactly that
    // text current, if there is one. The drop-down list style only takes the text of an
    // item, which it chooses; any other text fails as the platform does (383, "'Text'
    // property is read-only").
    void setText(std::string text);

    Handler onClick;
    Handler onChange;

    void userChoose(int index) { setListIndex(index); }
    void userType(std::string text) { setText(std::move(text)); }

protected:
    void resetState() override { state_ = {}; }

private:
    int findExact(const std::string& text) const;

    struct State {
        ItemList items;
        ComboStyle style = ComboStyle::DropDownCombo;
        std::string text;
        int listIndex = -1;
        int newIndex = -1;
    };
    State state_;
};

}  // namespace corvane::ui
