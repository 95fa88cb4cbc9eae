#pragma once
// Throwing the failures Outlook, Word and MAPI report, from the one catalog.
#include "corvane/platform/error.h"

namespace corvane::sim {

namespace errors = platform::errors;

[[noreturn]] inline void Raise(const platform::ErrorCode& code) { throw platform::PlatformError(code); }

// The element at a 1-based collection index; an index outside 1..size fails with `failure`.
template <class List>
decltype(auto) ItemAt(List& list, int index, const platform::ErrorCode& failure = errors::IndexOutOfBounds) {
    return list[platform::checkedIndex(index, list.size(), failure)];
}

}  // namespace corvane::sim
