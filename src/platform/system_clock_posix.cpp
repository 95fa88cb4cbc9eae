#include <ctime>

#include "corvane/platform/system_clock.h"

namespace corvane::platform {

DateTime SystemClock::now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return DateTime::fromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                               static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace corvane::platform
