#include "corvane/addin/product_hooks.h"
#include "corvane/checks/basCorvane_reply.h"

namespace corvane::addin {

namespace reply = checks::basCorvane;

std::string ProductHooks::cvAccountsEmailAddress(core::AddinProcess& p) { return reply::cvAccountsEmailAddress(p); }
void ProductHooks::cvReplyCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                const std::string& newSubject) {
    reply::cvReplyCheck(p, mail, cancel, newSubject);
}
void ProductHooks::cvReplyAllCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                   const std::shared_ptr<outlook::Item>& response) {
    reply::cvReplyAllCheck(p, mail, cancel, response);
}
void ProductHooks::DeleteUserProperties(core::AddinProcess&, const std::shared_ptr<outlook::Item>& item,
                                        const std::string& name) {
    reply::DeleteUserProperties(item, name);
}

}  // namespace corvane::addin
