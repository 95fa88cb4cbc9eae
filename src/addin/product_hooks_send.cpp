#include "corvane/addin/product_hooks.h"
#include "corvane/checks/basCorvane_send.h"

namespace corvane::addin {

Confirmation ProductHooks::ConfirmSend(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return checks::basCorvane::ConfirmSend(p, item);
}
bool ProductHooks::ConfirmRecipientCount(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return checks::basCorvane::ConfirmRecipientCount(p, item);
}
void ProductHooks::cvDelayEmailSending(AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    checks::basCorvane::cvDelayEmailSending(p, item, cancel);
}

}  // namespace corvane::addin
