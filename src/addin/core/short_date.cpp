#include "corvane/addin/short_date.h"

#include "corvane/platform/text.h"

namespace corvane::addin {

std::string ShortDateText(const platform::DateTime& when) { return when.isoDate(); }

std::optional<platform::DateTime> ReadDateText(std::string_view text) {
    const std::string t = text::trim(text);
    if (t.empty()) return std::nullopt;
    return platform::DateTime::parseIso(t);
}

}  // namespace corvane::addin
