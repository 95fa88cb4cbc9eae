#pragma once
// Throwing the failures Outlook, Word and MAPI report.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "corvane/platform/error.h"
#include "corvane/outlook/errors.h"

namespace corvane::sim {

[[noreturn]] inline void Raise(std::int32_t number, std::string_view description) {
    throw platform::PlatformError(number, std::string(description));
}

template <class Failure>
[[noreturn]] void Raise(const Failure& f) {
    Raise(static_cast<std::int32_t>(f.number), f.description);
}

// The 0-based position of a 1-based collection index, or Outlook's index failure.
template <class List>
std::size_t CheckedIndex(const List& list, int index) {
    if (index < 1 || static_cast<std::size_t>(index) > list.size()) Raise(outlook::errors::IndexOutOfBounds);
    return static_cast<std::size_t>(index - 1);
}

}  // namespace corvane::sim
