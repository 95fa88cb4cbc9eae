// The lighter recipient address: no resolving, no message, every failure passed over.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/outlook/errors.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "resolution_support.h"

namespace corvane::accounts {

namespace {

// Outlook's own recipients of the item, for the classes that have them.
std::shared_ptr<outlook::Recipients> OutlookRecipients(const std::shared_ptr<outlook::Item>& item) {
    if (auto mail = std::dynamic_pointer_cast<outlook::MailItem>(item)) return mail->Recipients();
    if (auto meeting = std::dynamic_pointer_cast<outlook::MeetingItem>(item)) return meeting->Recipients();
    const auto& f = outlook::errors::NotSupported;
    throw platform::PlatformError(f.number, std::string(f.description));
}

}  // namespace

std::string RecipientSmtpAddress(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item,
                                 int index, [[maybe_unused]] bool showError) {
    using platform::IgnoreErrors;
    ResetMapiUtils(process);
    std::shared_ptr<access::SafeMailItem> wrapper;
    if (!IgnoreErrors([&] {
            wrapper = access::CreateAccessObject<access::SafeMailItem>(*process.access);
            wrapper->SetItem(item);
        }))
        return "";

    std::string result;
    std::shared_ptr<access::AddressEntry> entry;
    IgnoreErrors([&] { entry = wrapper->Recipients()->Item(index)->AddressEntry(); });
    if (!entry) {
        // Not an address: Outlook's recipient read as text, its name.
        IgnoreErrors([&] { result = OutlookRecipients(item)->Item(index)->Name(); });
    } else {
        std::string type;
        IgnoreErrors([&] { type = entry->Type(); });
        if (type == "EX") {
            IgnoreErrors([&] {
                result = detail::SmtpFromProxies(access::AsTexts(entry->Fields(detail::prop::ProxyAddresses)));
            });
        } else if (type == "SMTP") {
            IgnoreErrors([&] { result = entry->Address(); });
        }
        if (result.empty()) IgnoreErrors([&] { result = entry->SmtpAddress(); });
    }
    entry.reset();
    wrapper.reset();
    ResetMapiUtils(process);
    return result;
}

}  // namespace corvane::accounts
