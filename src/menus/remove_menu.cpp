// SendTo_RemoveExplMenu: the add-in is switched off and takes its menu away.
#include "corvane/core/vb_errors.h"
#include "corvane/menus/menu_names.h"
#include "corvane/menus/menus.h"
#include "corvane/outlook/explorer.h"
#include "corvane/platform/conventions.h"

namespace corvane::menus {

using platform::IgnoreErrors;

void Menus::SendTo_RemoveExplMenu(core::AddinProcess& p,
                                  const std::vector<std::shared_ptr<outlook::Explorer>>& explorers,
                                  const std::string& name) {
    std::string brandName;
    IgnoreErrors([&] { brandName = BrandMenuName(p); });
    const SubmenuPath path = SplitSubmenuPath(name);
    for (const auto& explorer : explorers) {
        IgnoreErrors([&] { core::vb::Need(explorer)->Display(); });
        std::shared_ptr<outlook::CommandBarPopup> brand;
        IgnoreErrors([&] {
            brand = std::dynamic_pointer_cast<outlook::CommandBarPopup>(
                explorer->CommandBars()->Item("Menu Bar")->Controls()->Item(brandName));
        });
        if (!brand) continue;
        std::shared_ptr<outlook::CommandBarPopup> container = path.parent ? nullptr : brand;
        if (path.parent) {
            IgnoreErrors([&] {
                container = std::dynamic_pointer_cast<outlook::CommandBarPopup>(brand->Controls()->Item(*path.parent));
            });
        }
        IgnoreErrors([&] { core::vb::Need(container)->Controls()->Item(path.name)->Delete(); });
        IgnoreErrors([&] {
            if (brand->Controls()->Count() == 0) brand->Delete();
        });
    }
}

}  // namespace corvane::menus
