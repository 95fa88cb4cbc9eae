#include "corvane/accounts/data_folder_move.h"

#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/platform/conventions.h"

namespace corvane::accounts {

namespace {

constexpr std::string_view NewDataParent = "Kelderon Settings";
constexpr std::string_view DataFolderName = "Corvane";

// A lookup by name whose failure means "not there".
std::shared_ptr<outlook::Folder> Child(const std::shared_ptr<outlook::Folder>& parent, std::string_view name) {
    std::shared_ptr<outlook::Folder> found;
    if (!parent) return found;
    platform::IgnoreErrors([&] { found = parent->Folders()->Item(name); });
    return found;
}

}  // namespace

bool MoveCorvaneDataFolder(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder) {
    auto inbox = core::vb::Need(
        core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->GetDefaultFolder(outlook::olfolder::Inbox));
    auto root = core::vb::Need(std::dynamic_pointer_cast<outlook::Folder>(inbox->Parent()));

    auto newParent = Child(root, NewDataParent);
    const bool dataFolderThere = Child(newParent, DataFolderName) != nullptr;
    if (!newParent) newParent = core::vb::Need(root->Folders()->Add(NewDataParent, -1));
    if (dataFolderThere) return true;
    return platform::IgnoreErrors([&] { core::vb::Need(oldFolder)->MoveTo(newParent); });
}

}  // namespace corvane::accounts
