#pragma once
// A control array: controls of one kind sharing a name, told apart by their index
// (fraStep(0) .. fraStep(7)). Indexes run from 0.
#include <memory>
#include <string>
#include <vector>

namespace corvane::ui {

class Form;

template <class T>
class ControlArray {
public:
    ControlArray(Form& form, const std::string& name, int count) {
        items_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) items_.push_back(std::make_unique<T>(form, name, i));
    }

    int size() const { return static_cast<int>(items_.size()); }
    T& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const T& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    template <class Fn>
    void forEach(Fn&& fn) {
        for (auto& item : items_) fn(*item);
    }

private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace corvane::ui
