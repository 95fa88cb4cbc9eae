#include "corvane/com/server.h"

#include <new>

#include "corvane/com/text.h"
#include "corvane/platform/error.h"

namespace corvane::com {

std::atomic<long>& ServerReferences() {
    static std::atomic<long> references{0};
    return references;
}

namespace {

// A BSTR of `text`, or nullptr when there is no memory for it.
BSTR TextOrNothing(std::string_view text) noexcept {
    try {
        return NewBstr(text);
    } catch (...) {
        return nullptr;
    }
}

}  // namespace

HRESULT CurrentFailure(EXCEPINFO* info) noexcept {
    try {
        throw;
    } catch (const platform::PlatformError& e) {
        const std::int32_t number = e.number();
        // A small positive number is a runtime error, which a late-bound caller reads back
        // from wCode; anything else is an HRESULT already.
        const bool runtime = number > 0 && number <= 0xFFFF;
        const HRESULT hr = runtime ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number) : number;
        if (info == nullptr) return hr;
        *info = EXCEPINFO{};
        info->wCode = runtime ? static_cast<WORD>(number) : 0;
        info->scode = runtime ? 0 : hr;
        info->bstrSource = TextOrNothing("Corvane");
        info->bstrDescription = TextOrNothing(e.description());
        return DISP_E_EXCEPTION;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT IdsOfNames(std::span<const DispatchMember> members, LPOLESTR* names, UINT count, DISPID* ids) {
    if (names == nullptr || ids == nullptr) return E_POINTER;
    if (count == 0) return S_OK;
    HRESULT hr = S_OK;
    ids[0] = DISPID_UNKNOWN;
    for (const auto& member : members) {
        if (CompareStringOrdinal(names[0], -1, member.name.data(), static_cast<int>(member.name.size()), TRUE) ==
            CSTR_EQUAL) {
            ids[0] = member.id;
            break;
        }
    }
    if (ids[0] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return Guarded([&] { return create_(iid, object); });
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ++ServerReferences();
    } else {
        --ServerReferences();
    }
    return S_OK;
}

}  // namespace corvane::com
