// cvReplyAllCheck: the blind-copy warning and when it stays away, the recipient dialog and
// what skips it, the removal positions and the self-removal mark left on the reply.
#include "reply_test.h"

namespace corvane::testing {
namespace {

using namespace settings::keys;
using platform::mb::IdNo;
using platform::mb::IdYes;

const std::string kWarning =
    "You clicked Reply to All.\r\n\r\n"
    "It appears that you were BCCed on this e-mail as your e-mail address could not be found on the list of "
    "recipients!\r\n\r\n"
    "A Reply to All means that all recipients will become aware that you also received a copy of the email.\r\n\r\n"
    "Do you want to do a Reply to All to this e-mail?";

class ReplyAllCheck : public ReplyTest {
protected:
    using ReplyTest::ReplyTest;
    // Runs the check for the reply to all of the message; returns the event's Cancel.
    bool replyAll(const std::shared_ptr<ol::MailItem>& mail) {
        response = mail->ReplyAll();
        bool cancelled = false;
        cv::cvReplyAllCheck(process(), mail, cancelled, response);
        ui().finish();
        return cancelled;
    }
    void warning(std::string text, int answer) {
        expectBoxContaining("BCCed e-mail - Corvane", std::move(text), platform::mb::QuestionYesNo, answer);
    }
    // The two user properties left on the reply, "<none>" for a missing one.
    std::string left() const {
        return property(response, cv::kRemoveReciptAtProperty) + " / " + property(response, cv::kClearMyEmailProperty);
    }
    std::shared_ptr<ol::Item> response;
};
struct ReplyAllCheck2007 : ReplyAllCheck {
    ReplyAllCheck2007() : ReplyAllCheck({.version = "12.0.0.6300"}) {}
};

TEST_F(ReplyAllCheck, BlindCopyWarningYesSkipsTheRecipientDialog) {
    set(PlaySound, "True");
    warning(kWarning, IdYes);
    EXPECT_FALSE(replyAll(plans({carol}, {bob})));
    EXPECT_EQ(left(), "<none> / Yes");
    EXPECT_EQ(ui().beeps(), 1);
}

TEST_F(ReplyAllCheck2007, ADistributionListSoftensTheWarning) {
    warning(
        "You clicked Reply to All.\r\n\r\nYou do not APPEAR to be in the addresses of this email, "
        "therefore you MAY be BCCed on this email!\r\n\r\nA Reply to All means",
        IdYes);
    EXPECT_FALSE(replyAll(plans({carol, team})));
}

TEST_F(ReplyAllCheck, NoWarningOnAMessageTheUserSentOrWhenSwitchedOff) {
    expectRecipientDialog({ok});
    EXPECT_FALSE(replyAll(plans({carol}, {bob}, me)));
    set(ReplyALL_BCC, "False");
    expectRecipientDialog({ok});
    EXPECT_FALSE(replyAll(plans({carol}, {bob})));
}

TEST_F(ReplyAllCheck, RowsListTheReplysRecipientsAllTicked) {
    expectRecipientDialog({ok});
    replyAll(plans({me, carol}, {bob}));
    EXPECT_TRUE(shows("form frmReplyMultRecipt \"Reply to All - Corvane\" shown")) << transcript();
    EXPECT_TRUE(
        shows("listview lstVRecipients tag \"3\"\n"
              "    column 1 \"\" width 600 icon 2\n"
              "    column 2 \"Recipients\" width 6020\n"
              "    [x] \"\" | \"Ann Lee (ann@example.com)\" tag \"1\"\n"
              "    [x] \"\" | \"Carol Diaz (Exchange)\" tag \"2\"\n"
              "    [x] \"\" | \"Bob Ray (bob@example.org)\" tag \"3\"\n"))
        << transcript();
    EXPECT_EQ(left(), " / Yes");  // every row kept: an empty position list
}

TEST_F(ReplyAllCheck, UntickedPositionsAreLeftOnTheReplyHighestFirst) {
    expectRecipientDialog({ticking({"#1", "#3"}, false), ok});
    EXPECT_FALSE(replyAll(plans({me, carol}, {bob, "Dan West <dan@example.net>"})));
    EXPECT_EQ(left(), "3;1 / Yes");
}

TEST_F(ReplyAllCheck, CancelInTheDialogCancelsTheReply) {
    expectRecipientDialog({ticking({"#2"}, false), cancel});
    EXPECT_TRUE(replyAll(plans({me, carol}, {bob})));
    EXPECT_EQ(left(), "<none> / <none>");
}

TEST_F(ReplyAllCheck, NoDialogWhenSwitchedOffOrEveryoneIsInternal) {
    set(ReplyAllAny, "False");
    EXPECT_FALSE(replyAll(plans({me, carol}, {bob})));
    EXPECT_EQ(left(), "<none> / Yes");
    set(ReplyAllAny, "True");
    set(ReplyInternalCheck, "True");
    expectRecipientDialog({ok});  // no domains set: not internal
    replyAll(plans({me, carol}, {}, carol));
    set(DomainName, "kelderon.example");
    EXPECT_FALSE(replyAll(plans({me, carol}, {}, carol)));
}

TEST_F(ReplyAllCheck, NothingWhileAReplyIsBeingReplaced) {
    process().gblnReplyReplacing = true;
    EXPECT_FALSE(replyAll(plans({carol}, {bob})));
    EXPECT_EQ(left(), "<none> / <none>");
}

TEST_F(ReplyAllCheck, AFailureIsReportedAndLeavesCancelAlone) {
    set(ReplyAllAny, "False");
    std::shared_ptr<ol::MailItem> mail = plans({me, carol});
    response = mail->ReplyAll();
    response->UserProperties()->Add(cv::kClearMyEmailProperty, ol::olprop::Text);  // adding it again fails
    expectBoxContaining("Corvane", ") in procedure cvReplyAllCheck of Module basCorvane", platform::mb::ExclamationOk);
    bool cancelled = false;
    cv::cvReplyAllCheck(process(), mail, cancelled, response);
    EXPECT_FALSE(cancelled);
}

}  // namespace
}  // namespace corvane::testing
