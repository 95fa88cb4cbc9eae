#pragma once
// The checks Outlook's send event runs before the preferred-account steps: the send
// confirmation, the recipient-count confirmation and the delayed sending. The send event
// calls ConfirmSend, then (unless it was answered Yes) ConfirmRecipientCount, then
// cvDelayEmailSending. The two confirmations let their failures go to the send event,
// which stops the send; the delay reports its own and lets the message go undelayed.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/checks/entry_points.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"
#include "corvane/platform/datetime.h"

namespace corvane::checks::basCorvane {

inline constexpr std::string_view kConfirmTitle = "Confirm Email Send";
inline constexpr std::string_view kConfirmFootnote =
    "(If you do not wish to see this message please go to the Corvane settings screen and click Send-Confirm)";

// ---- texts and matching, without Outlook

// The first entry of a To line: the text before the first ";" (the whole line without
// one), trimmed.
std::string FirstToEntry(std::string_view toLine);
// "Do you wish to send this email to <first>?", or without " to <first>" when first is "".
std::string ConfirmationQuestion(std::string_view first);
// The question, a blank line, and the footnote pointing at the settings.
std::string ConfirmationPrompt(std::string_view first);
// Whether the address occurs in the list text, both upper-cased: a plain substring test,
// so a tail of a listed address matches, and so does the empty address.
bool OccursInList(std::string_view listText, std::string_view address);
// Outlook's "no deferred delivery time": 01-Jan-4501 00:00:00 to the second.
bool IsNoDeliveryTime(const platform::DateTime& when);

// ---- the procedures

// The first entry of the item's To line, "" when it has none. Reports its own failure
// and then returns "".
std::string GetFirstTORecipient(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);

// Whether some recipient's address occurs in ConfirmEmailAddrs. Reports its own failure
// and then returns false.
bool AtLeast1EmailInRecipt(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);

// The 1-based position of the first recipient whose address occurs in listText, with
// that address; nothing when none does. Saves the item first so that its recipients are
// complete.
struct ListedRecipient {
    int index = 0;
    std::string address;
};
std::optional<ListedRecipient> FirstListedRecipient(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item,
                                                    std::string_view listText);

// The confirmation box (beep first when asked for); true for Yes.
bool AskToSend(core::AddinProcess& p, std::string_view question);

// The send confirmation as DisplayConfirmation asks: NotAsked when no box was shown.
checks::Confirmation ConfirmSend(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);

// The recipient count, when no confirmation was shown before: false when the user
// answered No to a message with more recipients than XRecipients.
bool ConfirmRecipientCount(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item);

// Holds the message back by DelayTime seconds through its deferred delivery time: every
// message or those to listed addresses, after the optional question. A delivery time the
// user chose is left alone. Cancel is never changed.
void cvDelayEmailSending(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& Cancel);

// The question before delaying: sets p.delayDecision to true, then, while
// NotifyBeforeDelaying is on, lets frmNotifyB4Delay's buttons decide. Returns the decision.
bool DelayPrompt(core::AddinProcess& p, std::int64_t seconds, std::string_view address);

}  // namespace corvane::checks::basCorvane
