#pragma once
// What the component keeps between its objects, per factory (per add-in process): the
// MAPI subsystem an RDOSession logs on to, and the session a MAPIUtils object attached,
// which stays until CleanUp.
#include <memory>

#include "corvane/outlook/fwd.h"

namespace corvane::access {

struct ComponentState {
    // Where RDOSession.Logon opens its own session; none makes Logon fail.
    std::shared_ptr<mapi::Subsystem> subsystem;
    // Outlook's session, attached through MAPIUtils.MAPIOBJECT while Word edits the
    // message in Outlook before 2007, so that the component works inside Outlook's own
    // MAPI session; dropped by CleanUp.
    std::shared_ptr<mapi::Session> attachedSession;
    int cleanUps = 0;
};

}  // namespace corvane::access
