#pragma once
#include "corvane/core/addin_process.h"

namespace corvane::core {

// True when the profile holds a store of the Google Apps connector: a store whose root
// folder path contains "\\google", or whose session's current user has the address type
// "GOOG" (both ignoring case). Pending window messages run between stores; a failure ends
// the search with what was found so far.
bool IsGoogleAppsProfile(AddinProcess& process);

}  // namespace corvane::core
