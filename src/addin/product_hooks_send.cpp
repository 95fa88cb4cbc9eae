#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

Confirmation ProductHooks::ConfirmSend(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return Hooks::ConfirmSend(p, item);
}
bool ProductHooks::ConfirmRecipientCount(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return Hooks::ConfirmRecipientCount(p, item);
}
void ProductHooks::cvDelayEmailSending(AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    Hooks::cvDelayEmailSending(p, item, cancel);
}

}  // namespace corvane::addin
