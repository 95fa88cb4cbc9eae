// The SMTP address of a recipient of a mail item, after resolving it.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/mapi_utils.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"
#include "resolution_support.h"

namespace corvane::accounts {

namespace {

constexpr int Outlook2007 = 12;

// Word edits the message inside Outlook's process before 2007: the component then has to
// work in Outlook's own MAPI session, attached through a utilities object that stays alive
// until the resolution ends.
std::shared_ptr<access::MAPIUtils> AttachWordMapi(core::AddinProcess& process,
                                                  const std::shared_ptr<outlook::Item>& item) {
    const bool wordEdits = core::vb::Need(item)->GetInspector()->EditorType() == outlook::oleditor::Word;
    if (!wordEdits || core::OutlookMajorVersionNumber(process) >= Outlook2007) return nullptr;
    auto utils = access::CreateAccessObject<access::MAPIUtils>(*process.access);
    utils->SetMAPIOBJECT(core::vb::Need(process.gOutlook)->Session()->MAPIOBJECT());
    return utils;
}

// What a resolved recipient's entry gives directly: its SMTP address, "" when it has none
// or cannot say. Marks Exchange distribution lists (Outlook 2007 and later) on the way.
std::string ResolvedSmtpAddress(core::AddinProcess& process, access::SafeRecipient& recipient,
                                bool detectDistributionList, bool& isDistributionList) {
    std::shared_ptr<access::AddressEntry> entry;
    platform::IgnoreErrors([&] { entry = recipient.AddressEntry(); });
    if (!entry) return "";
    if (detectDistributionList) {
        platform::IgnoreErrors([&] {
            if (core::OutlookMajorVersionNumber(process) >= Outlook2007 &&
                entry->Class() == outlook::olclass::AddressEntry && text::equalsNoCase(entry->Type(), "EX") &&
                entry->Members())
                isDistributionList = true;
        });
    }
    std::string smtp;
    platform::IgnoreErrors([&] { smtp = entry->SmtpAddress(); });
    return smtp;
}

// The address by the entry's type, when the entry itself gave no SMTP address.
std::string AddressByType(access::SafeRecipient& recipient) {
    const auto entry = recipient.AddressEntry();
    if (!entry) return recipient.Name();  // the recipient's default value: its name
    const std::string type = entry->Type();
    // An entry without proxy addresses fails here, as the scan needs an array.
    if (text::equalsNoCase(type, "EX")) {
        const auto proxies = entry->Fields(mapi::String8Tag(mapi::tags::ProxyAddresses));
        return detail::SmtpFromProxies(access::AsTexts(proxies));
    }
    if (text::equalsNoCase(type, "SMTP")) return entry->Address();
    if (text::equalsNoCase(type, "MAPIPDL")) return std::string(PersonalListAddress);
    return "";
}

}  // namespace

std::string RecipientEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                           bool showError, bool attachWordMapi, bool detectDistributionList,
                           bool& isDistributionList) {
    ResetMapiUtils(process);
    std::string result;
    try {
        std::shared_ptr<access::MAPIUtils> utils;
        if (attachWordMapi) utils = AttachWordMapi(process, item);

        auto wrapper = access::CreateAccessObject<access::SafeMailItem>(*process.access);
        wrapper->SetItem(item);
        auto recipient = wrapper->Recipients()->Item(index);
        recipient->Resolve();
        if (recipient->Resolved()) {
            std::string smtp = ResolvedSmtpAddress(process, *recipient, detectDistributionList, isDistributionList);
            // Found at once: the objects go with this scope, the cached state stays for
            // the next resolution's reset.
            if (!smtp.empty()) return smtp;
        }
        result = AddressByType(*wrapper->Recipients()->Item(index));
    } catch (const platform::PlatformError& e) {
        detail::ReportUnresolved(process, e, showError, process.appTitle + " Invalid E-mail Address");
    }
    ResetMapiUtils(process);
    return result;
}

std::string RecipientEmail(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, int index,
                           bool showError, bool attachWordMapi) {
    bool isDistributionList = false;
    return RecipientEmail(process, item, index, showError, attachWordMapi, false, isDistributionList);
}

}  // namespace corvane::accounts
