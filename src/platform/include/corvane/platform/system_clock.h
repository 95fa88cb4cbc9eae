#pragma once
// The machine's own clock behind the Clock seam: the local time to the second
// (GetLocalTime on Windows, localtime_r elsewhere).
#include "corvane/platform/clock.h"

namespace corvane::platform {

class SystemClock final : public Clock {
public:
    DateTime now() override;
};

}  // namespace corvane::platform
