#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

std::string ProductHooks::cvAccountsEmailAddress(AddinProcess& p) { return Hooks::cvAccountsEmailAddress(p); }
void ProductHooks::cvReplyCheck(AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                const std::string& newSubject) {
    Hooks::cvReplyCheck(p, mail, cancel, newSubject);
}
void ProductHooks::cvReplyAllCheck(AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                   const std::shared_ptr<outlook::Item>& response) {
    Hooks::cvReplyAllCheck(p, mail, cancel, response);
}
void ProductHooks::DeleteUserProperties(AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                        const std::string& name) {
    Hooks::DeleteUserProperties(p, item, name);
}

}  // namespace corvane::addin
