#include "corvane/accounts/address_resolution.h"
#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

std::string ProductHooks::RecipientEmail(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, int index) {
    // The window's own-address removal asks quietly, without Word's MAPI binding.
    return accounts::RecipientEmail(p, item, index);
}
bool ProductHooks::EntryIdFails(core::AddinProcess&, const std::shared_ptr<outlook::Item>& item) {
    return accounts::EntryIdFails(item);
}
void ProductHooks::ResetMapiUtils(core::AddinProcess& p) { accounts::ResetMapiUtils(p); }

}  // namespace corvane::addin
