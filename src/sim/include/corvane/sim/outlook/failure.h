#pragma once
// Throwing the failures Outlook, Word and MAPI report.
#include <cstdint>
#include <string>
#include <string_view>

#include "corvane/platform/error.h"

namespace corvane::sim {

[[noreturn]] inline void Raise(std::int32_t number, std::string_view description) {
    throw platform::PlatformError(number, std::string(description));
}

template <class Failure>
[[noreturn]] void Raise(const Failure& f) {
    Raise(static_cast<std::int32_t>(f.number), f.description);
}

}  // namespace corvane::sim
