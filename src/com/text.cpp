#include "corvane/com/text.h"

#include <windows.h>

namespace corvane::com {

BSTR NewBstr(std::string_view text) {
    if (text.empty()) return SysAllocStringLen(nullptr, 0);
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(size));
    if (out != nullptr) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out, size);
    return out;
}

std::string Utf8(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

VARIANT* Argument(DISPPARAMS& params, unsigned index) {
    if (index >= params.cArgs || params.rgvarg == nullptr) return nullptr;
    VARIANT* arg = &params.rgvarg[params.cArgs - 1 - index];  // COM passes them last first
    if (V_VT(arg) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(arg) != nullptr) arg = V_VARIANTREF(arg);
    return arg;
}

}  // namespace corvane::com
