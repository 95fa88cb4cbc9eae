#include "corvane/addin/addin_process.h"

#include "corvane/addin/vb_errors.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/inspector.h"
#include "corvane/platform/version.h"

namespace corvane::addin {

AddinProcess::AddinProcess(const platform::Host& hostServices, std::shared_ptr<Hooks> productHooks,
                           std::shared_ptr<access::ComponentFactory> factory)
    : host(hostServices),
      hooks(productHooks ? std::move(productHooks) : std::make_shared<Hooks>()),
      access(factory ? std::move(factory) : std::make_shared<access::ComponentFactory>()) {}

AddinProcess::~AddinProcess() = default;

settings::modRegKeys AddinProcess::regKeys() {
    return settings::modRegKeys(store(), [this] { return hooks->cvAccountsEmailAddress(*this); });
}

WrapperCollection<ExplorerWrap>& AddinProcess::explorerWrappers() {
    if (!gcolExplWrap) gcolExplWrap = std::make_shared<WrapperCollection<ExplorerWrap>>();
    return *gcolExplWrap;
}

WrapperCollection<clsInspWrap>& AddinProcess::inspectorWrappers() {
    if (!gcolInspWrap) gcolInspWrap = std::make_shared<WrapperCollection<clsInspWrap>>();
    return *gcolInspWrap;
}

std::string OutlookMajorVersion(AddinProcess& process) {
    return platform::OutlookMajorVersion(vb::Need(process.gOutlook)->Version());
}

int OutlookMajorVersionNumber(AddinProcess& process) {
    return platform::OutlookMajorVersionNumber(vb::Need(process.gOutlook)->Version()).value_or(0);
}

const std::shared_ptr<outlook::Application>& EnsureOutlook(AddinProcess& process) {
    if (!process.gOutlook) {
        if (process.runningOutlook) process.gOutlook = process.runningOutlook();
        if (!process.gOutlook) throw vb::CannotCreateObject();
    }
    return process.gOutlook;
}

bool NoActiveInspector(AddinProcess& process) {
    platform::IgnoreErrors([&] { EnsureOutlook(process); });
    // Activating the active Inspector fails when there is none (Nothing) or it has closed.
    return !platform::IgnoreErrors([&] { vb::Need(vb::Need(process.gOutlook)->ActiveInspector())->Activate(); });
}

}  // namespace corvane::addin
