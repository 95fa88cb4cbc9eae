#pragma once
// The Word template that runs the prompts when Word edits the message (Outlook 2000 to
// 2003): loading it into the Word behind a message window, marking it unchanged, and the
// Outlook 2002 build from which Word is only reached through the secure Inspector.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::wordmail {

// The template's name as the add-in passes it: relative to the add-in's folder.
inline constexpr const char* TemplateName = "\\Corvane.dot";

class WordTemplate {
public:
    virtual ~WordTemplate() = default;
    // Loads and installs the template in the Inspector's Word; every failure is ignored
    // (no Word, no Word editor, no template file: the window works without it).
    virtual void LoadAddin(core::AddinProcess& process, const std::shared_ptr<outlook::Inspector>& inspector,
                           const std::string& templateName);
    // Marks the template unchanged in the Inspector's Word, so that Word never asks to
    // save it; failures end the step silently.
    virtual void TemplateMarkSaved(core::AddinProcess& process, const std::shared_ptr<outlook::Inspector>& inspector,
                                   const std::string& templateName);
    // Outlook 2002 at build 6515 or later.
    virtual bool IsOutlook2002LateBuild(core::AddinProcess& process);
};

// The number after the last "." of a version text ("10.0.0.6515" -> 6515); 0 when it is
// no number.
long VersionBuild(std::string_view versionText);

}  // namespace corvane::wordmail
