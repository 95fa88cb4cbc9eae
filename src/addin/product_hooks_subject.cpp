#include "corvane/addin/product_hooks.h"
#include "corvane/checks/basCorvane_attach.h"
#include "corvane/checks/basCorvane_subject.h"

namespace corvane::addin {

std::string ProductHooks::cvOldSubject(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                                       const std::shared_ptr<outlook::Item>& response) {
    return checks::basCorvane::cvOldSubject(p, mail, response);
}
std::string ProductHooks::cvRemoveSpamMarks(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return checks::basCorvane::cvRemoveSpamMarks(p, item);
}
void ProductHooks::cvEmptySubjectCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    checks::basCorvane::cvEmptySubjectCheck(p, item, cancel);
}
void ProductHooks::cvAttachMissingCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    checks::basCorvane::cvAttachMissingCheck(p, item, cancel);
}

}  // namespace corvane::addin
