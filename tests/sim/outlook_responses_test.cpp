// Reply, Reply to All and Forward as Outlook builds them, and their events.
#include <gtest/gtest.h>

#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

std::vector<std::string> Names(const std::shared_ptr<ol::MailItem>& mail, int type) {
    std::vector<std::string> out;
    auto r = mail->Recipients();
    for (int i = 1; i <= r->Count(); ++i) {
        if (r->Item(i)->Type() == type) out.push_back(r->Item(i)->Name());
    }
    return out;
}

TEST(OutlookResponses, ReplyGoesToTheSenderWithRePrefixAndTheQuotedOriginal) {
    Profile p;
    auto original = p.received("FW: Plans");
    auto reply = original->Reply();

    EXPECT_EQ(reply->Subject(), "RE: Plans");
    EXPECT_EQ(Names(reply, ol::olrecipient::To), (std::vector<std::string>{"Ann Lee"}));
    EXPECT_EQ(reply->Recipients()->Count(), 1);
    EXPECT_EQ(reply->EntryID(), "");
    EXPECT_EQ(reply->Body(),
              "\r\n\r\n-----Original Message-----\r\n"
              "From: Ann Lee [mailto:ann@example.com]\r\n"
              "Sent: Monday, March 02, 2026 8:30 AM\r\n"
              "To: John Smith; Carol Diaz\r\n"
              "Cc: Bob Ray\r\n"
              "Subject: FW: Plans\r\n\r\n"
              "Let us meet.");
}

TEST(OutlookResponses, RepliesInOutlook2007AndLaterQuoteUnderARule) {
    Profile p("12.0.0.6504");
    auto reply = p.received()->Reply();
    EXPECT_NE(reply->Body().find("\r\n________________________________\r\nFrom: Ann Lee"), std::string::npos);
}

TEST(OutlookResponses, RepeatedPrefixesAreKeptBeyondTheFirst) {
    Profile p;
    EXPECT_EQ(p.received("RE: RE: Hello")->Reply()->Subject(), "RE: RE: Hello");
    EXPECT_EQ(p.received("Re:Hello")->Forward()->Subject(), "FW: Re:Hello");
    EXPECT_EQ(p.received("AW: Hallo")->Forward()->Subject(), "FW: Hallo");
}

TEST(OutlookResponses, ReplyAllAddsToAndCcButNotTheUserNorBlindCopies) {
    Profile p;
    ItemSpec spec;
    spec.subject = "Budget";
    spec.from = p.ann;
    spec.to = {p.me, p.carol, "Zed <zed@example.net>"};
    spec.cc = {p.bob, "js@kelderon.example"};
    spec.bcc = {"hidden@example.com"};
    auto original = p.inbox()->addMail(spec);

    auto all = original->ReplyAll();

    EXPECT_EQ(Names(all, ol::olrecipient::To), (std::vector<std::string>{"Ann Lee", "Carol Diaz", "Zed"}));
    EXPECT_EQ(Names(all, ol::olrecipient::CC), (std::vector<std::string>{"Bob Ray"}));
    EXPECT_EQ(all->BCC(), "");
}

TEST(OutlookResponses, ReplyGoesToReplyToRecipientsElseToTheRepresentedSender) {
    Profile p;
    ItemSpec spec;
    spec.from = p.carol;
    spec.onBehalfOf = p.ann;
    spec.to = {p.me};
    EXPECT_EQ(Names(p.inbox()->addMail(spec)->Reply(), ol::olrecipient::To), (std::vector<std::string>{"Ann Lee"}));
    spec.replyTo = {p.bob};
    auto withReplyTo = p.inbox()->addMail(spec);
    EXPECT_EQ(withReplyTo->ReplyRecipients()->Count(), 1);
    EXPECT_EQ(Names(withReplyTo->Reply(), ol::olrecipient::To), (std::vector<std::string>{"Bob Ray"}));
}

TEST(OutlookResponses, ForwardHasNoRecipientsAndKeepsTheAttachments) {
    Profile p;
    ItemSpec spec;
    spec.subject = "Report";
    spec.from = p.ann;
    spec.to = {p.me};
    spec.attachments = {{"report.pdf", "", ""}};
    auto forward = p.inbox()->addMail(spec)->Forward();
    EXPECT_EQ(forward->Subject(), "FW: Report");
    EXPECT_EQ(forward->Recipients()->Count(), 0);
    ASSERT_EQ(forward->Attachments()->Count(), 1);
    EXPECT_EQ(forward->Attachments()->Item(1)->FileName(), "report.pdf");
}

TEST(OutlookResponses, AnHtmlOriginalIsQuotedInTheHtmlBody) {
    Profile p;
    ItemSpec spec;
    spec.from = p.ann;
    spec.to = {p.me};
    spec.html = "<html><body><p>Logo <img src=\"cid:logo01\"></p></body></html>";
    auto reply = p.inbox()->addMail(spec)->Reply();
    EXPECT_NE(reply->HTMLBody().find("<b>From:</b> Ann Lee"), std::string::npos);
    EXPECT_NE(reply->HTMLBody().find("cid:logo01"), std::string::npos);
}

TEST(OutlookResponses, TheItemsEventSeesTheResponseBeforeItsWindowOpens) {
    Profile p;
    p.app->start();
    auto explorer = p.app->explorers().front();
    auto original = p.received();
    Log log;
    auto itemSink = std::make_shared<ItemSink>(log);
    auto windows = std::make_shared<WindowSinks>(log, "");
    auto c1 = original->Advise(itemSink);
    auto c2 = p.app->Inspectors()->Advise(windows);
    explorer->select({original});

    auto inspector = explorer->clickReplyAll();

    EXPECT_EQ(log, (Log{"Item.ReplyAll", "Inspectors.NewInspector"}));
    ASSERT_NE(inspector, nullptr);
    EXPECT_EQ(inspector->CurrentItem(), itemSink->response);
    EXPECT_EQ(p.app->ActiveInspector(), inspector);
}

TEST(OutlookResponses, CancelStopsAClickAndFailsACall) {
    Profile p;
    p.app->start();
    auto original = p.received();
    Log log;
    auto sink = std::make_shared<ItemSink>(log);
    sink->cancelResponse = true;
    auto c = original->Advise(sink);
    auto explorer = p.app->explorers().front();
    explorer->select({original});

    EXPECT_EQ(explorer->clickReply(), nullptr);
    EXPECT_EQ(p.app->Inspectors()->Count(), 0);
    EXPECT_THROW(original->Forward(), platform::PlatformError);
    EXPECT_EQ(log, (Log{"Item.Reply", "Item.Forward"}));
}

TEST(OutlookResponses, ACancelSetByOneSinkIsSeenByTheNext) {
    Profile p;
    auto original = p.received();
    Log log;
    auto first = std::make_shared<ItemSink>(log);
    first->cancelResponse = true;
    struct Observer : ol::ItemEvents {
        void Reply(const std::shared_ptr<ol::Item>&, bool& cancel) override { seen = cancel; }
        bool seen = false;
    };
    auto second = std::make_shared<Observer>();
    auto c1 = original->Advise(first);
    auto c2 = original->Advise(second);
    EXPECT_THROW(original->Reply(), platform::PlatformError);
    EXPECT_TRUE(second->seen);
}

}  // namespace
}  // namespace corvane::sim::testing
