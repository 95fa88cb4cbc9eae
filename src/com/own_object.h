#pragma once
// Our own COM objects told from proxies: each class answers a private interface identifier
// of its own with its IDispatch. No proxy/stub exists for those identifiers, so asked
// through a proxy the question always fails: an object that answers is this apartment's
// own and its add-in object can be used directly.
#include <oaidl.h>

#include "corvane/com/server.h"

namespace corvane::com {

// The object of class T behind `object` when it is ours and in this apartment (it answers
// `iid`), else nullptr. T's IDispatch is its DispatchOf<IDispatch>. No reference is kept.
template <class T>
T* OwnObjectOf(IUnknown* object, REFIID iid) {
    if (object == nullptr) return nullptr;
    IDispatch* own = nullptr;
    if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&own))) || own == nullptr) return nullptr;
    own->Release();  // the caller holds `object`, which keeps it alive
    return static_cast<T*>(static_cast<DispatchOf<IDispatch>*>(own));
}

}  // namespace corvane::com
