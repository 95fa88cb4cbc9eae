#pragma once
#include <cstdint>
#include <functional>

#include "corvane/platform/error.h"

namespace corvane::testing {

// The number of the PlatformError the call throws; 0 when it throws none.
inline std::int32_t ErrorNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const platform::PlatformError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace corvane::testing
