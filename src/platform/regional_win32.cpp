// The user's regional settings through the locale API. GetLocaleInfoW with the user's
// default locale also answers on Windows XP, where Outlook 2000 to 2003 still run.
#include <windows.h>

#include "corvane/platform/system_info.h"

namespace corvane::platform {

std::string UserShortDatePattern() {
    wchar_t picture[80] = {};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, 80);
    if (n <= 1) return "M/d/yyyy";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, picture, n - 1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, picture, n - 1, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace corvane::platform
