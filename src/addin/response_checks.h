#pragma once
// What a window wrapper runs when the mail item it follows is answered, once it has found
// that the answer is its own to check. Errors are ignored: a failed check never stops the
// response.
#include <memory>

#include "corvane/addin/subsystems.h"

namespace corvane::addin {

void CheckForward(Process& process, const std::shared_ptr<outlook::Item>& forward);
void CheckReply(Process& process, const std::shared_ptr<outlook::MailItem>& mail,
                const std::shared_ptr<outlook::Item>& response, bool& cancel);
void CheckReplyAll(Process& process, const std::shared_ptr<outlook::MailItem>& mail,
                   const std::shared_ptr<outlook::Item>& response, bool& cancel);

}  // namespace corvane::addin
