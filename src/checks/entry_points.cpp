#include "corvane/checks/entry_points.h"

#include "corvane/checks/basCorvane_attach.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/checks/basCorvane_send.h"
#include "corvane/checks/basCorvane_subject.h"

namespace corvane::checks {

namespace bas = basCorvane;

std::string ResponseChecks::cvOldSubject(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                                         const std::shared_ptr<outlook::Item>& response) {
    return bas::cvOldSubject(p, mail, response);
}
std::string ResponseChecks::cvRemoveSpamMarks(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return bas::cvRemoveSpamMarks(p, item);
}
void ResponseChecks::cvReplyCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                  const std::string& newSubject) {
    bas::cvReplyCheck(p, mail, cancel, newSubject);
}
void ResponseChecks::cvReplyAllCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                                     bool& cancel, const std::shared_ptr<outlook::Item>& response) {
    bas::cvReplyAllCheck(p, mail, cancel, response);
}
void ResponseChecks::DeleteUserProperties(core::AddinProcess&, const std::shared_ptr<outlook::Item>& item,
                                          const std::string& name) {
    bas::DeleteUserProperties(item, name);
}

void MessageWindowChecks::cvEmptySubjectCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                              bool& cancel) {
    bas::cvEmptySubjectCheck(p, item, cancel);
}
void MessageWindowChecks::cvAttachMissingCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                               bool& cancel) {
    bas::cvAttachMissingCheck(p, item, cancel);
}

Confirmation SendEventChecks::ConfirmSend(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return bas::ConfirmSend(p, item);
}
bool SendEventChecks::ConfirmRecipientCount(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    return bas::ConfirmRecipientCount(p, item);
}
void SendEventChecks::cvDelayEmailSending(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                          bool& cancel) {
    bas::cvDelayEmailSending(p, item, cancel);
}

}  // namespace corvane::checks
