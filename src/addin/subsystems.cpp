#include "corvane/addin/subsystems.h"

#include "corvane/addin/explorer_wrap.h"
#include "corvane/addin/insp_wrap.h"
#include "corvane/checks/basCorvane_reply.h"

namespace corvane::addin {

Process::Process(const platform::Host& h, Subsystems s, std::shared_ptr<access::ComponentFactory> a)
    : core::AddinProcess(h, std::move(a)), subsystems(std::move(s)) {
    cvAccountsEmailAddress = [](core::AddinProcess& p) { return checks::basCorvane::cvAccountsEmailAddress(p); };
    if (subsystems.menus)
        subsystems.menus->setTargets({subsystems.prefAccount, subsystems.wizard, subsystems.updateCheck});
}

core::WrapperCollection<ExplorerWrap>& Process::explorerWrappers() {
    if (!gcolExplWrap) gcolExplWrap = std::make_shared<core::WrapperCollection<ExplorerWrap>>();
    return *gcolExplWrap;
}

core::WrapperCollection<clsInspWrap>& Process::inspectorWrappers() {
    if (!gcolInspWrap) gcolInspWrap = std::make_shared<core::WrapperCollection<clsInspWrap>>();
    return *gcolInspWrap;
}

}  // namespace corvane::addin
