#pragma once
// The items of a list box or combo box: text, item data and a selection flag, kept in
// alphabetical order when sorted. Alphabetical means the texts compared upper-cased, in
// code point order; an item equal to others goes after them.
#include <string>
#include <vector>

namespace corvane::ui {

class ItemList {
public:
    struct Item {
        std::string text;
        long data = 0;
        bool selected = false;
    };

    bool sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }

    int count() const { return static_cast<int>(items_.size()); }
    const Item& at(int index) const;
    Item& at(int index);
    // Adds at the sorted place (or at the end); returns the new item's index.
    int add(std::string text);
    // Inserts at `index` (0..count), sorted or not, as the platform does.
    int insert(int index, std::string text);
    void remove(int index);
    void clear() { items_.clear(); }

private:
    void checkIndex(int index, int limit) const;

    std::vector<Item> items_;
    bool sorted_ = false;
};

}  // namespace corvane::ui
