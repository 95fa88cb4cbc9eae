#include "corvane/accounts/data_folder_move.h"
#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

bool ProductHooks::MoveCorvaneDataFolder(core::AddinProcess& p, const std::shared_ptr<outlook::Folder>& oldFolder) {
    return accounts::MoveCorvaneDataFolder(p, oldFolder);
}

}  // namespace corvane::addin
