#pragma once
// Turning the sender and the recipients of an Outlook item into plain SMTP address text,
// and telling whether a typed text is a well-formed address. Every read goes through the
// secure mail access component (process.access), one object per use; nothing here changes
// an item.
//
// Address text is one SMTP address exactly as the store gives it (case kept, nothing
// trimmed); "" means no address was found. Callers that compare addresses trim and fold
// case themselves.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/fwd.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::accounts {

// What a recipient that is a personal distribution list without an address of its own
// resolves to.
inline constexpr std::string_view PersonalListAddress = "General";

// Whether a typed text is a well-formed e-mail address (module basEmailAddressValidity).
// Exact, case-sensitive character rules; the text is neither trimmed nor changed.
bool IsValidEmailAddress(std::string_view address);

// The sender address the checks use: the on-behalf-of SMTP address when there is one that
// differs (ignoring case) from the sender's own, else the sender's own SMTP address. Shows
// no message itself; with showError the inner read of the sender's own address may.
std::string SenderEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item,
                        bool showError = false);

// The sender's own SMTP address of a mail (43), post (45) or report (46) item, ignoring any
// on-behalf-of sender. With showError a failure shows "E-mail address cannot be resolved."
std::string SenderEmailWithoutOnBehalf(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item,
                                       bool showError = false);

// The SMTP address of the mail item's recipient at the 1-based index, after resolving it.
// attachWordMapi: while Word edits the item in Outlook before 2007, work inside Outlook's
// own MAPI session. A personal list without an address gives "General"; a recipient
// without an address entry gives its name text. With showError a failure shows
// "E-mail address cannot be resolved."
std::string RecipientEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                           bool showError = false, bool attachWordMapi = false);
// The same, also telling distribution lists apart: with detectDistributionList in Outlook
// 2007 and later, an Exchange distribution list sets isDistributionList to true. The flag
// is never set back to false, so a caller can gather it over several recipients.
std::string RecipientEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                           bool showError, bool attachWordMapi, bool detectDistributionList, bool& isDistributionList);

// A lighter recipient address that does not resolve the recipient (for recipient 1 when
// choosing the sending account). Never shows a message; a recipient without an address
// entry gives Outlook's recipient name text.
std::string RecipientSmtpAddress(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                                 bool showError = false);

// Whether the item has gone: true when reading its EntryID fails, false when it can be
// read (also when it is still empty). Never fails.
bool EntryIdFails(const std::shared_ptr<outlook::Item>& item);

// Lets the access component drop the MAPI state it keeps between items. Never fails.
void ResetMapiUtils(core::AddinProcess& process);

}  // namespace corvane::accounts
