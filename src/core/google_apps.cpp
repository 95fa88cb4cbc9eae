#include "corvane/core/google_apps.h"

#include "corvane/access/rdo_session.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::core {

bool IsGoogleAppsProfile(AddinProcess& process) {
    bool found = false;
    try {
        auto session = access::CreateAccessObject<access::RDOSession>(*process.access);
        // Outlook 2000 has no MAPIOBJECT to hand over: the session logs on by itself.
        if (OutlookMajorVersion(process) == "9")
            session->Logon();
        else
            session->SetMAPIOBJECT(vb::Need(process.gOutlook)->GetNamespace("MAPI")->MAPIOBJECT());
        if (!session->LoggedOn()) return false;
        auto stores = session->Stores();
        for (int i = 1; i <= stores->Count(); ++i) {
            process.host.ui.doEvents();
            auto store = stores->Item(i);
            if (text::containsNoCase(vb::Need(store->IPMRootFolder())->FolderPath(), "\\\\google"))
                return found = true;
            auto user = store->Session()->CurrentUser();
            if (user && text::equalsNoCase(user->Type(), "GOOG")) return found = true;
        }
    } catch (const platform::PlatformError&) {
    }
    return found;
}

}  // namespace corvane::core
