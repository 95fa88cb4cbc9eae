#pragma once
// ListView in report view: columns with widths and header icons, rows (ListItems) with
// sub-item text, a tag, a tick box and a selection. Columns and rows are numbered from 1.
//
// Ticking a row from code raises nothing; the user's tick raises ItemCheck with the row
// already changed.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "corvane/ui/control.h"

namespace corvane::ui {

class ListView;

class ColumnHeader {
public:
    int index() const { return index_; }
    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    int width() const { return width_; }
    void setWidth(int width) { width_ = width; }
    // The header icon: its number in the header image list, 0 for none.
    int icon() const { return icon_; }
    void setIcon(int icon) { icon_ = icon; }

private:
    friend class ListView;
    int index_ = 0;
    std::string text_;
    int width_ = 0;
    int icon_ = 0;
};

class ListItem {
public:
    int index() const { return index_; }
    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    // Sub-item i (from 1) is the text of column i + 1; "" when never set.
    const std::string& subItem(int i) const;
    void setSubItem(int i, std::string text);
    int subItemCount() const { return static_cast<int>(subItems_.size()); }
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    bool checked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }
    bool selected() const;
    void setSelected(bool selected);

private:
    friend class ListView;
    explicit ListItem(ListView& view) : view_(&view) {}
    ListView* view_;
    int index_ = 0;
    std::string text_;
    std::vector<std::string> subItems_;
    std::string tag_;
    bool checked_ = false;
};

class ListView : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "listview"; }
    bool canTakeFocus() const override { return true; }

    bool checkboxes() const { return state_.checkboxes; }
    void setCheckboxes(bool v) { state_.checkboxes = v; }

    ColumnHeader& addColumn(std::string text, int width = 0);
    int columnCount() const { return static_cast<int>(state_.columns.size()); }
    ColumnHeader& column(int index);
    const ColumnHeader& column(int index) const;

    ListItem& addItem(std::string text);
    int itemCount() const { return static_cast<int>(state_.items.size()); }
    ListItem& item(int index);
    const ListItem& item(int index) const;
    void removeItem(int index);
    void clearItems();
    int checkedCount() const;

    // The selected row (one at a time), or nullptr.
    ListItem* selectedItem() const { return state_.selected; }
    void setSelectedItem(ListItem* item) { state_.selected = item; }

    std::function<void(ListItem&)> onItemCheck;
    std::function<void(ListItem&)> onItemClick;
    std::function<void(ColumnHeader&)> onColumnClick;
    Handler onClick;
    Handler onDblClick;

    // Gestures, after the focus moved here.
    void userSetChecked(ListItem& item, bool checked);
    void userClickColumn(ColumnHeader& column) { raise(onColumnClick, column); }
    // Selects the row: ItemClick, then Click.
    void userClickItem(ListItem& item);
    // Selects the row, then DblClick.
    void userDblClickItem(ListItem& item);

protected:
    void resetState() override { state_ = {}; }

private:
    void renumber();

    struct State {
        bool checkboxes = false;
        std::vector<std::unique_ptr<ColumnHeader>> columns;
        std::vector<std::unique_ptr<ListItem>> items;
        ListItem* selected = nullptr;
    };
    State state_;
};

}  // namespace corvane::ui
