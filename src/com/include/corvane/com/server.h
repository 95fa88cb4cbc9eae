#pragma once
// What every COM object of the DLL shares: the count of live objects and server locks that
// DllCanUnloadNow answers from, members found by name for IDispatch, and the class factory.
#include <oaidl.h>
#include <objbase.h>

#include <atomic>
#include <span>
#include <string_view>

#include "corvane/commapi/ref_counted.h"

namespace corvane::com {

// The DLL's live objects plus IClassFactory::LockServer locks. COM asks the DLL itself,
// without any context, whether it may be unloaded: this one counter is the process-wide
// state that question needs.
std::atomic<long>& ServerReferences();

// Counts one reference to the server for as long as it lives (a member of every object).
class ServerReference {
public:
    ServerReference() { ++ServerReferences(); }
    ~ServerReference() { --ServerReferences(); }
    ServerReference(const ServerReference&) = delete;
    ServerReference& operator=(const ServerReference&) = delete;
};

// One member reached by name: COM compares names without regard to case.
struct DispatchMember {
    std::wstring_view name;
    DISPID id;
};

// The HRESULT for the exception being handled (call it in a catch block), so that no C++
// exception crosses a COM boundary: a PlatformError becomes DISP_E_EXCEPTION with its number
// and text in `info` when the caller passed one (IDispatch::Invoke), else an HRESULT of its
// own (a runtime error number n as 0x800A0000 + n); bad_alloc is E_OUTOFMEMORY, anything
// else E_UNEXPECTED.
HRESULT CurrentFailure(EXCEPINFO* info) noexcept;

// Runs `body` (returning an HRESULT) and turns what it throws into its HRESULT.
template <class Body>
HRESULT Guarded(Body&& body, EXCEPINFO* info = nullptr) noexcept {
    try {
        return body();
    } catch (...) {
        return CurrentFailure(info);
    }
}

// IDispatch::GetIDsOfNames over a table: the first name is the member, further names
// (named arguments) are not supported.
HRESULT IdsOfNames(std::span<const DispatchMember> members, LPOLESTR* names, UINT count, DISPID* ids);

// An IDispatch with its members in a table and no type information. `Interface` is
// IDispatch or a dual interface derived from it; the object that derives from several
// of them answers each one's calls separately (the same identifier means different members
// on different interfaces).
template <class Interface>
class DispatchOf : public Interface {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return IdsOfNames(membersOf(static_cast<const Interface*>(this)), names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* info, UINT*) override {
        if (params == nullptr) return E_POINTER;
        return Guarded([&] { return invokeOn(static_cast<const Interface*>(this), id, flags, *params, result); },
                       info);
    }

protected:
    ~DispatchOf() = default;
    virtual std::span<const DispatchMember> membersOf(const Interface*) const = 0;
    // May throw: Invoke answers with the failure.
    virtual HRESULT invokeOn(const Interface*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) = 0;
};

// IUnknown of an object whose interface is IDispatch (`Self` derives from it): counted
// references, deleted with the last; `alsoAnswers` names further interface identifiers
// answered with the same IDispatch.
template <class Self>
class DispatchObject : public commapi::RefCounted<Self, DispatchOf<IDispatch>> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !alsoAnswers(iid)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDispatch*>(this);
        this->AddRef();
        return S_OK;
    }

protected:
    DispatchObject() = default;
    ~DispatchObject() = default;
    virtual bool alsoAnswers(REFIID) const { return false; }

private:
    ServerReference server_;
};

// Creates the objects of one class (IClassFactory); `create` makes a new object and asks
// it for the interface.
class ClassFactory final : public commapi::RefCounted<ClassFactory, IClassFactory> {
public:
    using Create = HRESULT (*)(REFIID iid, void** object);
    explicit ClassFactory(Create create) : create_(create) {}
    ~ClassFactory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    Create create_;
    ServerReference server_;
};

// new T, then QueryInterface for `iid`; the object starts with one reference, dropped here.
template <class T>
HRESULT CreateObject(REFIID iid, void** object) {
    auto* made = new T();
    HRESULT hr = made->QueryInterface(iid, object);
    made->Release();
    return hr;
}

}  // namespace corvane::com
