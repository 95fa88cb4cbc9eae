#include "corvane/checks/basCorvane_reply.h"
#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

std::string cvGetUserEmails(core::AddinProcess& p) {
    try {
        auto keys = p.regKeys();
        // Outlook 2000 cannot list its accounts' addresses; the stored list stands in.
        if (keys.UseOutlookSettings() && core::OutlookMajorVersion(p) != "9")
            return text::trim(cvAccountsEmailAddress(p));
        return text::trim(keys.EmailList());
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvGetUserEmails", e);
        return "";
    }
}

}  // namespace corvane::checks::basCorvane
