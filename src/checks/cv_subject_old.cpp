// cvOldSubject: a reply to an old message asks whether its subject still fits.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/checks/basCorvane_subject.h"
#include "corvane/checks/entry_points.h"
#include "corvane/checks/frmOldSubject.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

namespace {

// When the answered message reached the mailbox, read past Outlook's guard. A message
// that never arrived (a draft) has no delivery time: that is a failure of the check, not
// a message from 1899.
platform::DateTime DeliveryTime(core::AddinProcess& process, const std::shared_ptr<outlook::MailItem>& answered) {
    auto safe = access::CreateAccessObject<access::SafeMailItem>(*process.access);
    safe->SetItem(answered);
    const mapi::PropValue value = safe->Fields(mapi::tags::MessageDeliveryTime);
    if (access::IsEmpty(value)) throw platform::PlatformError(platform::errors::TypeMismatch);
    return access::AsDate(value);
}

long long WholeDays(const std::string& setting) {
    const auto days = text::wholeNumber(setting);
    if (!days) throw platform::PlatformError(platform::errors::TypeMismatch);
    return *days;
}

}  // namespace

std::string cvOldSubject(core::AddinProcess& process, const std::shared_ptr<outlook::MailItem>& answered,
                         const std::shared_ptr<outlook::Item>& reply) {
    std::string result(checks::NoSubjectChange);
    try {
        const auto keys = process.regKeys();
        if (!keys.PromptReplyOnOlderEmails() || process.gblnReplyReplacing) return result;
        const long long days = WholeDays(keys.OldEmailDays());
        const platform::DateTime received = DeliveryTime(process, answered);
        // Exactly `days` calendar days old does not ask yet.
        if (platform::calendarDaysBetween(received, process.host.clock.now()) <= days) return result;

        const auto& item = core::vb::Need(reply);
        frmOldSubject frm(process.appTitle);
        frm.fill(days, item->Subject());
        settings::PlayPromptSound(process.store(), process.host.ui);
        frm.show(process.host.ui);
        if (frm.ok) {
            // Taken as typed: blanks the user left around it are kept.
            const std::string typed = frm.txtSubject.text();
            if (typed != item->Subject()) {
                item->SetSubject(typed);
                result = typed;
            }
        }
        frm.unload();
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(process.host.ui, process.appTitle, "basCorvane", "cvOldSubject", e);
        return std::string(checks::NoSubjectChange);
    }
    return result;
}

}  // namespace corvane::checks::basCorvane
