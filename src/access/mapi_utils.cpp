#include "corvane/access/mapi_utils.h"

#include "corvane/access/errors.h"

namespace corvane::access {

void MAPIUtils::CleanUp() noexcept {
    state_->attachedSession.reset();
    ++state_->cleanUps;
}

void MAPIUtils::SetMAPIOBJECT(std::shared_ptr<mapi::Session> session) {
    if (!session) errors::ThrowTypeMismatch("MAPIUtils.MAPIOBJECT needs a MAPI session, not Nothing");
    state_->attachedSession = std::move(session);
}

}  // namespace corvane::access
