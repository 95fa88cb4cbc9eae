// Address resolution reached from the add-in: the message window's test that its item still
// exists, and the reset of the access component after a failed send event.
#include "addin_fixture.h"

namespace corvane::addin::testing {
namespace {

using ResolutionInTheAddin = AddinTest;

TEST_F(ResolutionInTheAddin, ALiveMessageIsCheckedAndAFailedSendEventResetsTheComponent) {
    process->subsystems.resolution = std::make_shared<accounts::Resolution>();  // the product's own
    openExplorer();
    connectAddin();
    hooks->failIn = "ConfirmSend";
    const int before = process->access->State().cleanUps;
    sim::ItemSpec spec;
    spec.subject = "Plans";
    spec.sent = false;
    spec.to = {ann};
    auto draft = app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    ui.addStep(simhost::MessageBoxStep{std::nullopt, "Error Number : 13\r\nError Description : Type mismatch",
                                       std::nullopt, 16, platform::mb::IdOk});
    EXPECT_EQ(app->openItem(draft)->clickSend(), sim::SendOutcome::Cancelled);
    EXPECT_EQ(hooks->count("cvEmptySubjectCheck"), 1);  // its window found the item alive
    EXPECT_EQ(process->access->State().cleanUps, before + 1);
}

}  // namespace
}  // namespace corvane::addin::testing
