// The user's regional settings through the locale API. GetLocaleInfoW with the user's
// default locale also answers on Windows XP, where Outlook 2000 to 2003 still run.
#include <windows.h>

#include "corvane/platform/system_info.h"
#include "corvane/text/wide.h"

namespace corvane::platform {

std::string UserShortDatePattern() {
    wchar_t picture[80] = {};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, 80);
    if (n <= 1) return "M/d/yyyy";
    return text::Utf8FromWide({picture, static_cast<std::size_t>(n - 1)});
}

}  // namespace corvane::platform
