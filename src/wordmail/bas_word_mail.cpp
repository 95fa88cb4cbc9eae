#include "corvane/wordmail/bas_word_mail.h"

#include "corvane/access/factory.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/word.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/file_system.h"
#include "corvane/text/text.h"

namespace corvane::wordmail {
namespace {

using platform::IgnoreErrors;
using platform::PlatformError;

// The Word application behind the Inspector's editor. From the late Outlook 2002 build on,
// Outlook's own WordEditor is guarded, so Word is reached through the secure Inspector.
std::shared_ptr<outlook::word::Application> WordOf(WordTemplate& t, core::AddinProcess& p,
                                                   const std::shared_ptr<outlook::Inspector>& inspector) {
    std::shared_ptr<outlook::word::Document> editor;
    if (t.IsOutlook2002LateBuild(p)) {
        auto safe = access::CreateAccessObject<access::SafeInspector>(*p.access);
        safe->SetItem(inspector);
        editor = safe->WordEditor();
    } else {
        editor = core::vb::Need(inspector)->WordEditor();
    }
    return core::vb::Need(core::vb::Need(editor)->Application());
}

// The template's full path: the add-in's folder followed by "\Corvane.dot".
std::string TemplatePath(core::AddinProcess& p, const std::string& templateName) {
    return p.host.system.addinFolder() + templateName;
}

// The add-in's name inside Word: the file name without its last four characters (".dot").
std::string AddinName(const std::string& templateName) {
    std::string name = templateName;
    if (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.erase(0, 1);
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

}  // namespace

long VersionBuild(std::string_view versionText) {
    const auto dot = versionText.rfind('.');
    const auto last = dot == std::string_view::npos ? versionText : versionText.substr(dot + 1);
    const auto n = text::wholeNumber(last);
    return n && *n > 0 && *n < 1'000'000'000 ? static_cast<long>(*n) : 0;
}

void WordTemplate::LoadAddin(core::AddinProcess& p, const std::shared_ptr<outlook::Inspector>& inspector,
                             const std::string& templateName) {
    std::shared_ptr<outlook::word::Application> word;
    if (!IgnoreErrors([&] { word = WordOf(*this, p, inspector); })) return;
    IgnoreErrors([&] {
        const std::string path = TemplatePath(p, templateName);
        auto addIns = core::vb::Need(word->AddIns());
        std::shared_ptr<outlook::word::AddIn> addIn;
        try {
            addIn = addIns->Item(path);
        } catch (const PlatformError&) {
            // Not listed under its full path: look for it by name, and add the file when
            // Word does not know it at all. Without the file nothing is loaded.
            if (!p.host.files.fileExists(path)) return;
            try {
                addIn = addIns->Item(AddinName(templateName));
            } catch (const PlatformError&) {
                addIn = addIns->Add(path, true);
            }
        }
        if (!core::vb::Need(addIn)->Installed()) addIn->SetInstalled(true);
    });
}

void WordTemplate::TemplateMarkSaved(core::AddinProcess& p, const std::shared_ptr<outlook::Inspector>& inspector,
                                     const std::string& templateName) {
    IgnoreErrors([&] {
        auto word = WordOf(*this, p, inspector);
        core::vb::Need(core::vb::Need(word->Templates())->Item(TemplatePath(p, templateName)))->SetSaved(true);
    });
}

bool WordTemplate::IsOutlook2002LateBuild(core::AddinProcess& p) {
    core::EnsureOutlook(p);
    return VersionBuild(core::OutlookVersion(p)) >= 6515 && core::OutlookMajorVersion(p) == "10";
}

}  // namespace corvane::wordmail
