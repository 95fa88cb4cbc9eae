// ExplorerWrap.InitButton: the menu of one Explorer, before Outlook 2013.
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/menus/menu_names.h"
#include "corvane/menus/menus.h"
#include "corvane/menus/modCommandBarCode.h"
#include "corvane/outlook/explorer.h"
#include "corvane/platform/conventions.h"
#include "corvane/resources/resource_defaults.h"

namespace corvane::menus {

using platform::IgnoreErrors;
namespace rid = resources::resource_id;

// From this major version on the Explorer has a ribbon and no menu bar of its own.
constexpr int FirstRibbonMajor = 13;
constexpr const char* ProductMenuDefault = "Corvane";

SubmenuPath SplitSubmenuPath(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return {std::nullopt, text};
    return {text.substr(0, slash), text.substr(slash + 1)};
}

std::string BrandMenuName(core::AddinProcess& p) {
    return resources::LoadResourceString(*core::vb::Need(p.gResource), rid::BrandMenuName);
}

std::shared_ptr<ExplorerButtons> Menus::BuildExplorerMenu(core::AddinProcess& p,
                                                          const std::shared_ptr<outlook::Explorer>& explorer) {
    int major = 0;
    IgnoreErrors([&] { major = core::OutlookMajorVersionNumber(p); });
    if (major >= FirstRibbonMajor) return nullptr;
    auto buttons = ExplorerButtons::Create(p, *this);

    std::shared_ptr<outlook::CommandBarControls> menuBar;
    std::shared_ptr<outlook::CommandBarControl> help;
    IgnoreErrors([&] { core::vb::Need(explorer)->Display(); });
    IgnoreErrors([&] { menuBar = explorer->CommandBars()->Item("Menu Bar")->Controls(); });
    IgnoreErrors([&] { help = core::vb::Need(menuBar)->Item("Help"); });

    std::string brandName;
    std::string brandCaption;
    std::string productName;
    SubmenuPath product{std::nullopt, ProductMenuDefault};
    IgnoreErrors([&] {
        auto& resource = *core::vb::Need(p.gResource);
        brandName = resources::LoadResourceString(resource, rid::BrandMenuName);
        brandCaption = resources::LoadResourceString(resource, rid::BrandMenuCaption);
        std::string productMenu;
        if (resource.DLL_LoadString(rid::ProductMenu, productMenu, resources::kMaxResourceStringLength))
            product = SplitSubmenuPath(productMenu);
        productName = resources::LoadResourceString(resource, rid::ProductName);
    });

    std::shared_ptr<outlook::CommandBarPopup> brand;
    IgnoreErrors([&] { brand = std::dynamic_pointer_cast<outlook::CommandBarPopup>(menuBar->Item(brandName)); });
    if (!brand) {
        std::optional<int> before;
        IgnoreErrors([&] { before = help ? help->Index() : core::vb::Need(menuBar)->Count(); });
        brand = GetOrAddPopup(menuBar, brandCaption, before);
    }

    std::shared_ptr<outlook::CommandBarPopup> submenu;
    IgnoreErrors([&] {
        if (product.parent) {
            auto parent = GetOrAddPopup(core::vb::Need(brand)->Controls(), *product.parent);
            IgnoreErrors([&] { core::vb::Need(parent)->SetBeginGroup(true); });
            submenu = GetOrAddPopup(core::vb::Need(parent)->Controls(), product.name);
        } else {
            submenu = GetOrAddPopup(core::vb::Need(brand)->Controls(), product.name);
        }
    });

    using Slot = ExplorerButtons::Slot;
    buttons->Set(Slot::List, GetOrAddButton(submenu, "Quenlow (Preferred) List", std::nullopt, false));
    buttons->Set(Slot::Settings, GetOrAddButton(submenu, "Settings", std::nullopt, false));
    buttons->Set(Slot::CheckUpdate, GetOrAddButton(submenu, "Check for Updates", std::nullopt, true));
    buttons->Set(Slot::Help, GetOrAddButton(submenu, productName + " Help", std::nullopt, false));
    buttons->Set(Slot::ContactSupport, GetOrAddButton(submenu, "Contact Support", std::nullopt, false));
    buttons->Set(Slot::About, GetOrAddButton(submenu, "About " + productName, std::nullopt, true));

    IgnoreErrors([&] { core::vb::Need(explorer)->Display(); });
    IgnoreErrors([&] { core::vb::Need(brand)->SetVisible(true); });
    return buttons;
}

}  // namespace corvane::menus
