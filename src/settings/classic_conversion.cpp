#include "corvane/settings/classic_conversion.h"

#include <string>

#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::settings {

std::optional<double> classicNumber(std::string_view text) {
    // The text service reads "&H" hexadecimal too, the form a DWORD preset is copied in.
    return text::parseNumber(text);
}

std::optional<long long> classicWholeNumber(std::string_view text) { return text::wholeNumber(text); }

bool classicBoolean(std::string_view text) {
    const std::string t = text::trim(text);
    if (text::equalsNoCase(t, "True")) return true;
    if (text::equalsNoCase(t, "False")) return false;
    if (auto v = classicNumber(t)) return *v != 0.0;
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

}  // namespace corvane::settings
