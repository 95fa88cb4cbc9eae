// cvReplyCheck: when a plain Reply becomes a reply to chosen people, the dialog's rows and
// pre-ticked row, Cancel leaving nothing behind, and the To and CC of the reply that opens.
#include "corvane/access/progids.h"
#include "corvane/outlook/recipients.h"
#include "corvane/sim/inspector.h"
#include "reply_test.h"

namespace corvane::testing {
namespace {

class ReplyCheck : public ReplyTest {
protected:
    using ReplyTest::ReplyTest;
    // Runs the check for a plain Reply of the message; returns the event's Cancel.
    bool reply(const std::shared_ptr<ol::MailItem>& mail, const std::string& subject = "CV_NoChange_CV") {
        bool cancelled = false;
        cv::cvReplyCheck(process(), mail, cancelled, subject);
        EXPECT_FALSE(process().gblnReplyReplacing);
        ui().finish();
        return cancelled;
    }
    std::shared_ptr<ol::MailItem> opened() const {
        if (app->inspectors().size() != 1) return nullptr;
        return std::dynamic_pointer_cast<ol::MailItem>(app->inspectors().front()->item()->asItem());
    }
    bool nothingLeft() const {
        return app->inspectors().empty() && folder(ol::olfolder::Drafts)->items().empty() &&
               folder(ol::olfolder::DeletedItems)->items().empty();
    }
};
struct ReplyCheck2007 : ReplyCheck {
    ReplyCheck2007() : ReplyCheck({.version = "12.0.0.6300"}) {}
};

TEST_F(ReplyCheck, ThePlainReplyOpensUnlessTheMessageMayHaveBeenMeantForAll) {
    EXPECT_FALSE(reply(plans({me})));            // one recipient
    EXPECT_FALSE(reply(plans({carol}, {bob})));  // the user is not among them
    set(settings::keys::ReplyMultiple, "False");
    EXPECT_FALSE(reply(plans({me, carol})));
}

TEST_F(ReplyCheck2007, AListAmongTheRecipientsMayHideTheUserSoTheDialogShows) {
    expectRecipientDialog({cancel});
    EXPECT_TRUE(reply(plans({carol, team})));
}

TEST_F(ReplyCheck, RowsShowTheReplyToAllsRecipientsWithThePlainReplysOneTicked) {
    set(settings::keys::PlaySound, "True");
    expectRecipientDialog({cancel});
    reply(plans({me, carol}, {bob, "Dan West <dan@example.net>"}));
    EXPECT_TRUE(shows("form frmReplyMultRecipt \"Multiple recipients - Corvane\" shown")) << transcript();
    EXPECT_TRUE(
        shows("listview lstVRecipients tag \"1\"\n"
              "    column 1 \"\" width 600 icon 1\n"
              "    column 2 \"Recipients\" width 6020\n"
              "    [x] \"\" | \"Ann Lee (ann@example.com)\" tag \"1\"\n"
              "    [ ] \"\" | \"Carol Diaz (carol@kelderon.example)\" tag \"2\"\n"
              "    [ ] \"\" | \"Bob Ray (bob@example.org)\" tag \"3\"\n"
              "    [ ] \"\" | \"Dan West (dan@example.net)\" tag \"4\"\n"))
        << transcript();
    EXPECT_EQ(ui().beeps(), 1);
}

TEST_F(ReplyCheck, AReplyToPersonOrAnExchangeSenderIsThePreTickedRow) {
    expectRecipientDialog({cancel});
    reply(received({.from = ann, .to = {me, carol}, .replyTo = {bob}}));
    EXPECT_TRUE(shows("[x] \"\" | \"Bob Ray (bob@example.org)\" tag \"1\"\n")) << transcript();
    expectRecipientDialog({cancel});
    reply(plans({me, bob}, {}, carol));
    EXPECT_TRUE(shows("[x] \"\" | \"Carol Diaz (carol@kelderon.example)\" tag \"1\"\n")) << transcript();
}

TEST_F(ReplyCheck, ClosingTheDialogOpensNothingAndLeavesNoSavedReply) {
    expectRecipientDialog({simhost::action::Close{}});
    EXPECT_TRUE(reply(plans({me, carol}, {bob})));
    EXPECT_TRUE(nothingLeft());
}

TEST_F(ReplyCheck, KeptRecipientsStandInReverseOrderInToAndCcAndOutlooksSubjectStays) {
    expectRecipientDialog({ticking({"Carol Diaz (carol@kelderon.example)", "#4", "#5"}), ok});
    // Rows: Ann, Carol, Erin (To); Bob, dan (CC). Erin is left out.
    reply(plans({me, carol, "Erin Fox <erin@example.net>"}, {bob, "dan@example.net"}));
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->To(), "Carol Diaz; Ann Lee");
    EXPECT_EQ(opened()->CC(), "dan@example.net; Bob Ray");
    EXPECT_TRUE(opened()->Recipients()->ResolveAll());
    EXPECT_EQ(opened()->Subject(), "RE: Plans");
}

// Watches the message's ReplyAll event: records the replacing flag, or refuses the reply.
class ReplyAllWatcher final : public ol::ItemEvents {
public:
    ReplyAllWatcher(core::AddinProcess& p, bool refuse) : p_(p), refuse_(refuse) {}
    void ReplyAll(const std::shared_ptr<ol::Item>&, bool& cancel) override {
        flags.push_back(p_.gblnReplyReplacing);
        cancel = refuse_;
    }
    std::vector<bool> flags;

private:
    core::AddinProcess& p_;
    bool refuse_;
};

TEST_F(ReplyCheck, TheReplyToAllIsBuiltWhileTheReplacingFlagIsUp) {
    auto mail = plans({me, carol});
    auto watcher = std::make_shared<ReplyAllWatcher>(process(), false);
    auto connection = mail->Advise(watcher);
    expectRecipientDialog({cancel});
    reply(mail);
    EXPECT_EQ(watcher->flags, std::vector<bool>{true});
}

TEST_F(ReplyCheck, AReplyToAllThatCannotBeMadeLeavesThePlainReplyCancelled) {
    auto mail = plans({me, carol});
    auto refuser = std::make_shared<ReplyAllWatcher>(process(), true);
    auto connection = mail->Advise(refuser);
    EXPECT_TRUE(reply(mail));
    EXPECT_TRUE(nothingLeft());
}

TEST_F(ReplyCheck, AFailureBeforeTheReplyIsCancelledIsReportedAndLetsItOpen) {
    process().access->SetRegistered(access::progid::SafeMailItem, false);
    expectBox("Corvane",
              "Error 429 (ActiveX component can't create object) in procedure cvReplyCheck of Module basCorvane",
              platform::mb::ExclamationOk);
    EXPECT_FALSE(reply(plans({me, carol})));
}

}  // namespace
}  // namespace corvane::testing
