#include "corvane/accounts/data_folder_move.h"

#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/platform/conventions.h"
#include "folder_lookup.h"

namespace corvane::accounts {

namespace {

constexpr std::string_view NewDataParent = "Kelderon Settings";
constexpr std::string_view DataFolderName = "Corvane";

}  // namespace

bool MoveCorvaneDataFolder(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder) {
    auto root = MailboxRoot(p);
    auto newParent = ChildFolder(root, NewDataParent);
    const bool dataFolderThere = ChildFolder(newParent, DataFolderName) != nullptr;
    if (!newParent) newParent = core::vb::Need(root->Folders()->Add(NewDataParent, -1));
    if (dataFolderThere) return true;
    return platform::IgnoreErrors([&] { core::vb::Need(oldFolder)->MoveTo(newParent); });
}

}  // namespace corvane::accounts
