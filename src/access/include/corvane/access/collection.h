#pragma once
// A fixed, 1-based collection as the component hands out lists (stores, list members).
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "corvane/platform/error.h"

namespace corvane::access {

template <class T>
class Collection {
public:
    Collection(std::string name, std::vector<std::shared_ptr<T>> items)
        : name_(std::move(name)), items_(std::move(items)) {}

    int Count() const noexcept { return static_cast<int>(items_.size()); }
    // 1-based; outside 1..Count fails like an Outlook collection.
    std::shared_ptr<T> Item(int index) const {
        return items_[platform::checkedIndex(index, items_.size(), platform::errors::IndexOutOfBounds, name_)];
    }
    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

private:
    std::string name_;
    std::vector<std::shared_ptr<T>> items_;
};

}  // namespace corvane::access
