#pragma once
// The ribbon, the menus of older Outlook and the six commands behind both: the preferred
// send-account list, the settings, the update check, support, help and the About box.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/accounts/entry_points.h"
#include "corvane/menus/explorer_buttons.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/fwd.h"
#include "corvane/update/update_check.h"
#include "corvane/wizard/wizard.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::menus {

class Menus {
public:
    virtual ~Menus() = default;

    // What the commands open that belongs to other subsystems; the add-in's wiring hands
    // over its own objects. Held weakly: the subsystems own one another through the
    // add-in's wiring, not through the menus (a command whose target is gone does nothing).
    struct Targets {
        std::weak_ptr<accounts::PreferredAccount> prefAccount;
        std::weak_ptr<wizard::Wizard> wizard;
        std::weak_ptr<update::UpdateCheck> updateCheck;
    };
    void setTargets(Targets targets) { targets_ = std::move(targets); }

    // The ribbon XML Outlook asks for: the tab on the Explorer ribbon, "" for every other
    // ribbon.
    virtual std::string GetCustomUI(core::AddinProcess& process, std::string_view ribbonId);
    // Outlook hands over the ribbon object once the tab is loaded; it is kept.
    virtual void Ribbon_OnLoad(core::AddinProcess& process, const std::shared_ptr<outlook::RibbonUI>& ribbon);

    // ExplorerWrap.InitButton: the brand menu, the product submenu and its six buttons in
    // the menu bar of a newly registered Explorer, before Outlook 2013 (none from then on:
    // nullptr). What it returns lives as long as the Explorer's wrapper. Errors leave the
    // menu incomplete without a message.
    virtual std::shared_ptr<ExplorerButtons> BuildExplorerMenu(core::AddinProcess& process,
                                                               const std::shared_ptr<outlook::Explorer>& explorer);
    // The add-in is switched off: the product submenu `name` (resource 523, "Parent/Name"
    // names it inside a parent submenu) goes from the brand menu of every registered
    // Explorer, and the brand menu too when that leaves it empty.
    virtual void SendTo_RemoveExplMenu(core::AddinProcess& process,
                                       const std::vector<std::shared_ptr<outlook::Explorer>>& explorers,
                                       const std::string& name);

    // The six commands, reached from the ribbon and from the menu.
    virtual void CommandQuenlowList(core::AddinProcess& process);
    virtual void CommandSettings(core::AddinProcess& process);
    virtual void CommandCheckForUpdates(core::AddinProcess& process);
    virtual void CommandContactSupport(core::AddinProcess& process);
    virtual void CommandHelp(core::AddinProcess& process);
    virtual void CommandAbout(core::AddinProcess& process);

protected:
    Targets targets_;
};

}  // namespace corvane::menus
