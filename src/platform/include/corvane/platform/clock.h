#pragma once
#include "corvane/platform/datetime.h"

namespace corvane::platform {

// The current local time. Tests and scenarios pin it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
};

// A clock that reads what it was set to; used by the simulated host and by tests.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime t = DateTime::fromCivil(2026, 1, 1, 9)) : t_(t) {}
    DateTime now() override { return t_; }
    void set(DateTime t) { t_ = t; }
    void advanceSeconds(std::int64_t s) { t_ = t_.addSeconds(s); }

private:
    DateTime t_;
};

}  // namespace corvane::platform
