#include "folder_lookup.h"

#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/platform/conventions.h"

namespace corvane::accounts {

std::shared_ptr<outlook::Folder> MailboxRoot(core::AddinProcess& p) {
    auto inbox = core::vb::Need(
        core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->GetDefaultFolder(outlook::olfolder::Inbox));
    return core::vb::Need(std::dynamic_pointer_cast<outlook::Folder>(inbox->Parent()));
}

std::shared_ptr<outlook::Folder> ChildFolder(const std::shared_ptr<outlook::Folder>& parent, std::string_view name) {
    std::shared_ptr<outlook::Folder> found;
    if (parent) platform::IgnoreErrors([&] { found = parent->Folders()->Item(name); });
    return found;
}

}  // namespace corvane::accounts
