#pragma once
// A keyed collection of window wrappers in the shape of the classic Collection: items keep
// the order they were added in, keys are texts, a key can be present only once.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/platform/error.h"

namespace corvane::core {

template <class T>
class WrapperCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }

    // A key that is already present fails with error 457 and leaves the collection alone.
    void Add(std::shared_ptr<T> item, std::string key) {
        if (find(key) != items_.end()) throw platform::PlatformError(platform::errors::DuplicateKey);
        items_.emplace_back(std::move(key), std::move(item));
    }
    // A missing key fails with error 5.
    const std::shared_ptr<T>& Item(std::string_view key) const {
        auto it = find(key);
        if (it == items_.end()) throw platform::PlatformError(platform::errors::InvalidCall);
        return it->second;
    }
    void Remove(std::string_view key) {
        auto it = find(key);
        if (it == items_.end()) throw platform::PlatformError(platform::errors::InvalidCall);
        items_.erase(it);
    }
    bool Contains(std::string_view key) const { return find(key) != items_.end(); }

    // A copy of the items, so that the caller may change the collection while it walks.
    std::vector<std::shared_ptr<T>> Items() const {
        std::vector<std::shared_ptr<T>> out;
        out.reserve(items_.size());
        for (const auto& entry : items_) out.push_back(entry.second);
        return out;
    }

private:
    using Entry = std::pair<std::string, std::shared_ptr<T>>;
    typename std::vector<Entry>::const_iterator find(std::string_view key) const {
        return std::find_if(items_.begin(), items_.end(), [&](const Entry& e) { return e.first == key; });
    }
    typename std::vector<Entry>::iterator find(std::string_view key) {
        return std::find_if(items_.begin(), items_.end(), [&](const Entry& e) { return e.first == key; });
    }

    std::vector<Entry> items_;
};

}  // namespace corvane::core
