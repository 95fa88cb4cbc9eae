// The reply checks on the real path from the user's click: Reply and Reply to All in the
// Inbox and in an open message's window, answered by a scripted user, and the reply's
// window applying the removals when it opens.
#include <gtest/gtest.h>

#include "corvane/access/factory.h"
#include "corvane/core/addin_process.h"
#include "corvane/addin/connect.h"
#include "corvane/addin/product_hooks.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/recipients.h"
#include "corvane/sim/explorer.h"
#include "support/reply_world.h"

namespace corvane::addin::testing {
namespace {

namespace ol = outlook;
using namespace settings::keys;
using corvane::testing::box;
using corvane::testing::kCancel;
using corvane::testing::kOK;
using corvane::testing::recipientDialog;
using corvane::testing::ticking;

class ReplyChecksEndToEnd : public ::testing::Test, protected corvane::testing::ReplyWorld {
protected:
    ReplyChecksEndToEnd() {
        // An old address of the user's that no account names: Outlook keeps it on a reply
        // to all, the user's own list does not.
        oldMe = app->profile()->addressBook().addSmtp("John (old address)", "jsmith@oldmail.example");
        for (auto key : {ShowStartupWizard, UseOutlookSettings}) set(key, "False");
        set(LastCheckUpdateDate, "DoNotCheck");
        set(blnMoveCV, "1");
        set(EmailList, "john@kelderon.example;jsmith@oldmail.example");
        process = std::make_shared<core::AddinProcess>(host, std::make_shared<ProductHooks>(),
                                                 std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
        connect = Connect::Create(process);
        explorer = app->openExplorer(folder(ol::olfolder::Inbox));
        app->connectAddin(ConnectProgId, connect, ol::extconnect::Startup);
    }
    ~ReplyChecksEndToEnd() override { app->disconnectAddin(ConnectProgId, ol::extdisconnect::HostShutdown); }

    std::shared_ptr<sim::SimMailItem> selected(std::vector<sim::RecipientSpec> to, std::vector<sim::RecipientSpec> cc) {
        auto mail = received(std::move(to), std::move(cc));
        explorer->select({mail});
        return mail;
    }
    // "To / CC" of the item a window shows.
    static std::string lines(const std::shared_ptr<sim::SimInspector>& window) {
        auto mail = std::dynamic_pointer_cast<ol::MailItem>(window->item()->asItem());
        return mail->To() + " / " + mail->CC();
    }

    std::shared_ptr<sim::SimAddressEntry> oldMe;
    std::shared_ptr<core::AddinProcess> process;
    std::shared_ptr<Connect> connect;
    std::shared_ptr<sim::SimExplorer> explorer;
};

TEST_F(ReplyChecksEndToEnd, ReplyToAllDropsTheUntickedAndTheUsersOwnAddressesWhenItsWindowOpens) {
    selected({me, carol, oldMe}, {bob, "Dan West <dan@example.net>"});
    // Outlook's reply to all: Ann, Carol, the old address; Bob, Dan.
    ui.addStep(recipientDialog({ticking({"Carol Diaz (Exchange)", "Bob Ray (bob@example.org)"}, false), kOK}));
    auto window = explorer->clickReplyAll();
    ui.finish();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(lines(window), "Ann Lee / Dan West");
    EXPECT_EQ(window->item()->asItem()->UserProperties()->Count(), 0);
}

TEST_F(ReplyChecksEndToEnd, ABlindCopiedUserIsWarnedAndYesOpensTheReplyWithoutTheDialog) {
    selected({carol}, {bob});
    ui.addStep(box("BCCed e-mail - Corvane", "It appears that you were BCCed", platform::mb::QuestionYesNo,
                   platform::mb::IdYes));
    auto window = explorer->clickReplyAll();
    ui.finish();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(lines(window), "Ann Lee; Carol Diaz / Bob Ray");
    ui.addStep(box("BCCed e-mail - Corvane", "", platform::mb::QuestionYesNo, platform::mb::IdNo));
    EXPECT_EQ(explorer->clickReplyAll(), nullptr);
    ui.finish();
}

TEST_F(ReplyChecksEndToEnd, ReplyBecomesAReplyToTheChosenPeopleInItsOwnWindow) {
    selected({me, carol}, {bob});
    ui.addStep(recipientDialog({ticking({"Bob Ray (bob@example.org)"}), kOK}));
    EXPECT_EQ(explorer->clickReply(), nullptr);  // the plain reply does not open
    ui.finish();
    ASSERT_EQ(app->inspectors().size(), 1u);
    EXPECT_EQ(lines(app->inspectors().front()), "Ann Lee / Bob Ray");
    EXPECT_EQ(app->inspectors().front()->item()->asItem()->Subject(), "RE: Plans");
    EXPECT_EQ(process->inspectorWrappers().Count(), 1);
    EXPECT_FALSE(process->gblnReplyReplacing);
}

TEST_F(ReplyChecksEndToEnd, ReplyCancelledInTheDialogOpensNothingAndLeavesNoDraft) {
    selected({me, carol}, {bob});
    ui.addStep(recipientDialog({kCancel}));
    EXPECT_EQ(explorer->clickReply(), nullptr);
    ui.finish();
    EXPECT_TRUE(app->inspectors().empty());
    EXPECT_TRUE(folder(ol::olfolder::Drafts)->items().empty());
}

TEST_F(ReplyChecksEndToEnd, ReplyInAnOpenMessageWindowAsksOnce) {
    auto message = app->openItem(selected({me, carol}, {bob}));
    ui.addStep(recipientDialog({kOK}));
    EXPECT_EQ(message->clickReply(), nullptr);
    ui.finish();
    ASSERT_EQ(app->inspectors().size(), 2u);
    EXPECT_EQ(lines(app->inspectors().back()), "Ann Lee / ");
}

}  // namespace
}  // namespace corvane::addin::testing
