#pragma once
// What every COM object of the DLL shares: the count of live objects and server locks that
// DllCanUnloadNow answers from, members found by name for IDispatch, and the class factory.
#include <oaidl.h>
#include <objbase.h>

#include <atomic>
#include <span>
#include <string_view>

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
                                     EXCEPINFO*, UINT*) override {
        if (params == nullptr) return E_POINTER;
        return invokeOn(static_cast<const Interface*>(this), id, flags, *params, result);
    }

protected:
    ~DispatchOf() = default;
    virtual std::span<const DispatchMember> membersOf(const Interface*) const = 0;
    virtual HRESULT invokeOn(const Interface*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) = 0;
};

// Creates the objects of one class (IClassFactory); `create` makes a new object and asks
// it for the interface.
class ClassFactory final : public IClassFactory {
public:
    using Create = HRESULT (*)(REFIID iid, void** object);
    explicit ClassFactory(Create create) : create_(create) {}
    virtual ~ClassFactory() = default;
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    Create create_;
    std::atomic<ULONG> refs_{1};
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
