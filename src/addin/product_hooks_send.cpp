#include "corvane/addin/product_hooks.h"
#include "corvane/checks/basCorvane_send.h"

namespace corvane::addin {

core::Confirmation ProductHooks::ConfirmSend(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return checks::basCorvane::ConfirmSend(p, item);
}
bool ProductHooks::ConfirmRecipientCount(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return checks::basCorvane::ConfirmRecipientCount(p, item);
}
void ProductHooks::cvDelayEmailSending(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    checks::basCorvane::cvDelayEmailSending(p, item, cancel);
}

}  // namespace corvane::addin
