#pragma once
// Dates the add-in stores as text (the update reminder's LastCheckUpdateDate): written as
// the short date "YYYY-MM-DD", read back with an optional time of day.
#include <optional>
#include <string>
#include <string_view>

#include "corvane/platform/datetime.h"

namespace corvane::core {

std::string ShortDateText(const platform::DateTime& when);
// The date a stored text holds (blanks around it allowed); nothing when it is not a date.
std::optional<platform::DateTime> ReadDateText(std::string_view text);

}  // namespace corvane::core
