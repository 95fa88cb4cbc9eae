// The sender's SMTP address, with and without an on-behalf-of sender.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_item.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"
#include "resolution_support.h"

namespace corvane::accounts {

namespace {

// The component's wrapper for the item's class; nullptr for classes without a sender
// (the caller's next read then fails like any unset object).
std::shared_ptr<access::SafeItem> WrapSenderItem(core::AddinProcess& process,
                                                 const std::shared_ptr<outlook::Item>& item) {
    std::shared_ptr<access::SafeItem> wrapper;
    switch (core::vb::Need(item)->Class()) {
        case outlook::olclass::Mail:
            wrapper = access::CreateAccessObject<access::SafeMailItem>(*process.access);
            break;
        case outlook::olclass::Post:
            wrapper = access::CreateAccessObject<access::SafePostItem>(*process.access);
            break;
        case outlook::olclass::Report:
            wrapper = access::CreateAccessObject<access::SafeReportItem>(*process.access);
            break;
        default: return nullptr;
    }
    wrapper->SetItem(item);
    return wrapper;
}

}  // namespace

std::string SenderEmailWithoutOnBehalf(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item,
                                       bool showError) {
    ResetMapiUtils(process);
    std::string result;
    try {
        auto wrapper = WrapSenderItem(process, item);
        const std::string addressType = access::AsText(
            core::vb::Need(wrapper)->Fields(mapi::String8Tag(mapi::tags::SenderAddrType)));
        if (auto sender = wrapper->Sender()) {
            if (text::equalsNoCase(addressType, "SMTP")) {
                result = sender->Address();
            } else if (text::equalsNoCase(addressType, "EX")) {
                const auto proxies = sender->Fields(mapi::String8Tag(mapi::tags::ProxyAddresses));
                if (!access::IsEmpty(proxies)) result = detail::SmtpFromProxies(access::AsTexts(proxies));
            }
            // An Exchange sender without a primary proxy, or a sender of another type.
            if (result.empty()) result = sender->SmtpAddress();
        }
    } catch (const platform::PlatformError& e) {
        detail::ReportUnresolved(process, e, showError,
                                 platform::MessageTitle("Invalid E-mail Address", process.appTitle));
    }
    ResetMapiUtils(process);
    return result;
}

std::string SenderEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, bool showError) {
    try {
        const std::string own = SenderEmailWithoutOnBehalf(process, item, showError);
        std::string behalf;
        if (core::vb::Need(item)->Class() == outlook::olclass::Mail) {
            auto wrapper = access::CreateAccessObject<access::SafeMailItem>(*process.access);
            wrapper->SetItem(item);
            // Only an Internet address can stand for the represented sender; an Exchange
            // one is never turned into SMTP here, so the sender's own address is used.
            const auto field = [&](mapi::PropTag tag) {
                return access::AsText(wrapper->Fields(mapi::String8Tag(tag)));
            };
            if (text::equalsNoCase(field(mapi::tags::SentRepresentingAddrType), "SMTP"))
                behalf = field(mapi::tags::SentRepresentingEmailAddress);
            if (!behalf.empty() && text::equalsNoCase(behalf, own)) behalf.clear();
        }
        return behalf.empty() ? own : behalf;
    } catch (const platform::PlatformError&) {
        // Nothing was settled yet: the sender's own address found above is not returned.
        return "";
    }
}

}  // namespace corvane::accounts
