#include "corvane/access/rdo_session.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/mapi/objects.h"
#include "corvane/outlook/accounts.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/conventions.h"
#include "reply_support.h"

namespace corvane::checks::basCorvane {

namespace {

void Append(std::string& joined, const std::string& address) {
    joined += ';';
    joined += address;
}

// Outlook 2010 and later list the accounts with their SMTP addresses themselves.
std::string FromOutlookAccounts(core::AddinProcess& p) {
    std::string joined;
    auto accounts = core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->Accounts();
    const int count = accounts->Count();
    for (int i = 1; i <= count; ++i) platform::IgnoreErrors([&] { Append(joined, accounts->Item(i)->SmtpAddress()); });
    return joined;
}

// Earlier versions: the component's accounts in sending order; an Exchange account's
// address is its mailbox owner's.
std::string FromComponentAccounts(core::AddinProcess& p) {
    std::string joined;
    auto session = OpenProfileSession(p);
    for (const auto& account : session->Accounts()->GetOrder(2)) {
        platform::IgnoreErrors(
            [&] { Append(joined, account->IsExchange() ? ExchangeAccountSMTPAddress(p) : account->SmtpAddress()); });
    }
    return joined;
}

}  // namespace

std::string cvAccountsEmailAddress(core::AddinProcess& p) {
    try {
        const std::string joined = core::OutlookMajorVersionNumber(p) >= 14 ? FromOutlookAccounts(p)
                                                                            : FromComponentAccounts(p);
        return joined.empty() ? joined : joined.substr(1);
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "cvAccountsEmailAddress", e);
        return "";
    }
}

std::string ExchangeAccountSMTPAddress(core::AddinProcess& p) {
    try {
        auto session = access::CreateAccessObject<access::RDOSession>(*p.access);
        session->Logon();
        if (!session->LoggedOn()) return "";
        auto stores = session->Stores();
        const int count = stores->Count();
        for (int i = 1; i <= count; ++i) {
            std::string owner;
            bool found = false;
            // A store that cannot be read is passed over.
            platform::IgnoreErrors([&] {
                auto store = stores->Item(i);
                if (store->StoreKind() != mapi::storekind::PrimaryExchangeMailbox) return;
                owner = core::vb::Need(store->Owner())->SmtpAddress();
                found = true;
            });
            if (found) return owner;
        }
        return "";
    } catch (const platform::PlatformError& e) {
        platform::ReportReplyCheckError(p.host.ui, p.appTitle, "ExchangeAccountSMTPAddress", e);
        return "";
    }
}

}  // namespace corvane::checks::basCorvane
