#include "corvane/addin/window_registry.h"

#include "corvane/addin/explorer_wrap.h"
#include "corvane/addin/insp_wrap.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"

namespace corvane::addin {

void AddExpl(Process& process, const std::shared_ptr<outlook::Explorer>& objExpl) {
    auto wrap = ExplorerWrap::Create(process);
    wrap->Explorer(objExpl);
    wrap->Key(process.gintExplKey);
    process.explorerWrappers().Add(wrap, std::to_string(process.gintExplKey));
    wrap->InitButton();
    core::vb::Increment(process.gintExplKey);
}

void KillExpl(Process& process, std::int16_t intKey, const ExplorerWrap* objExplWrap) {
    const std::string key = std::to_string(intKey);
    auto& registry = process.explorerWrappers();
    if (registry.Item(key).get() != objExplWrap) throw platform::PlatformError(1, "Unexpected Error in KillExpl");
    registry.Remove(key);
}

std::string AddInsp(Process& process, const std::shared_ptr<outlook::Inspector>& objInspector) {
    using platform::IgnoreErrors;
    std::shared_ptr<clsInspWrap> wrap;
    IgnoreErrors([&] { wrap = clsInspWrap::Create(process); });
    IgnoreErrors([&] { core::vb::Need(wrap)->Inspector(objInspector); });
    IgnoreErrors([&] {
        auto item = core::vb::Need(objInspector)->CurrentItem();
        switch (core::vb::Need(item)->Class()) {
            case outlook::olclass::Mail: wrap->MailItem(std::dynamic_pointer_cast<outlook::MailItem>(item)); break;
            case outlook::olclass::Contact:
                wrap->ContactItem(std::dynamic_pointer_cast<outlook::ContactItem>(item));
                break;
            case outlook::olclass::Post: wrap->PostItem(std::dynamic_pointer_cast<outlook::PostItem>(item)); break;
            default: break;
        }
    });
    std::string key;
    IgnoreErrors([&] { core::vb::Need(wrap)->Key(process.gintInspKey); });
    IgnoreErrors([&] { key = std::to_string(process.gintInspKey); });
    IgnoreErrors([&] { process.inspectorWrappers().Add(core::vb::Need(wrap), key); });
    IgnoreErrors([&] { core::vb::Need(wrap)->InitButton(); });
    IgnoreErrors([&] { core::vb::Increment(process.gintInspKey); });
    return key;
}

void KillInsp(Process& process, std::int16_t intKey, const clsInspWrap* objInspWrap) {
    platform::IgnoreErrors([&] {
        const std::string key = std::to_string(intKey);
        auto& registry = process.inspectorWrappers();
        if (registry.Item(key).get() != objInspWrap) throw platform::PlatformError(1, "Unexpected Error in KillInsp");
        registry.Remove(key);
    });
}

}  // namespace corvane::addin
