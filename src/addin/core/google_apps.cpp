#include "corvane/addin/google_apps.h"

#include "corvane/addin/vb_errors.h"
#include "corvane/platform/error.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/text.h"

namespace corvane::addin {

bool IsGoogleAppsProfile(AddinProcess& process) {
    bool found = false;
    try {
        // Outlook 2000 has no MAPIOBJECT to hand over: the session logs on by itself.
        auto session = OutlookMajorVersion(process) == "9"
                           ? process.access->RDOSessionLogon()
                           : process.access->RDOSessionFor(vb::Need(process.gOutlook)->GetNamespace("MAPI"));
        if (!vb::Need(session)->LoggedOn()) return false;
        for (const auto& store : session->Stores()) {
            process.host.ui.doEvents();
            const std::string path = vb::Need(vb::Need(store)->IPMRootFolder())->FolderPath();
            if (text::containsNoCase(path, "\\\\google")) return found = true;
            const auto user = session->CurrentUser();
            if (user && text::equalsNoCase(user->Type(), "GOOG")) return found = true;
        }
    } catch (const platform::PlatformError&) {
    }
    return found;
}

}  // namespace corvane::addin
