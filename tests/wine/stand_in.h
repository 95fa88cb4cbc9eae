#pragma once
// What the Wine checks stand in for Outlook with: an object with properties by name, and
// optionally one event interface on a connection point with type information from a type
// library built in memory (CreateTypeLib2), as Outlook's sources have. Stand-ins live on
// the check's stack: they count references and never delete themselves.
#include <windows.h>

#include <olectl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/comoutlook/com_ptr.h"

namespace corvane::winecheck {

template <class T>
HRESULT Give(T** out, T* value, HRESULT missing = E_NOINTERFACE) {
    if ((*out = value) == nullptr) return missing;
    value->AddRef();
    return S_OK;
}

// A dispinterface in `library` with the events at the given identifiers.
inline comoutlook::ComPtr<ITypeInfo> AddEvents(ICreateTypeLib2* library, const wchar_t* name, const GUID& iid,
                                               std::initializer_list<std::pair<const wchar_t*, DISPID>> events) {
    ICreateTypeInfo* made = nullptr;
    library->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_DISPATCH, &made);
    made->SetGuid(iid);
    UINT index = 0;
    for (auto [event, id] : events) {
        FUNCDESC desc{};
        desc.memid = id, desc.funckind = FUNC_DISPATCH, desc.invkind = INVOKE_FUNC, desc.callconv = CC_STDCALL;
        desc.elemdescFunc.tdesc.vt = VT_VOID;
        made->AddFuncDesc(index, &desc);
        LPOLESTR names[] = {const_cast<LPOLESTR>(event)};
        made->SetFuncAndParamNames(index++, names, 1);
    }
    made->LayOut();
    return comoutlook::ComPtr<ICreateTypeInfo>::adopt(made).as<ITypeInfo>();
}

class StandIn final : public IDispatch, public IConnectionPointContainer, public IConnectionPoint {
public:
    // `events`: the interface its connection point takes (GUID_NULL: none); `typeInfo`:
    // what GetTypeInfo gives (nullptr: no type information).
    explicit StandIn(std::initializer_list<std::pair<std::wstring_view, VARIANT>> properties = {},
                     const GUID& events = GUID_NULL, ITypeInfo* typeInfo = nullptr)
        : type(typeInfo), events_(events) {
        for (const auto& [name, value] : properties) properties_.emplace_back(name, value);
    }
    ITypeInfo* type;
    ULONG refs = 1, typeInfoAsked = 0, advised = 0;
    bool sinkFreed = false;
    IDispatch* sink = nullptr;

    HRESULT Fire(DISPID id, VARIANT* lastFirst = nullptr, UINT count = 0) {
        DISPPARAMS params{lastFirst, nullptr, count, 0};
        return sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        IUnknown* self = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        if (iid == IID_IConnectionPointContainer && events_ != GUID_NULL)
            self = static_cast<IConnectionPointContainer*>(this);
        return Give(reinterpret_cast<IUnknown**>(out), self);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
        ++typeInfoAsked;
        return Give(out, type, TYPE_E_ELEMENTNOTFOUND);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        for (std::size_t i = 0; i < properties_.size(); ++i) {
            if (_wcsicmp(properties_[i].first.c_str(), names[0]) != 0) continue;
            *ids = static_cast<DISPID>(i + 1);
            return S_OK;
        }
        *ids = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id < 1 || static_cast<std::size_t>(id) > properties_.size()) return DISP_E_MEMBERNOTFOUND;
        if (result == nullptr) return S_OK;
        VariantInit(result);
        return VariantCopy(result, &properties_[static_cast<std::size_t>(id) - 1].second);
    }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
        return Give(out, iid == events_ ? static_cast<IConnectionPoint*>(this) : nullptr, CONNECT_E_NOCONNECTION);
    }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* unknown, DWORD* cookie) override {
        *cookie = ++advised;
        return unknown->QueryInterface(events_, reinterpret_cast<void**>(&sink));  // as Outlook asks the sink
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        if (cookie != advised || sink == nullptr) return CONNECT_E_NOCONNECTION;
        sinkFreed = std::exchange(sink, nullptr)->Release() == 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    std::vector<std::pair<std::wstring, VARIANT>> properties_;  // values the stand-in does not own
    GUID events_;
};

// Property values for a stand-in (the stand-in does not own them).
inline VARIANT Number(LONG value) {
    VARIANT v;
    V_VT(&v) = VT_I4, V_I4(&v) = value;
    return v;
}
inline VARIANT Object(IDispatch* value) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH, V_DISPATCH(&v) = value;
    return v;
}
// A text that lives as long as the program (a BSTR freed never).
inline VARIANT Text(const wchar_t* value) {
    VARIANT v;
    V_VT(&v) = VT_BSTR, V_BSTR(&v) = SysAllocString(value);
    return v;
}

}  // namespace corvane::winecheck
