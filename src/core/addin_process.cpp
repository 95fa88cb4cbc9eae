#include "corvane/core/addin_process.h"

#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/inspector.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/version.h"

namespace corvane::core {

AddinProcess::AddinProcess(const platform::Host& h, std::shared_ptr<access::ComponentFactory> a)
    : host(h), access(a ? std::move(a) : std::make_shared<access::ComponentFactory>()) {}

AddinProcess::~AddinProcess() = default;

settings::modRegKeys AddinProcess::regKeys() {
    return settings::modRegKeys(store(), [this] { return cvAccountsEmailAddress(*this); });
}

const std::string& OutlookVersion(AddinProcess& process) {
    const auto& app = vb::Need(process.gOutlook);
    if (process.versionReadFrom.lock() != app) {
        process.versionRead = app->Version();
        process.versionReadFrom = app;
    }
    return process.versionRead;
}

std::string OutlookMajorVersion(AddinProcess& process) {
    return platform::OutlookMajorVersion(OutlookVersion(process));
}

int OutlookMajorVersionNumber(AddinProcess& process) {
    return platform::OutlookMajorVersionNumber(OutlookVersion(process)).value_or(0);
}

const std::shared_ptr<outlook::Application>& EnsureOutlook(AddinProcess& process) {
    if (!process.gOutlook) {
        if (process.runningOutlook) process.gOutlook = process.runningOutlook();
        if (!process.gOutlook) throw platform::PlatformError(platform::errors::CannotCreateObject);
    }
    return process.gOutlook;
}

bool NoActiveInspector(AddinProcess& process) {
    platform::IgnoreErrors([&] { EnsureOutlook(process); });
    // Activating the active Inspector fails when there is none (Nothing) or it has closed.
    return !platform::IgnoreErrors([&] { vb::Need(vb::Need(process.gOutlook)->ActiveInspector())->Activate(); });
}

}  // namespace corvane::core
