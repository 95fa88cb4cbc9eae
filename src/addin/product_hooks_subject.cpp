#include "corvane/addin/product_hooks.h"

namespace corvane::addin {

std::string ProductHooks::cvOldSubject(AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                                       const std::shared_ptr<outlook::Item>& response) {
    return Hooks::cvOldSubject(p, mail, response);
}
std::string ProductHooks::cvRemoveSpamMarks(AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return Hooks::cvRemoveSpamMarks(p, item);
}
void ProductHooks::cvEmptySubjectCheck(AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    Hooks::cvEmptySubjectCheck(p, item, cancel);
}
void ProductHooks::cvAttachMissingCheck(AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    Hooks::cvAttachMissingCheck(p, item, cancel);
}

}  // namespace corvane::addin
