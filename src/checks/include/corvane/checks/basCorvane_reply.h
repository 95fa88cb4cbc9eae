#pragma once
// The reply checks of basCorvane, run when the user clicks Reply or Reply to All on a mail
// item, before Outlook opens the new message; the routines that find the user's own
// addresses; and the two user-property routines the reply's window uses.
//
// The failing procedures among them report "Error <n> (<text>) in procedure <name> of
// Module basCorvane" (exclamation icon, application title) and return what they hold.
// AddUserProperties, DeleteUserProperties and DeleteMessageByEntryID leave failures to
// their caller.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::checks::basCorvane {

// The user properties a reply to all carries until its window applies them.
inline constexpr std::string_view kRemoveReciptAtProperty = "ReplyToAllRemoveReciptAt";
inline constexpr std::string_view kClearMyEmailProperty = "ReplyToAllCLearMyEmail";
// cvCheckIfUserInRecipients' address that asks about the item's recipients.
inline constexpr std::string_view kAnyRecipient = "EMPTY";

// Reply on a message with several recipients, one of them the user (or a distribution
// list): cancels the plain reply and offers the recipients of a reply to all, the plain
// reply's one ticked; OK opens a reply to the ticked people (with newSubject unless it
// is "CV_NoChange_CV"), Cancel opens nothing.
void cvReplyCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                  const std::string& newSubject);

// Reply to All: warns when the user seems to have been a blind-copy recipient, lets the
// user untick recipients of `response` and leaves the removals on it as user properties.
void cvReplyAllCheck(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail, bool& cancel,
                     const std::shared_ptr<outlook::Item>& response);

// With address "EMPTY": whether a recipient of the item is one of the user's own
// addresses; isDistributionList turns true when a recipient is an Exchange distribution
// list. With any other address: whether it is one of the user's own.
bool cvCheckIfUserInRecipients(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail,
                               std::string_view address, bool& isDistributionList);

// Every recipient and the sender belong to the domains of DomainName.
bool cvRecipientsAllSameDomain(core::AddinProcess& p, const std::shared_ptr<outlook::MailItem>& mail);

// The user's own SMTP addresses joined by ";": the accounts' addresses when
// UseOutlookSettings is on (not in Outlook 2000), else EmailList.
std::string cvGetUserEmails(core::AddinProcess& p);

// The SMTP addresses of the profile's mail accounts joined by ";".
std::string cvAccountsEmailAddress(core::AddinProcess& p);

// The SMTP address of the owner of the primary Exchange mailbox, "" when none.
std::string ExchangeAccountSMTPAddress(core::AddinProcess& p);

// Adds a text user property with that value; the item is not saved.
void AddUserProperties(const std::shared_ptr<outlook::Item>& item, std::string_view name, std::string_view value);

// Deletes the user property of that name, when the item has one, and saves the item.
void DeleteUserProperties(const std::shared_ptr<outlook::Item>& item, std::string_view name);

// Deletes the message with that entry identifier for good, through the component's session.
void DeleteMessageByEntryID(core::AddinProcess& p, const std::string& entryID);

}  // namespace corvane::checks::basCorvane
