#pragma once
// A mail account of the profile, as the NameSpace lists it and as the Extended-MAPI
// session orders it.
#include <string>

#include "corvane/mapi/objects.h"
#include "corvane/outlook/accounts.h"
#include "corvane/sim/prop_bag.h"

namespace corvane::sim {

struct AccountSpec {
    std::string name;  // the account's display name
    std::string smtpAddress;
    int type = outlook::olaccount::Pop3;
    std::string userName;  // the name mail from this account is sent under
};

class SimAccount final : public outlook::Account, public mapi::Account {
public:
    // The stamps identify the account on a message (PR_PRIMARY_SEND_ACCT).
    SimAccount(AccountSpec spec, std::string stamp, std::string sendStamp);

    int Class() override;
    std::string DisplayName() override;
    std::string UserName() override;
    std::string SmtpAddress() override;
    int AccountType() override;

    std::string Name() override;
    bool IsExchange() override;
    std::string Stamp() override;
    mapi::PropValue Fields(mapi::PropTag tag) override;
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override;

    const AccountSpec& spec() const { return spec_; }
    const std::string& sendStamp() const { return sendStamp_; }
    const std::string& stamp() const { return stamp_; }

private:
    AccountSpec spec_;
    std::string stamp_;
    std::string sendStamp_;
    PropBag props_;
};

}  // namespace corvane::sim
