// Address resolution reached from the add-in: the reply window's own-address removal and
// the reset after a failed send event.
#include "addin_fixture.h"
#include "corvane/addin/product_hooks.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"

namespace corvane::addin::testing {
namespace {

// The recording hooks, with the product's address resolution.
struct ResolvingHooks : RecordingHooks {
    std::string RecipientEmail(core::AddinProcess& p, const std::shared_ptr<ol::Item>& item, int index) override {
        return product.RecipientEmail(p, item, index);
    }
    bool EntryIdFails(core::AddinProcess& p, const std::shared_ptr<ol::Item>& item) override {
        return product.EntryIdFails(p, item);
    }
    void ResetMapiUtils(core::AddinProcess& p) override { product.ResetMapiUtils(p); }
    ProductHooks product;
};

class ResolutionInTheAddin : public AddinTest {
protected:
    ResolutionInTheAddin() {
        process->hooks = hooks = std::make_shared<ResolvingHooks>();
        openExplorer();
        connectAddin();
    }
    std::shared_ptr<sim::SimMailItem> draft(std::vector<sim::RecipientSpec> to,
                                            std::vector<std::pair<std::string, std::string>> properties = {}) {
        sim::ItemSpec spec;
        spec.subject = "RE: Plans";
        spec.sent = false;
        spec.to = std::move(to);
        spec.userProperties = std::move(properties);
        return app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    }
};

TEST_F(ResolutionInTheAddin, TheReplyWindowRemovesOnlyTheUsersOwnSmtpAddresses) {
    setSetting(settings::keys::UseOutlookSettings, "False");
    setSetting(settings::keys::EmailList, "JOHN@kelderon.example;john@home.example");
    auto friends = app->profile()->addressBook().addPersonalList("Friends", {ann, bob});
    auto item = draft({ann, me, team, friends, "Somebody Unknown"}, {{"ReplyToAllCLearMyEmail", "Yes"}});
    app->openItem(item);
    // A list gives its own address or "General", an unknown name its name text: none of
    // them is taken for one of the user's addresses.
    auto recipients = std::dynamic_pointer_cast<ol::MailItem>(item->asItem())->Recipients();
    std::vector<std::string> names;
    for (int i = 1; i <= recipients->Count(); ++i) names.push_back(recipients->Item(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Ann Lee", "Team", "Friends", "Somebody Unknown"}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ResolutionInTheAddin, ALiveMessageIsCheckedAndAFailedSendEventResetsTheComponent) {
    hooks->failIn = "ConfirmSend";
    const int before = process->access->State().cleanUps;
    EXPECT_EQ(app->openItem(draft({ann}))->clickSend(), sim::SendOutcome::Cancelled);
    EXPECT_EQ(hooks->count("cvEmptySubjectCheck"), 1);  // its window found the item alive
    EXPECT_EQ(process->access->State().cleanUps, before + 1);
}

}  // namespace
}  // namespace corvane::addin::testing
