// Code pages through MultiByteToWideChar and WideCharToMultiByte. Decoding refuses byte
// sequences the code page does not define; encoding writes "?" for what it lacks and,
// without best-fit mapping, never a look-alike.
#include "win32_api.h"

#include <climits>

#include "code_page_convert.h"

namespace corvane::text::codepage {

namespace {

bool fitsWinLength(std::size_t n) { return n <= static_cast<std::size_t>(INT_MAX / 4); }

std::optional<std::wstring> wideFrom(std::string_view bytes, UINT codePage, DWORD flags) {
    const int len = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, flags, bytes.data(), len, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    if (MultiByteToWideChar(codePage, flags, bytes.data(), len, out.data(), n) != n) return std::nullopt;
    return out;
}

std::optional<std::string> bytesFrom(const std::wstring& wide, UINT codePage, DWORD flags, const char* fallback) {
    const int len = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), len, nullptr, 0, fallback, nullptr);
    if (n <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), len, out.data(), n, fallback, nullptr) != n)
        return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> decode(std::string_view bytes, unsigned codePage) {
    if (!fitsWinLength(bytes.size()) || !IsValidCodePage(codePage)) return std::nullopt;
    const auto wide = wideFrom(bytes, codePage, MB_ERR_INVALID_CHARS);
    if (!wide) return std::nullopt;
    return bytesFrom(*wide, CP_UTF8, 0, nullptr);
}

std::optional<std::string> encode(std::string_view utf8, unsigned codePage) {
    if (!fitsWinLength(utf8.size()) || !IsValidCodePage(codePage)) return std::nullopt;
    const auto wide = wideFrom(utf8, CP_UTF8, 0);  // ill-formed sequences become U+FFFD
    if (!wide) return std::nullopt;
    if (codePage == CP_UTF8) return bytesFrom(*wide, CP_UTF8, 0, nullptr);
    return bytesFrom(*wide, codePage, WC_NO_BEST_FIT_CHARS, "?");
}

}  // namespace corvane::text::codepage
