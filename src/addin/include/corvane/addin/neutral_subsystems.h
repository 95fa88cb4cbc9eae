#pragma once
// The subsystems the add-in proper calls that are not built yet: the ribbon and menus,
// the settings file and the settings wizard. Each
// call does nothing, or returns its neutral value; a subsystem's interface moves to its
// own folder, with the product's behaviour as its bodies, when the subsystem is built.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"
#include "corvane/resources/resource_library.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::addin {

// The ribbon, the menus of older Outlook and the six commands behind both.
class Menus {
public:
    virtual ~Menus() = default;
    // Removes the product submenu from every registered Explorer (add-in switched off).
    virtual void SendTo_RemoveExplMenu(core::AddinProcess&, const std::string& /*name*/) {}
    // Builds the menu of a newly registered Explorer; what it returns (the buttons and
    // their click sinks) lives as long as the Explorer's wrapper.
    virtual std::shared_ptr<void> BuildExplorerMenu(core::AddinProcess&, const std::shared_ptr<outlook::Explorer>&) {
        return nullptr;
    }
    // The ribbon XML Outlook asks for, "" for ribbons the add-in leaves alone.
    virtual std::string GetCustomUI(core::AddinProcess&, std::string_view /*ribbonId*/) { return ""; }
    virtual void CommandQuenlowList(core::AddinProcess&) {}
    virtual void CommandSettings(core::AddinProcess&) {}
    virtual void CommandCheckForUpdates(core::AddinProcess&) {}
    virtual void CommandContactSupport(core::AddinProcess&) {}
    virtual void CommandHelp(core::AddinProcess&) {}
    virtual void CommandAbout(core::AddinProcess&) {}
};

// The settings file, read at start-up right after the machine-wide preset is applied.
class SettingsFile {
public:
    virtual ~SettingsFile() = default;
    virtual void LoadSettingsFile(core::AddinProcess&) {}
};

// The settings wizard, shown modally at the first start with the start-page picture.
class Wizard {
public:
    virtual ~Wizard() = default;
    virtual void ShowStartupWizard(core::AddinProcess&, const std::optional<resources::ResourceBitmap>&) {}
};

}  // namespace corvane::addin
