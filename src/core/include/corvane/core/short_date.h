#pragma once
// Dates the add-in stores as text (the update reminder's LastCheckUpdateDate), as the
// user's regional settings write a short date ("3/2/2026" in the United States).
#include <optional>
#include <string>
#include <string_view>

#include "corvane/platform/datetime.h"
#include "corvane/platform/system_info.h"

namespace corvane::core {

// The date in the machine's short-date form.
std::string ShortDateText(platform::SystemInfo& machine, const platform::DateTime& when);
// The date a stored text holds (blanks around it allowed): in the machine's short-date
// form, or as "YYYY-MM-DD" with an optional time of day; nothing when it is not a date.
std::optional<platform::DateTime> ReadDateText(platform::SystemInfo& machine, std::string_view text);

}  // namespace corvane::core
