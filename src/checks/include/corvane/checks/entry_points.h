#pragma once
// The send checks as the add-in proper calls them: one small interface per moment a check
// runs. Each method's body is the product's check; a test derives an interface to observe
// or replace one check, and the add-in's subsystems (corvane/addin/subsystems.h) hold one
// object of each.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::checks {

// The subject routines' marker for "subject left alone".
inline constexpr std::string_view NoSubjectChange = "CV_NoChange_CV";

// The outcome of the send confirmation.
enum class Confirmation { NotAsked, Yes, No };

// When a reply or forward is created, before its window opens; and when the reply's
// window applies the removals a reply to all left on it.
class ResponseChecks {
public:
    virtual ~ResponseChecks() = default;
    // The old-message prompt; returns the subject text or NoSubjectChange.
    virtual std::string cvOldSubject(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                                     const std::shared_ptr<outlook::Item>& response);
    // Spam marks and repeated prefixes; returns the subject written to the item (the reply
    // check puts it on a reply to all that replaces the reply), NoSubjectChange when
    // nothing was written.
    virtual std::string cvRemoveSpamMarks(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);
    virtual void cvReplyCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                              const std::string& newSubject);
    virtual void cvReplyAllCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                                 const std::shared_ptr<outlook::Item>& response);
    // Deletes a user property of that name (saving the item) when present.
    virtual void DeleteUserProperties(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                      const std::string& name);
};

// When the message window sends (stage 1 of the send pipeline).
class MessageWindowChecks {
public:
    virtual ~MessageWindowChecks() = default;
    virtual void cvEmptySubjectCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel);
    virtual void cvAttachMissingCheck(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel);
};

// When Outlook sends the item (stage 2 of the send pipeline).
class SendEventChecks {
public:
    virtual ~SendEventChecks() = default;
    // Whether a box was shown and what was answered.
    virtual Confirmation ConfirmSend(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);
    // False when the user answered No.
    virtual bool ConfirmRecipientCount(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);
    virtual void cvDelayEmailSending(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& cancel);
};

}  // namespace corvane::checks
