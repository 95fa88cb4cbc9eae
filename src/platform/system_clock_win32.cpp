#include <windows.h>

#include "corvane/platform/system_clock.h"

namespace corvane::platform {

DateTime SystemClock::now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return DateTime::fromCivil(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

}  // namespace corvane::platform
