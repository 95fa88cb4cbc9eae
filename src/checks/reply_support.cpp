#include "reply_support.h"

#include "corvane/access/factory.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/addin/addin_process.h"
#include "corvane/addin/vb_errors.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/text.h"

namespace corvane::checks::basCorvane {

std::shared_ptr<access::RDOSession> OpenProfileSession(addin::AddinProcess& p) {
    auto session = access::CreateAccessObject<access::RDOSession>(*p.access);
    if (addin::OutlookMajorVersion(p) == "9")
        session->Logon();
    else
        session->SetMAPIOBJECT(addin::vb::Need(p.gOutlook)->GetNamespace("MAPI")->MAPIOBJECT());
    return session;
}

std::string RecipientDisplayName(access::SafeRecipient& recipient) {
    std::string name = recipient.Name();
    if (name.starts_with("=SMTP:")) return addin::vb::Need(recipient.AddressEntry())->Name();
    return name;
}

bool SameAddress(const std::string& a, const std::string& b) {
    return text::toUpper(text::trim(a)) == text::toUpper(text::trim(b));
}

}  // namespace corvane::checks::basCorvane
