#include "corvane/sim/account.h"

namespace corvane::sim {

namespace ol = outlook;

SimAccount::SimAccount(AccountSpec spec, std::string stamp, std::string sendStamp)
    : spec_(std::move(spec)), stamp_(std::move(stamp)), sendStamp_(std::move(sendStamp)) {
    props_.set(mapi::tags::AccountSendStamp, sendStamp_);
    props_.set(mapi::tags::DisplayName, spec_.name);
}

int SimAccount::Class() { return ol::olclass::Account; }
std::string SimAccount::DisplayName() { return spec_.name; }
std::string SimAccount::UserName() { return spec_.userName; }
std::string SimAccount::SmtpAddress() { return spec_.smtpAddress; }
int SimAccount::AccountType() { return spec_.type; }
std::string SimAccount::Name() { return spec_.name; }
bool SimAccount::IsExchange() { return spec_.type == ol::olaccount::Exchange; }
std::string SimAccount::Stamp() { return stamp_; }
mapi::PropValue SimAccount::Fields(mapi::PropTag tag) { return props_.get(tag); }
void SimAccount::SetFields(mapi::PropTag tag, const mapi::PropValue& value) { props_.set(tag, value); }

}  // namespace corvane::sim
