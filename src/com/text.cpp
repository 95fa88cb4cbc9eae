#include "corvane/com/text.h"

#include <windows.h>

#include "corvane/text/wide.h"

namespace corvane::com {

BSTR NewBstr(std::string_view text) {
    std::wstring wide = text::WideFromUtf8(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string Utf8(const wchar_t* text) { return text == nullptr ? std::string() : text::Utf8FromWide(text); }

VARIANT* Argument(DISPPARAMS& params, unsigned index) {
    if (index >= params.cArgs || params.rgvarg == nullptr) return nullptr;
    VARIANT* arg = &params.rgvarg[params.cArgs - 1 - index];  // COM passes them last first
    if (V_VT(arg) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(arg) != nullptr) arg = V_VARIANTREF(arg);
    return arg;
}

}  // namespace corvane::com
