// Address resolution reached from the add-in: the message window's test that its item still
// exists, and the reset of the access component after a failed send event.
#include "addin_fixture.h"
#include "corvane/addin/product_hooks.h"

namespace corvane::addin::testing {
namespace {

// The recording hooks, with the product's live-item test and reset.
struct ResolvingHooks : RecordingHooks {
    bool EntryIdFails(core::AddinProcess& p, const std::shared_ptr<ol::Item>& item) override {
        return product.EntryIdFails(p, item);
    }
    void ResetMapiUtils(core::AddinProcess& p) override { product.ResetMapiUtils(p); }
    ProductHooks product;
};

using ResolutionInTheAddin = AddinTest;

TEST_F(ResolutionInTheAddin, ALiveMessageIsCheckedAndAFailedSendEventResetsTheComponent) {
    process->hooks = hooks = std::make_shared<ResolvingHooks>();
    openExplorer();
    connectAddin();
    hooks->failIn = "ConfirmSend";
    const int before = process->access->State().cleanUps;
    sim::ItemSpec spec;
    spec.subject = "Plans";
    spec.sent = false;
    spec.to = {ann};
    auto draft = app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    EXPECT_EQ(app->openItem(draft)->clickSend(), sim::SendOutcome::Cancelled);
    EXPECT_EQ(hooks->count("cvEmptySubjectCheck"), 1);  // its window found the item alive
    EXPECT_EQ(process->access->State().cleanUps, before + 1);
}

}  // namespace
}  // namespace corvane::addin::testing
