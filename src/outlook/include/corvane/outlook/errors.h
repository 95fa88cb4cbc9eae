#pragma once
// Outlook's failures, under the name the window-tracking tests still use; they live in the
// one catalog, platform::errors.
#include "corvane/platform/error.h"

namespace corvane::outlook {
namespace errors = platform::errors;
}  // namespace corvane::outlook
