// The lighter recipient address: no resolving, no message, every failure passed over.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "resolution_support.h"

namespace corvane::accounts {

namespace {

// Outlook's own recipients of the item, for the classes that have them.
std::shared_ptr<outlook::Recipients> OutlookRecipients(const std::shared_ptr<outlook::Item>& item) {
    if (auto mail = std::dynamic_pointer_cast<outlook::MailItem>(item)) return mail->Recipients();
    if (auto meeting = std::dynamic_pointer_cast<outlook::MeetingItem>(item)) return meeting->Recipients();
    throw platform::PlatformError(platform::errors::NotSupported);
}

}  // namespace

std::string RecipientSmtpAddress(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                                 [[maybe_unused]] bool showError) {
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
                const auto proxies = entry->Fields(mapi::String8Tag(mapi::tags::ProxyAddresses));
                result = detail::SmtpFromProxies(access::AsTexts(proxies));
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
