#include "corvane/core/short_date.h"

#include "corvane/text/text.h"

namespace corvane::core {

std::string ShortDateText(const platform::DateTime& when) { return when.isoDate(); }

std::optional<platform::DateTime> ReadDateText(std::string_view text) {
    const std::string t = text::trim(text);
    if (t.empty()) return std::nullopt;
    return platform::DateTime::parseIso(t);
}

}  // namespace corvane::core
