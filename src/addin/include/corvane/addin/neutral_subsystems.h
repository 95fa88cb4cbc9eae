#pragma once
// The subsystems the add-in proper calls that are not built yet: the ribbon and menus,
// the settings file, the update check and the Word template. Each call does nothing, or
// returns its neutral value; a subsystem's interface moves to its own folder, with the
// product's behaviour as its bodies, when the subsystem is built.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"

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

// The update check's question dialog, shown at start-up when the reminder date passed.
class UpdateCheck {
public:
    virtual ~UpdateCheck() = default;
    virtual void ShowConfirmCheckUpdate(core::AddinProcess&) {}
};

// The Word template that runs the prompts when Word edits the message (before 2007).
class WordTemplate {
public:
    virtual ~WordTemplate() = default;
    // Loads the template into the Inspector's Word (when a wrapper is made or first activated).
    virtual void LoadAddin(core::AddinProcess&, const std::shared_ptr<outlook::Inspector>&,
                           const std::string& /*templateName*/) {}
    // Marks the template unchanged (on every activation of a Word-edited window).
    virtual void TemplateMarkSaved(core::AddinProcess&, const std::shared_ptr<outlook::Inspector>&,
                                   const std::string& /*templateName*/) {}
    // Outlook 2002 at build 6515 or later.
    virtual bool IsOutlook2002LateBuild(core::AddinProcess&) { return false; }
};

}  // namespace corvane::addin
