#pragma once
// The Windows API's UTF-16 text to and from the add-in's UTF-8. Windows only (wchar_t is
// UTF-16 there). An ill-formed UTF-8 sequence becomes U+FFFD, an unpaired surrogate too.
#include <string>
#include <string_view>

namespace corvane::text {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace corvane::text
