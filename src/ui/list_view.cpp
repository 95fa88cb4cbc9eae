#include "corvane/ui/list_view.h"

#include "corvane/platform/error.h"

namespace corvane::ui {

namespace {
const std::string kEmpty;

[[noreturn]] void badIndex() { throw platform::PlatformError(platform::errors::ControlIndexOutOfBounds); }
std::size_t position(int index, std::size_t count) {
    return platform::checkedIndex(index, count, platform::errors::ControlIndexOutOfBounds);
}
}  // namespace

const std::string& ListItem::subItem(int i) const {
    if (i < 1) badIndex();
    const auto at = static_cast<std::size_t>(i - 1);
    return at < subItems_.size() ? subItems_[at] : kEmpty;
}

void ListItem::setSubItem(int i, std::string text) {
    if (i < 1) badIndex();
    const auto at = static_cast<std::size_t>(i - 1);
    if (subItems_.size() <= at) subItems_.resize(at + 1);
    subItems_[at] = std::move(text);
}

bool ListItem::selected() const { return view_->selectedItem() == this; }

void ListItem::setSelected(bool selected) {
    if (selected)
        view_->setSelectedItem(this);
    else if (this->selected())
        view_->setSelectedItem(nullptr);
}

ColumnHeader& ListView::addColumn(std::string text, int width) {
    auto column = std::make_unique<ColumnHeader>();
    column->index_ = columnCount() + 1;
    column->text_ = std::move(text);
    column->width_ = width;
    state_.columns.push_back(std::move(column));
    return *state_.columns.back();
}

ColumnHeader& ListView::column(int index) { return *state_.columns[position(index, state_.columns.size())]; }

const ColumnHeader& ListView::column(int index) const {
    return *state_.columns[position(index, state_.columns.size())];
}

ListItem& ListView::addItem(std::string text) {
    std::unique_ptr<ListItem> item(new ListItem(*this));
    item->index_ = itemCount() + 1;
    item->text_ = std::move(text);
    state_.items.push_back(std::move(item));
    return *state_.items.back();
}

ListItem& ListView::item(int index) { return *state_.items[position(index, state_.items.size())]; }

const ListItem& ListView::item(int index) const { return *state_.items[position(index, state_.items.size())]; }

void ListView::renumber() {
    int i = 0;
    for (auto& item : state_.items) item->index_ = ++i;
}

void ListView::removeItem(int index) {
    ListItem& gone = item(index);
    if (state_.selected == &gone) state_.selected = nullptr;
    state_.items.erase(state_.items.begin() + (index - 1));
    renumber();
}

void ListView::clearItems() {
    state_.selected = nullptr;
    state_.items.clear();
}

int ListView::checkedCount() const {
    int n = 0;
    for (const auto& item : state_.items) n += item->checked() ? 1 : 0;
    return n;
}

void ListView::userSetChecked(ListItem& item, bool checked) {
    if (item.checked() == checked) return;
    item.setChecked(checked);
    raise(onItemCheck, item);
}

void ListView::userClickItem(ListItem& item) {
    state_.selected = &item;
    raise(onItemClick, item);
    raise(onClick);
}

void ListView::userDblClickItem(ListItem& item) {
    state_.selected = &item;
    raise(onDblClick);
}

}  // namespace corvane::ui
