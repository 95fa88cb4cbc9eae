#include "corvane/scenario/recipients.h"

#include "corvane/outlook/object.h"
#include "corvane/sim/address_book.h"
#include "corvane/text/text.h"

namespace corvane::scenario {

namespace {

std::string smtpOf(const sim::SimRecipient& r) {
    if (r.entry()) {
        auto smtp = r.entry()->smtpAddress();
        if (!smtp.empty()) return smtp;
    }
    return r.address();
}

bool hasAddress(const sim::SimRecipient& r, const std::string& address) {
    if (r.entry() && r.entry()->hasSmtpAddress(address)) return true;
    return text::equalsNoCase(r.address(), address);
}

}  // namespace

bool RecipientMatches(const sim::SimRecipient& r, const std::string& written) {
    if (auto parts = sim::SplitNameAndAddress(written))
        return text::equalsNoCase(r.name(), parts->first) && hasAddress(r, parts->second);
    if (written.find('@') != std::string::npos) return hasAddress(r, written);
    return text::equalsNoCase(r.name(), written);
}

std::string RecipientTypeWord(int type) {
    return type == outlook::olrecipient::CC ? "cc" : type == outlook::olrecipient::BCC ? "bcc" : "to";
}

std::string DescribeRecipient(const sim::SimRecipient& r) {
    const std::string smtp = smtpOf(r);
    std::string out = r.name();
    if (!smtp.empty() && smtp != r.name()) out += " <" + smtp + ">";
    if (!r.resolved()) out += " (unresolved)";
    return out + " (" + RecipientTypeWord(r.type()) + ")";
}

}  // namespace corvane::scenario
