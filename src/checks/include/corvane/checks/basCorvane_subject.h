#pragma once
// The subject checks of basCorvane as the add-in calls them: cvOldSubject and
// cvRemoveSpamMarks when a reply or forward is created (before its window opens),
// cvEmptySubjectCheck when the message window sends. Each reads its settings at the call,
// shows its dialog through the process's Ui and handles its own failures: a module error
// message for the reply-time checks, a check error message for the send-time one.
#include <memory>
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::checks::basCorvane {

// When the answered message arrived more than OldEmailDays calendar days ago, asks
// whether the reply's subject is still right. Returns the subject the user typed (also
// written to the reply), or "CV_NoChange_CV" when the subject was left alone, the check is
// off, a reply is being turned into a reply to all, or something failed.
std::string cvOldSubject(core::AddinProcess& process, const std::shared_ptr<outlook::MailItem>& answered,
                         const std::shared_ptr<outlook::Item>& reply);

// Deletes the anti-spam marks from a new reply's or forward's subject, collapses repeated
// prefixes (Tags.txt of the add-in folder, or "RE: " and "FW: "), tidies the blanks and,
// when marks were deleted and the user wants to be asked, offers the result first. Always
// writes the subject and returns what it wrote. While a reply is being turned into a reply
// to all it writes nothing and returns the subject as it is; after a failure it returns
// "CV_NoChange_CV".
std::string cvRemoveSpamMarks(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item);

// Asks for a subject when the outgoing message has none. Cancel (by reference) is set when
// the user goes back to the message; otherwise the entered text, even an empty one,
// becomes the subject. Never clears Cancel.
void cvEmptySubjectCheck(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, bool& Cancel);

}  // namespace corvane::checks::basCorvane
