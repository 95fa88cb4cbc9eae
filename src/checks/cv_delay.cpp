// Delayed sending: the message waits in the Outbox until its deferred delivery time, so
// that the user can still stop it there. The send itself is never cancelled here.
#include <limits>

#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/checks/basCorvane_send.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {
namespace {

// DelayTime as a whole number of seconds, within the range of a 32-bit number.
std::int64_t DelaySeconds(std::string_view delayTime) {
    if (!text::parseNumber(delayTime)) throw platform::PlatformError(platform::errors::TypeMismatch);
    const auto seconds = text::wholeNumber(delayTime);
    if (!seconds || *seconds < std::numeric_limits<std::int32_t>::min() ||
        *seconds > std::numeric_limits<std::int32_t>::max())
        throw platform::PlatformError(platform::errors::Overflow);
    return *seconds;
}

}  // namespace

void cvDelayEmailSending(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item, bool& /*Cancel*/) {
    try {
        auto keys = p.regKeys();
        if (!keys.DelayEmails()) return;
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safe->SetItem(item);
        // A delivery time the user chose is theirs.
        const platform::DateTime chosen = safe->DeferredDeliveryTime();
        if (chosen > p.host.clock.now() && !IsNoDeliveryTime(chosen)) return;
        const std::int64_t seconds = DelaySeconds(keys.DelayTime());

        if (keys.AutoDelayAll() == 1) {
            if (DelayPrompt(p, seconds, "")) {
                safe->SetDeferredDeliveryTime(p.host.clock.now().addSeconds(seconds));
                safe->Save();
            }
            return;
        }
        const std::string list = keys.DelayedEmailAddrs();
        if (list.empty()) return;
        const auto listed = FirstListedRecipient(p, item, list);
        if (!listed) return;
        // Declining sends a message to a listed address now, whatever time it carried.
        const bool delay = DelayPrompt(p, seconds, listed->address);
        safe->SetDeferredDeliveryTime(delay ? p.host.clock.now().addSeconds(seconds) : p.host.clock.now());
    } catch (const platform::PlatformError& e) {
        // The message then goes without delay.
        platform::ReportCheckError(p.host.ui, p.appTitle, "cvDelayEmailSending", e);
    }
}

}  // namespace corvane::checks::basCorvane
