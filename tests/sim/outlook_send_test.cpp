// Sending: the name check, Send then ItemSend with Cancel, the Outbox, deferred delivery
// and the account a message goes out from.
#include <gtest/gtest.h>

#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

struct Sending : ::testing::Test {
    Profile p;
    Log log;
    std::shared_ptr<AppSink> appSink = std::make_shared<AppSink>(log);
    ol::Connection appConnection = p.app->Advise(appSink);
    std::shared_ptr<ItemSink> itemSink = std::make_shared<ItemSink>(log);
    ol::Connection itemConnection;

    // The user writes a message to Ann in a new window.
    std::shared_ptr<SimInspector> compose(std::string subject = "Hello") {
        p.app->start();
        auto inspector = p.app->composeMail();
        auto mail = std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem());
        mail->SetSubject(subject);
        mail->SetTo("ann@example.com");
        itemConnection = mail->Advise(itemSink);
        log.clear();
        return inspector;
    }
    std::shared_ptr<SimFolder> outbox() { return p.folder(ol::olfolder::Outbox); }
    std::shared_ptr<SimFolder> sentItems() { return p.folder(ol::olfolder::SentMail); }
};

TEST_F(Sending, SendRaisesTheItemsSendThenItemSendAndTheMessageGoesToSentItems) {
    auto inspector = compose();
    auto item = inspector->CurrentItem();

    EXPECT_EQ(inspector->clickSend(), SendOutcome::Sent);

    EXPECT_EQ(log, (Log{"Item.Send", "App.ItemSend", "Item.Close"}));
    EXPECT_TRUE(inspector->closed());
    EXPECT_EQ(outbox()->items().size(), 0u);
    ASSERT_EQ(sentItems()->items().size(), 1u);
    auto sent = std::dynamic_pointer_cast<ol::MailItem>(sentItems()->items().front()->asItem());
    EXPECT_TRUE(sent->Sent());
    EXPECT_EQ(sent->SentOn(), p.clock().now());
    EXPECT_EQ(sent->SenderName(), "John Smith");
    EXPECT_THROW(item->Subject(), platform::PlatformError);
    ASSERT_EQ(p.app->sentLog().size(), 1u);
    EXPECT_EQ(p.app->sentLog().front().to, (std::vector<std::string>{"ann@example.com"}));
    EXPECT_EQ(p.app->sentLog().front().account, "Kelderon");
}

TEST_F(Sending, ACancelInTheItemsSendStopsBeforeItemSend) {
    auto inspector = compose();
    itemSink->cancelSend = true;
    EXPECT_EQ(inspector->clickSend(), SendOutcome::Cancelled);
    EXPECT_EQ(log, (Log{"Item.Send"}));
    EXPECT_FALSE(inspector->closed());
    EXPECT_TRUE(sentItems()->items().empty());
}

TEST_F(Sending, ACancelInItemSendLeavesTheMessageOpen) {
    auto inspector = compose();
    appSink->cancelSend = true;
    EXPECT_EQ(inspector->clickSend(), SendOutcome::Cancelled);
    EXPECT_EQ(log, (Log{"Item.Send", "App.ItemSend"}));
    EXPECT_EQ(p.app->ActiveInspector(), inspector);
    EXPECT_NO_THROW(inspector->CurrentItem()->Subject());
}

TEST_F(Sending, AMessageDeferredIntoTheFutureWaitsInTheOutbox) {
    auto inspector = compose();
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem());
    mail->SetDeferredDeliveryTime(p.clock().now().addSeconds(60));

    EXPECT_EQ(inspector->clickSend(), SendOutcome::Queued);
    ASSERT_EQ(outbox()->items().size(), 1u);
    auto queued = std::dynamic_pointer_cast<ol::MailItem>(outbox()->items().front()->asItem());
    EXPECT_TRUE(queued->Submitted());
    EXPECT_FALSE(queued->Sent());

    p.clock().advanceSeconds(59);
    p.app->runTransport();
    EXPECT_EQ(outbox()->items().size(), 1u);
    p.clock().advanceSeconds(1);
    p.app->runTransport();
    EXPECT_TRUE(outbox()->items().empty());
    ASSERT_EQ(sentItems()->items().size(), 1u);
    EXPECT_EQ(p.app->sentLog().front().deferredDelivery, p.clock().now());
    EXPECT_THROW(queued->Subject(), platform::PlatformError);
}

TEST_F(Sending, AMessageDeferredIntoThePastGoesAtOnce) {
    auto inspector = compose();
    std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem())
        ->SetDeferredDeliveryTime(p.clock().now().addSeconds(-3600));
    EXPECT_EQ(inspector->clickSend(), SendOutcome::Sent);
    EXPECT_TRUE(outbox()->items().empty());
}

TEST_F(Sending, UnknownNamesAreRefusedBeforeAnyEvent) {
    auto inspector = compose();
    std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem())->SetTo("Nobody Known");
    EXPECT_THAT([&] { inspector->clickSend(); }, FailsWith(platform::errors::UnrecognizedNames));
    EXPECT_TRUE(log.empty());
    std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem())->SetTo("");
    EXPECT_THAT([&] { inspector->clickSend(); }, FailsWith(platform::errors::NoRecipients));
}

TEST_F(Sending, AMessageGoesOutFromTheAccountItsSendAccountPropertyNames) {
    auto inspector = compose();
    auto message = inspector->CurrentItem()->MAPIOBJECT();
    auto stamp = std::get<std::string>(p.home->Fields(mapi::tags::AccountSendStamp));
    message->SetFields(0x0E28001E, stamp);
    EXPECT_EQ(message->Account()->Name(), "Home");

    inspector->clickSend();

    ASSERT_EQ(p.app->sentLog().size(), 1u);
    EXPECT_EQ(p.app->sentLog().front().account, "Home");
    auto sent = std::dynamic_pointer_cast<ol::MailItem>(sentItems()->items().front()->asItem());
    EXPECT_EQ(sent->SenderEmailAddress(), "john@home.example");
}

}  // namespace
}  // namespace corvane::sim::testing
