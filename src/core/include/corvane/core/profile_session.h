#pragma once
// A session of the secure mail access component on the user's profile.
#include <memory>

#include "corvane/core/addin_process.h"

namespace corvane::access {
class RDOSession;
}

namespace corvane::core {

// Outlook's own session handed over, or, in Outlook 2000, which has none to hand over, a
// session of its own logged on. Fails as the component or Outlook fails.
std::shared_ptr<access::RDOSession> OpenProfileSession(AddinProcess& p);

}  // namespace corvane::core
