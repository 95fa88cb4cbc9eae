#include "corvane/core/profile_session.h"

#include "corvane/access/rdo_session.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"

namespace corvane::core {

std::shared_ptr<access::RDOSession> OpenProfileSession(AddinProcess& p) {
    auto session = access::CreateAccessObject<access::RDOSession>(*p.access);
    if (OutlookMajorVersion(p) == "9")
        session->Logon();
    else
        session->SetMAPIOBJECT(vb::Need(p.gOutlook)->GetNamespace("MAPI")->MAPIOBJECT());
    return session;
}

}  // namespace corvane::core
