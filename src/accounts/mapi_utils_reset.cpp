// The two small item procedures used around every resolution.
#include "corvane/access/factory.h"
#include "corvane/access/mapi_utils.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"

namespace corvane::accounts {

void ResetMapiUtils(core::AddinProcess& process) {
    // The component keeps MAPI state between objects (an attached Outlook session); one
    // short-lived utilities object drops it. Nothing here may disturb the caller.
    platform::IgnoreErrors([&] {
        auto utils = access::CreateAccessObject<access::MAPIUtils>(*process.access);
        utils->CleanUp();
    });
}

bool EntryIdFails(const std::shared_ptr<outlook::Item>& item) {
    if (!item) return true;
    try {
        (void)item->EntryID();
        return false;
    } catch (const platform::PlatformError&) {
        // A sent, moved or deleted item fails every member.
        return true;
    }
}

}  // namespace corvane::accounts
