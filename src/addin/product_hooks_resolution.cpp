#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

std::string ProductHooks::RecipientEmail(AddinProcess& p, const std::shared_ptr<outlook::Item>& item, int index) {
    return Hooks::RecipientEmail(p, item, index);
}
bool ProductHooks::EntryIdFails(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return Hooks::EntryIdFails(p, item);
}
void ProductHooks::ResetMapiUtils(AddinProcess& p) { Hooks::ResetMapiUtils(p); }

}  // namespace corvane::addin
