#include "corvane/addin/window_registry.h"

#include "corvane/addin/explorer_wrap.h"
#include "corvane/addin/insp_wrap.h"
#include "corvane/addin/vb_errors.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/outlook/inspector.h"
#include "corvane/platform/outlook/items.h"

namespace corvane::addin {

void AddExpl(AddinProcess& process, const std::shared_ptr<outlook::Explorer>& objExpl) {
    auto wrap = ExplorerWrap::Create(process);
    wrap->Explorer(objExpl);
    wrap->Key(process.gintExplKey);
    process.explorerWrappers().Add(wrap, std::to_string(process.gintExplKey));
    wrap->InitButton();
    vb::Increment(process.gintExplKey);
}

void KillExpl(AddinProcess& process, std::int16_t intKey, const ExplorerWrap* objExplWrap) {
    const std::string key = std::to_string(intKey);
    auto& registry = process.explorerWrappers();
    if (registry.Item(key).get() != objExplWrap) throw vb::Raise(1, "Unexpected Error in KillExpl");
    registry.Remove(key);
}

std::string AddInsp(AddinProcess& process, const std::shared_ptr<outlook::Inspector>& objInspector) {
    using platform::IgnoreErrors;
    std::shared_ptr<clsInspWrap> wrap;
    IgnoreErrors([&] { wrap = clsInspWrap::Create(process); });
    IgnoreErrors([&] { vb::Need(wrap)->Inspector(objInspector); });
    IgnoreErrors([&] {
        auto item = vb::Need(objInspector)->CurrentItem();
        switch (vb::Need(item)->Class()) {
            case outlook::olclass::Mail:
                wrap->MailItem(std::dynamic_pointer_cast<outlook::MailItem>(item));
                break;
            case outlook::olclass::Contact:
                wrap->ContactItem(std::dynamic_pointer_cast<outlook::ContactItem>(item));
                break;
            case outlook::olclass::Post:
                wrap->PostItem(std::dynamic_pointer_cast<outlook::PostItem>(item));
                break;
            default:
                break;
        }
    });
    std::string key;
    IgnoreErrors([&] { vb::Need(wrap)->Key(process.gintInspKey); });
    IgnoreErrors([&] { key = std::to_string(process.gintInspKey); });
    IgnoreErrors([&] { process.inspectorWrappers().Add(vb::Need(wrap), key); });
    IgnoreErrors([&] { vb::Need(wrap)->InitButton(); });
    IgnoreErrors([&] { vb::Increment(process.gintInspKey); });
    return key;
}

void KillInsp(AddinProcess& process, std::int16_t intKey, const clsInspWrap* objInspWrap) {
    platform::IgnoreErrors([&] {
        const std::string key = std::to_string(intKey);
        auto& registry = process.inspectorWrappers();
        if (registry.Item(key).get() != objInspWrap) throw vb::Raise(1, "Unexpected Error in KillInsp");
        registry.Remove(key);
    });
}

}  // namespace corvane::addin
