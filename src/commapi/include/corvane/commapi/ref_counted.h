#pragma once
// The reference count every COM object of ours keeps: AddRef and Release over an atomic
// count that starts at one (the creator's reference); the last Release deletes the object
// as `Self`, so that no interface needs a virtual destructor.
#include <unknwn.h>

#include <atomic>

namespace corvane::commapi {

template <class Self, class Base>
class RefCounted : public Base {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete static_cast<Self*>(this);
        return left;
    }

protected:
    RefCounted() = default;
    ~RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

private:
    std::atomic<ULONG> refs_{1};
};

}  // namespace corvane::commapi
