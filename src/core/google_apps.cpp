#include "corvane/core/google_apps.h"

#include "corvane/access/rdo_session.h"
#include "corvane/core/profile_session.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::core {

bool IsGoogleAppsProfile(AddinProcess& process) {
    bool found = false;
    try {
        auto session = OpenProfileSession(process);
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
