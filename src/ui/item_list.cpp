#include "corvane/ui/item_list.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::ui {

void ItemList::checkIndex(int index, int limit) const {
    // The platform's "Invalid property array index".
    if (index < 0 || index >= limit) throw platform::PlatformError(platform::errors::InvalidPropertyArrayIndex);
}

const ItemList::Item& ItemList::at(int index) const {
    checkIndex(index, count());
    return items_[static_cast<std::size_t>(index)];
}

ItemList::Item& ItemList::at(int index) {
    checkIndex(index, count());
    return items_[static_cast<std::size_t>(index)];
}

int ItemList::add(std::string text) {
    int at = count();
    if (sorted_) {
        const std::string key = text::toUpper(text);
        const auto after = std::upper_bound(items_.begin(), items_.end(), key,
                                            [](const std::string& k, const Item& item) {
                                                return k < text::toUpper(item.text);
                                            });
        at = static_cast<int>(after - items_.begin());
    }
    return insert(at, std::move(text));
}

int ItemList::insert(int index, std::string text) {
    checkIndex(index, count() + 1);
    items_.insert(items_.begin() + index, Item{std::move(text)});
    return index;
}

void ItemList::remove(int index) {
    checkIndex(index, count());
    items_.erase(items_.begin() + index);
}

}  // namespace corvane::ui
