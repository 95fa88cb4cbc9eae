#include "corvane/access/rdo_session.h"

#include <string>
#include <utility>

#include "corvane/access/errors.h"
#include "corvane/mapi/objects.h"
#include "corvane/platform/error.h"

namespace corvane::access {

RDOSession::~RDOSession() {
    try {
        Logoff();
    } catch (const platform::PlatformError&) {
        // Releasing never fails; a session that will not log off is simply dropped.
    }
}

mapi::Session& RDOSession::Bound(std::string_view member) const {
    if (!session_) errors::ThrowNotLoggedOn(member);
    return *session_;
}

void RDOSession::SetMAPIOBJECT(std::shared_ptr<mapi::Session> session) {
    if (!session) errors::ThrowTypeMismatch("RDOSession.MAPIOBJECT needs a MAPI session, not Nothing");
    Logoff();
    session_ = std::move(session);
}

void RDOSession::Logon() {
    if (session_) return;
    if (!state_->subsystem) {
        throw platform::PlatformError(platform::errors::MapiLogonFailed,
                                      ": RDOSession.Logon finds no MAPI profile to log on to");
    }
    session_ = state_->subsystem->Logon();
    ownLogon_ = static_cast<bool>(session_);
}

void RDOSession::Logoff() {
    auto session = std::exchange(session_, nullptr);
    if (session && std::exchange(ownLogon_, false)) session->Logoff();
}

bool RDOSession::LoggedOn() { return session_ && session_->LoggedOn(); }

std::shared_ptr<RDOStores> RDOSession::Stores() {
    std::vector<std::shared_ptr<RDOStore>> stores;
    for (auto& store : Bound("Stores").Stores())
        stores.push_back(std::make_shared<RDOStore>(store, shared_from_this()));
    return std::make_shared<RDOStores>("RDOSession.Stores", std::move(stores));
}

std::shared_ptr<AddressEntry> RDOSession::CurrentUser() { return WrapEntry(Bound("CurrentUser").CurrentUser()); }

std::shared_ptr<RDOAccounts> RDOSession::Accounts() {
    return std::make_shared<RDOAccounts>(Bound("Accounts").Accounts());
}

std::shared_ptr<RDOMail> RDOSession::GetMessageFromID(std::string_view entryId, std::string_view storeId) {
    return std::make_shared<RDOMail>(Bound("GetMessageFromID").GetMessageFromID(entryId, storeId));
}

std::shared_ptr<RDOFolder> RDOSession::GetDefaultFolder(int folderType) {
    return std::make_shared<RDOFolder>(Bound("GetDefaultFolder").GetDefaultFolder(folderType));
}

std::shared_ptr<RDOMail> RDOSession::GetMessageFromMsgFile(std::string_view path) {
    return std::make_shared<RDOMail>(Bound("GetMessageFromMsgFile").GetMessageFromMsgFile(path));
}

}  // namespace corvane::access
