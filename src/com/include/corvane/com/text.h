#pragma once
// Text and arguments across COM: BSTR (UTF-16) to and from the add-in's UTF-8, and the
// arguments of an IDispatch call in the order the caller wrote them.
#include <oaidl.h>

#include <string>
#include <string_view>

namespace corvane::com {

// A new BSTR holding `text` (UTF-8); the caller owns it (SysFreeString).
BSTR NewBstr(std::string_view text);
// The UTF-8 text of a BSTR (a null BSTR is the empty text).
std::string Utf8(const wchar_t* text);

// Argument `index` (0 = the first the caller wrote) of an IDispatch call, through a
// VARIANT passed by reference; nullptr when the call has fewer.
VARIANT* Argument(DISPPARAMS& params, unsigned index);

}  // namespace corvane::com
