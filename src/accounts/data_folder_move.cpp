#include "corvane/accounts/data_folder_move.h"

#include "corvane/addin/vb_errors.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/folders.h"

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

bool MoveCorvaneDataFolder(addin::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder) {
    auto inbox = addin::vb::Need(addin::vb::Need(p.gOutlook)->GetNamespace("MAPI")->GetDefaultFolder(outlook::olfolder::Inbox));
    auto root = addin::vb::Need(std::dynamic_pointer_cast<outlook::Folder>(inbox->Parent()));

    auto newParent = Child(root, NewDataParent);
    const bool dataFolderThere = Child(newParent, DataFolderName) != nullptr;
    if (!newParent) newParent = addin::vb::Need(root->Folders()->Add(NewDataParent, -1));
    if (dataFolderThere) return true;
    return platform::IgnoreErrors([&] { addin::vb::Need(oldFolder)->MoveTo(newParent); });
}

}  // namespace corvane::accounts
