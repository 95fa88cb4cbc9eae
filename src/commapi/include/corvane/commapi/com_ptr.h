#pragma once
// An owning COM interface pointer: one reference, released when the holder goes.
#include <unknwn.h>

#include <utility>

namespace corvane::commapi {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference to `p` (AddRef).
    explicit ComPtr(T* p) : p_(p) {
        if (p_ != nullptr) p_->AddRef();
    }
    // Takes over a reference the caller already owns (an out parameter's).
    static ComPtr adopt(T* p) {
        ComPtr made;
        made.p_ = p;
        return made;
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() {
        if (p_ != nullptr) p_->Release();
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // The address of the pointer for an out parameter (what it held is released first).
    T** put() noexcept {
        *this = ComPtr();
        return &p_;
    }
    // Hands the reference to the caller.
    T* detach() noexcept { return std::exchange(p_, nullptr); }

    // The same object through another interface; empty when it has none.
    template <class U>
    ComPtr<U> as() const {
        return as<U>(__uuidof(U));
    }
    // The same, for an interface named by its identifier (one declared without __uuidof).
    template <class U>
    ComPtr<U> as(REFIID iid) const {
        ComPtr<U> other;
        if (p_ != nullptr) p_->QueryInterface(iid, reinterpret_cast<void**>(other.put()));
        return other;
    }

private:
    T* p_ = nullptr;
};

}  // namespace corvane::commapi
