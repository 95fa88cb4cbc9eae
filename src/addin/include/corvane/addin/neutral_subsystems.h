#pragma once
// The subsystems the add-in proper calls that are not built yet: the settings file, the
// update check and the Word template. Each call does nothing, or returns its neutral
// value; a subsystem's interface moves to its own folder, with the product's behaviour as
// its bodies, when the subsystem is built.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::addin {

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
