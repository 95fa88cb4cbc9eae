#pragma once
// The reply checks called directly on the world's Outlook, without the add-in connected.
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/outlook/attachments.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/sim/item_types.h"
#include "support/world.h"

namespace corvane::testing {

namespace ol = outlook;
namespace cv = checks::basCorvane;

class ReplyTest : public WorldTest {
protected:
    explicit ReplyTest(OutlookSetup outlook = {}) : WorldTest(Mailbox, std::move(outlook)) {}
    ReplyTest(std::string_view profile, OutlookSetup outlook) : WorldTest(profile, std::move(outlook)) {}

    // "Plans", received from Ann (or `from`) an hour ago.
    std::shared_ptr<sim::SimMailItem> plans(std::vector<sim::RecipientSpec> to,
                                            std::vector<sim::RecipientSpec> cc = {},
                                            std::shared_ptr<sim::SimAddressEntry> from = nullptr) {
        return received({.subject = "Plans", .from = from ? from : ann, .to = to, .cc = cc});
    }
    // The text of a user property, or "<none>".
    static std::string property(const std::shared_ptr<ol::Item>& item, std::string_view name) {
        auto found = item->UserProperties()->Find(name);
        return found ? found->Value() : "<none>";
    }
    // The recipient dialog, and what the user does in it.
    void expectRecipientDialog(std::vector<simhost::FormAction> actions) {
        expectForm("frmReplyMultRecipt", std::move(actions));
    }
    static simhost::FormAction ticking(std::vector<std::string> rows, bool ticked = true) {
        return simhost::action::TickRows{"lstVRecipients", std::move(rows), ticked};
    }
    const simhost::FormAction ok = simhost::action::Click{"cmdOK"};
    const simhost::FormAction cancel = simhost::action::Click{"cmdCancel"};

    const std::shared_ptr<sim::SimAddressEntry> me = entry("John Smith"), carol = entry("Carol Diaz"),
                                                ann = entry("Ann Lee"), bob = entry("Bob Ray"), team = entry("Team");
};

}  // namespace corvane::testing
