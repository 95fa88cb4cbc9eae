#pragma once
// The RDO session: bind it to Outlook's session (MAPIOBJECT = NameSpace.MAPIOBJECT) or
// let it log on to the profile itself (Logon, the way for Outlook 2000), then reach the
// stores, the ordered accounts, messages by entry id and .msg files. A session it logged
// on itself is logged off when the object is released; Outlook's session never is.
#include <memory>
#include <string_view>

#include "corvane/access/access_object.h"
#include "corvane/access/component_state.h"
#include "corvane/access/progids.h"
#include "corvane/access/rdo_objects.h"

namespace corvane::access {

class RDOSession : public AccessObject, public std::enable_shared_from_this<RDOSession> {
public:
    static constexpr std::string_view ProgId = progid::RDOSession;
    explicit RDOSession(std::shared_ptr<ComponentState> state) : state_(std::move(state)) {}
    ~RDOSession() override;
    RDOSession(const RDOSession&) = delete;
    RDOSession& operator=(const RDOSession&) = delete;

    std::shared_ptr<mapi::Session> MAPIOBJECT() const noexcept { return session_; }
    // Binds to an open session (Outlook's); nullptr fails.
    void SetMAPIOBJECT(std::shared_ptr<mapi::Session> session);
    // Opens a session of its own on the current profile; nothing to do when bound.
    void Logon();
    void Logoff();
    bool LoggedOn();

    std::shared_ptr<RDOStores> Stores();
    std::shared_ptr<AddressEntry> CurrentUser();
    std::shared_ptr<RDOAccounts> Accounts();
    // An empty store id searches every store; a missing message fails with
    // MAPI_E_NOT_FOUND.
    std::shared_ptr<RDOMail> GetMessageFromID(std::string_view entryId, std::string_view storeId = {});
    std::shared_ptr<RDOFolder> GetDefaultFolder(int folderType);
    std::shared_ptr<RDOMail> GetMessageFromMsgFile(std::string_view path);

private:
    mapi::Session& Bound(std::string_view member) const;

    std::shared_ptr<ComponentState> state_;
    std::shared_ptr<mapi::Session> session_;
    bool ownLogon_ = false;
};

}  // namespace corvane::access
