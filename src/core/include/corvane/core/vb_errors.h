#pragma once
// The runtime errors the add-in raises itself, with the platform's numbers and texts.
#include <cstdint>
#include <string>

#include "corvane/platform/error.h"

namespace corvane::core::vb {

inline platform::PlatformError InvalidCall() {
    return platform::PlatformError(5, "Invalid procedure call or argument");
}
inline platform::PlatformError Overflow() {
    return platform::PlatformError(platform::errors::Overflow, "Overflow");
}
inline platform::PlatformError ObjectNotSet() {
    return platform::PlatformError(91, "Object variable or With block variable not set");
}
inline platform::PlatformError DuplicateKey() {
    return platform::PlatformError(457, "This key is already associated with an element of this collection");
}
inline platform::PlatformError CannotCreateObject() {
    return platform::PlatformError(429, "ActiveX component can't create object");
}
inline platform::PlatformError TypeMismatch() { return platform::PlatformError(13, "Type mismatch"); }
// An error the add-in raises with its own number and text.
inline platform::PlatformError Raise(std::int32_t number, std::string description) {
    return platform::PlatformError(number, std::move(description));
}

// A 16-bit counter increased by one; the increase past 32767 fails with an overflow and
// leaves the counter where it was.
inline void Increment(std::int16_t& counter) {
    if (counter == INT16_MAX) throw Overflow();
    counter = static_cast<std::int16_t>(counter + 1);
}

// A pointer that must be set before use (the classic "Object variable not set").
template <class P>
const P& Need(const P& p) {
    if (!p) throw ObjectNotSet();
    return p;
}

}  // namespace corvane::core::vb
