// cvReplyAllCheck: the blind-copy warning and when it stays away, the recipient dialog and
// what skips it, the removal positions and the self-removal mark left on the reply.
#include "reply_fixture.h"

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

simhost::MessageBoxStep warning(std::string text, int answer) {
    return box("BCCed e-mail - Corvane", std::move(text), platform::mb::QuestionYesNo, answer);
}

class ReplyAllCheck : public ReplyTest {
protected:
    using ReplyTest::ReplyTest;
    // Runs the check for the reply to all of the message; returns the event's Cancel.
    bool replyAll(const std::shared_ptr<ol::MailItem>& mail) {
        response = mail->ReplyAll();
        bool cancel = false;
        cv::cvReplyAllCheck(p(), mail, cancel, response);
        ui.finish();
        return cancel;
    }
    // The two user properties left on the reply, "<none>" for a missing one.
    std::string left() const {
        return property(response, cv::kRemoveReciptAtProperty) + " / " + property(response, cv::kClearMyEmailProperty);
    }
    std::shared_ptr<ol::Item> response;
};
struct ReplyAllCheck2002 : ReplyAllCheck {
    ReplyAllCheck2002() : ReplyAllCheck("10.0.0.6626") {}
};
struct ReplyAllCheck2007 : ReplyAllCheck {
    ReplyAllCheck2007() : ReplyAllCheck("12.0.0.6300") {}
};

TEST_F(ReplyAllCheck, BlindCopyWarningNoCancelsTheReply) {
    ui.addStep(warning(kWarning, IdNo));
    EXPECT_TRUE(replyAll(received({carol}, {bob})));
    EXPECT_EQ(left(), "<none> / <none>");
}

TEST_F(ReplyAllCheck, BlindCopyWarningYesSkipsTheRecipientDialog) {
    set(PlaySound, "True");
    ui.addStep(warning(kWarning, IdYes));
    EXPECT_FALSE(replyAll(received({carol}, {bob})));
    EXPECT_EQ(left(), "<none> / Yes");
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(ReplyAllCheck2007, ADistributionListSoftensTheWarning) {
    ui.addStep(warning("You clicked Reply to All.\r\n\r\nYou do not APPEAR to be in the addresses of this email, "
                       "therefore you MAY be BCCed on this email!\r\n\r\nA Reply to All means",
                       IdYes));
    EXPECT_FALSE(replyAll(received({carol, team})));
}

TEST_F(ReplyAllCheck, NoWarningOnAMessageTheUserSentOrWhenSwitchedOff) {
    ui.addStep(recipientDialog({kOK}));
    EXPECT_FALSE(replyAll(received({carol}, {bob}, me)));
    set(ReplyALL_BCC, "False");
    ui.addStep(recipientDialog({kOK}));
    EXPECT_FALSE(replyAll(received({carol}, {bob})));
}

TEST_F(ReplyAllCheck, RowsListTheReplysRecipientsAllTicked) {
    ui.addStep(recipientDialog({kOK}));
    replyAll(received({me, carol}, {bob}));
    EXPECT_TRUE(shows("form frmReplyMultRecipt \"Reply to All - Corvane\" shown")) << transcript();
    EXPECT_TRUE(shows("listview lstVRecipients tag \"3\"\n"
                      "    column 1 \"\" width 600 icon 2\n"
                      "    column 2 \"Recipients\" width 6020\n"
                      "    [x] \"\" | \"Ann Lee (ann@example.com)\" tag \"1\"\n"
                      "    [x] \"\" | \"Carol Diaz (Exchange)\" tag \"2\"\n"
                      "    [x] \"\" | \"Bob Ray (bob@example.org)\" tag \"3\"\n"))
        << transcript();
    EXPECT_EQ(left(), " / Yes");  // every row kept: an empty position list
}

TEST_F(ReplyAllCheck, UntickedPositionsAreLeftOnTheReplyHighestFirst) {
    ui.addStep(recipientDialog({ticking({"#1", "#3"}, false), kOK}));
    EXPECT_FALSE(replyAll(received({me, carol}, {bob, "Dan West <dan@example.net>"})));
    EXPECT_EQ(left(), "3;1 / Yes");
}

TEST_F(ReplyAllCheck, CancelInTheDialogCancelsTheReply) {
    ui.addStep(recipientDialog({ticking({"#2"}, false), kCancel}));
    EXPECT_TRUE(replyAll(received({me, carol}, {bob})));
    EXPECT_EQ(left(), "<none> / <none>");
}

TEST_F(ReplyAllCheck, NoDialogWhenSwitchedOffOrEveryoneIsInternal) {
    set(ReplyAllAny, "False");
    EXPECT_FALSE(replyAll(received({me, carol}, {bob})));
    EXPECT_EQ(left(), "<none> / Yes");
    set(ReplyAllAny, "True");
    set(ReplyInternalCheck, "True");
    ui.addStep(recipientDialog({kOK}));  // no domains set: not internal
    replyAll(received({me, carol}, {}, carol));
    set(DomainName, "kelderon.example");
    EXPECT_FALSE(replyAll(received({me, carol}, {}, carol)));
}

TEST_F(ReplyAllCheck, NothingWhileAReplyIsBeingReplaced) {
    process->gblnReplyReplacing = true;
    EXPECT_FALSE(replyAll(received({carol}, {bob})));
    EXPECT_EQ(left(), "<none> / <none>");
}

TEST_F(ReplyAllCheck2002, NoSelfRemovalInOutlook2002) {
    ui.addStep(recipientDialog({kOK}));
    replyAll(received({me, carol}));
    EXPECT_EQ(left(), " / <none>");
}

TEST_F(ReplyAllCheck, AFailureIsReportedAndLeavesCancelAlone) {
    set(ReplyAllAny, "False");
    std::shared_ptr<ol::MailItem> mail = received({me, carol});
    response = mail->ReplyAll();
    response->UserProperties()->Add(cv::kClearMyEmailProperty, ol::olprop::Text);  // adding it again fails
    ui.addStep(box("Corvane", ") in procedure cvReplyAllCheck of Module basCorvane", platform::mb::ExclamationOk,
                   platform::mb::IdOk));
    bool cancel = false;
    cv::cvReplyAllCheck(p(), mail, cancel, response);
    ui.finish();
    EXPECT_FALSE(cancel);
}

}  // namespace
}  // namespace corvane::testing
