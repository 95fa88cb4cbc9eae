#pragma once
// The classic runtime's checks the add-in keeps: a 16-bit counter and a pointer that must be set.
#include <cstdint>

#include "corvane/platform/error.h"

namespace corvane::core::vb {

// A 16-bit counter increased by one; the increase past 32767 fails with an overflow and
// leaves the counter where it was.
inline void Increment(std::int16_t& counter) {
    if (counter == INT16_MAX) throw platform::PlatformError(platform::errors::Overflow);
    counter = static_cast<std::int16_t>(counter + 1);
}

// A pointer that must be set before use (the classic "Object variable not set").
template <class P>
const P& Need(const P& p) {
    if (!p) throw platform::PlatformError(platform::errors::ObjectNotSet);
    return p;
}

}  // namespace corvane::core::vb
