#include "resolution_support.h"

#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"

namespace corvane::accounts::detail {

std::string SmtpFromProxies(const std::vector<std::string>& proxies) {
    constexpr std::string_view primary = "SMTP:";
    std::string address;
    for (const auto& proxy : proxies) {
        if (proxy.starts_with(primary)) address = proxy.substr(primary.size());
    }
    return address;
}

void ReportUnresolved(core::AddinProcess& process, const platform::PlatformError& e, bool showError,
                      std::string_view title) {
    if (!showError || e.number() == platform::errors::Unexpected.number) return;
    platform::ShowMessageBox(process.host.ui, "E-mail address cannot be resolved. Please check e-mail address.",
                             platform::mb::ExclamationOk, title);
}

}  // namespace corvane::accounts::detail
