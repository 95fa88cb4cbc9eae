#pragma once
// MAPI utilities: attach Outlook's own MAPI session to the component, and drop what the
// component keeps between uses.
#include <memory>

#include "corvane/access/access_object.h"
#include "corvane/access/component_state.h"
#include "corvane/access/progids.h"

namespace corvane::access {

class MAPIUtils : public AccessObject {
public:
    static constexpr std::string_view ProgId = progid::MAPIUtils;
    explicit MAPIUtils(std::shared_ptr<ComponentState> state) : state_(std::move(state)) {}

    // Drops the attached session and whatever else the component keeps between uses.
    // Never fails.
    void CleanUp() noexcept;
    std::shared_ptr<mapi::Session> MAPIOBJECT() const noexcept { return state_->attachedSession; }
    // Attaches a session (Outlook's NameSpace.MAPIOBJECT) until the next CleanUp.
    void SetMAPIOBJECT(std::shared_ptr<mapi::Session> session);

private:
    std::shared_ptr<ComponentState> state_;
};

}  // namespace corvane::access
