#include "response_checks.h"

#include "corvane/platform/conventions.h"

namespace corvane::addin {

using platform::IgnoreErrors;

void CheckForward(Process& p, const std::shared_ptr<outlook::Item>& forward) {
    IgnoreErrors([&] { p.subsystems.responses->cvRemoveSpamMarks(p, forward); });
}

void CheckReply(Process& p, const std::shared_ptr<outlook::MailItem>& mail,
                const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    auto& checks = *p.subsystems.responses;
    IgnoreErrors([&] {
        checks.cvOldSubject(p, mail, response);
        const std::string subject = checks.cvRemoveSpamMarks(p, response);
        checks.cvReplyCheck(p, mail, cancel, subject);
    });
}

void CheckReplyAll(Process& p, const std::shared_ptr<outlook::MailItem>& mail,
                   const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    auto& checks = *p.subsystems.responses;
    IgnoreErrors([&] {
        checks.cvOldSubject(p, mail, response);
        checks.cvRemoveSpamMarks(p, response);
        checks.cvReplyAllCheck(p, mail, cancel, response);
    });
}

}  // namespace corvane::addin
