#include "corvane/core/short_date.h"

#include "corvane/text/text.h"

namespace corvane::core {

std::string ShortDateText(platform::SystemInfo& machine, const platform::DateTime& when) {
    return when.format(machine.shortDatePattern());
}

std::optional<platform::DateTime> ReadDateText(platform::SystemInfo& machine, std::string_view text) {
    const std::string t = text::trim(text);
    if (t.empty()) return std::nullopt;
    if (auto iso = platform::DateTime::parseIso(t)) return iso;
    return platform::DateTime::parse(t, machine.shortDatePattern());
}

}  // namespace corvane::core
