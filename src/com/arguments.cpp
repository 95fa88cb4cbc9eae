#include "arguments.h"

#include "corvane/com/text.h"

namespace corvane::com {

namespace {

// The argument as the caller placed it (a VARIANT by reference is not followed).
VARIANT* RawArgument(DISPPARAMS& params, unsigned index) {
    if (index >= params.cArgs || params.rgvarg == nullptr) return nullptr;
    return &params.rgvarg[params.cArgs - 1 - index];  // COM passes them last first
}

// `slot` (a reference of type `type`) receives `value` converted to that type.
void StoreTyped(VARIANT& slot, const VARIANT& value) {
    const VARTYPE type = V_VT(&slot) & ~VT_BYREF;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, type))) return;
    switch (type) {
        case VT_BSTR:
            SysFreeString(*V_BSTRREF(&slot));
            *V_BSTRREF(&slot) = V_BSTR(&converted);  // taken over
            return;
        case VT_BOOL: *V_BOOLREF(&slot) = V_BOOL(&converted); break;
        case VT_I2: *V_I2REF(&slot) = V_I2(&converted); break;
        case VT_I4: *V_I4REF(&slot) = V_I4(&converted); break;
        case VT_R8: *V_R8REF(&slot) = V_R8(&converted); break;
        case VT_DATE: *V_DATEREF(&slot) = V_DATE(&converted); break;
        case VT_DISPATCH:
            if (*V_DISPATCHREF(&slot) != nullptr) (*V_DISPATCHREF(&slot))->Release();
            *V_DISPATCHREF(&slot) = V_DISPATCH(&converted);  // taken over
            return;
        default: break;
    }
    VariantClear(&converted);
}

}  // namespace

IDispatch* ObjectArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return nullptr;
    if (V_VT(arg) == VT_DISPATCH) return V_DISPATCH(arg);
    if (V_VT(arg) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(arg) != nullptr) return *V_DISPATCHREF(arg);
    return nullptr;
}

LONG NumberArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return 0;
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, arg, 0, VT_I4))) return 0;
    return V_I4(&number);
}

bool FlagArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return false;
    VARIANT flag;
    VariantInit(&flag);
    if (FAILED(VariantChangeType(&flag, arg, 0, VT_BOOL))) return false;
    return V_BOOL(&flag) != VARIANT_FALSE;
}

BSTR TextArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return nullptr;
    if (V_VT(arg) == VT_BSTR) return V_BSTR(arg);
    if (V_VT(arg) == (VT_BSTR | VT_BYREF) && V_BSTRREF(arg) != nullptr) return *V_BSTRREF(arg);
    return nullptr;
}

std::vector<outlook::Variant> Arguments(comoutlook::Objects& objects, DISPPARAMS& params) {
    std::vector<outlook::Variant> values;
    for (unsigned i = 0; i < params.cArgs; ++i) {
        comoutlook::Value value;
        if (FAILED(VariantCopyInd(&value.raw(), Argument(params, i))))
            throw platform::PlatformError(platform::errors::TypeMismatch);
        // An optional argument left out arrives as nothing.
        values.push_back(value.type() == VT_ERROR ? outlook::Variant() : objects.toVariant(value));
    }
    return values;
}

void WriteBack(const std::vector<outlook::Variant>& values, DISPPARAMS& params) {
    for (unsigned i = 0; i < values.size() && i < params.cArgs; ++i) {
        VARIANT* arg = RawArgument(params, i);
        if ((V_VT(arg) & VT_BYREF) == 0) continue;
        WriteBack(params, i, comoutlook::Objects::fromVariant(values[i]).raw());
    }
}

void WriteBack(DISPPARAMS& params, unsigned index, const VARIANT& value) {
    VARIANT* arg = RawArgument(params, index);
    if (arg == nullptr || (V_VT(arg) & VT_BYREF) == 0) return;
    if (V_VT(arg) == (VT_VARIANT | VT_BYREF)) {
        if (V_VARIANTREF(arg) == nullptr) return;
        VariantClear(V_VARIANTREF(arg));
        VariantCopy(V_VARIANTREF(arg), const_cast<VARIANT*>(&value));
        return;
    }
    StoreTyped(*arg, value);
}

HRESULT ReturnText(std::string_view text, VARIANT* result) {
    if (result == nullptr) return S_OK;
    VariantInit(result);
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = NewBstr(text);
    return V_BSTR(result) != nullptr || text.empty() ? S_OK : E_OUTOFMEMORY;
}

}  // namespace corvane::com
