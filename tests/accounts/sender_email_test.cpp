#include "corvane/accounts/address_resolution.h"
#include "corvane/platform/outlook/errors.h"
#include "corvane/platform/outlook/items.h"
#include "failing_item.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class SenderEmailTest : public ResolutionTest {
protected:
    std::string own(const std::shared_ptr<ol::Item>& item, bool showError = false) {
        return SenderEmailWithoutOnBehalf(*process, item, showError);
    }
    std::shared_ptr<sim::SimAddressEntry> exchangeUser(std::vector<std::string> proxies, std::string smtp = "") {
        sim::EntrySpec spec;
        spec.name = "Old Timer";
        spec.type = "EX";
        spec.address = "/o=Kelderon/cn=Recipients/cn=otimer";
        spec.smtpAddress = std::move(smtp);
        spec.proxyAddresses = std::move(proxies);
        return book().addEntry(spec);
    }
    std::shared_ptr<sim::SimMailItem> onBehalf(std::shared_ptr<sim::SimAddressEntry> from,
                                               std::shared_ptr<sim::SimAddressEntry> represented) {
        sim::ItemSpec spec;
        spec.subject = "For the boss";
        spec.from = std::move(from);
        spec.onBehalfOf = std::move(represented);
        spec.to = {john};
        return inbox()->addMail(spec);
    }
};

// ---- the sender's own address

TEST_F(SenderEmailTest, ExchangeSenderGivesThePrimaryAmongSecondaryAndOtherProxies) {
    EXPECT_EQ(own(received(john)), "john@kelderon.example");
}

TEST_F(SenderEmailTest, ExchangeSenderWithSeveralPrimaryElementsGivesTheLast) {
    auto sender = exchangeUser({"SMTP:first@kelderon.example", "SMTP:last@kelderon.example"});
    EXPECT_EQ(own(received(sender)), "last@kelderon.example");
}

TEST_F(SenderEmailTest, ExchangeSenderWithoutAPrimaryFallsBackToItsSmtpAddress) {
    auto onlySecondary = exchangeUser({"smtp:old@kelderon.example", "X400:c=US;s=Timer"}, "timer@kelderon.example");
    EXPECT_EQ(own(received(onlySecondary)), "timer@kelderon.example");
    auto noProxies = exchangeUser({}, "bare@kelderon.example");
    EXPECT_EQ(own(received(noProxies)), "bare@kelderon.example");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SenderEmailTest, SmtpSenderGivesItsAddressAsStored) {
    auto mixed = book().addSmtp("Mixed Case", "Mixed.Case@Example.COM");
    EXPECT_EQ(own(received(mixed)), "Mixed.Case@Example.COM");
}

TEST_F(SenderEmailTest, PostAndReportItemsHaveTheirSendersResolvedToo) {
    EXPECT_EQ(own(itemOfClass(ol::olclass::Post, ann)), "ann@example.com");
    EXPECT_EQ(own(itemOfClass(ol::olclass::Report, john)), "john@kelderon.example");
}

TEST_F(SenderEmailTest, AMessageWithoutSenderGivesNothing) {
    sim::ItemSpec draft;
    draft.sent = false;
    draft.to = {ann};
    EXPECT_EQ(own(app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(draft), true), "");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SenderEmailTest, ResetsTheComponentBeforeAndAfter) {
    const int before = cleanUps();
    own(received(ann));
    EXPECT_EQ(cleanUps(), before + 2);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

// ---- failures

TEST_F(SenderEmailTest, AnItemOfAnotherClassIsReportedWhenAskedAndGivesNothing) {
    auto note = itemOfClass(ol::olclass::Note, nullptr);
    EXPECT_EQ(own(note, false), "");
    EXPECT_TRUE(ui.boxes.empty());

    process->appTitle = "Brackenfold";
    EXPECT_EQ(own(note, true), "");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, UnresolvedPrompt);
    EXPECT_EQ(ui.boxes[0].buttons, 48);
    EXPECT_EQ(ui.boxes[0].title, "Invalid E-mail Address - Brackenfold");
}

TEST_F(SenderEmailTest, AGoneItemIsReportedAndTheComponentStillReset) {
    auto mail = received(ann);
    mail->asItem()->Delete();
    const int before = cleanUps();
    EXPECT_EQ(own(mail, true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(cleanUps(), before + 2);
}

TEST_F(SenderEmailTest, TheUnexpectedFailureIsNeverReported) {
    EXPECT_EQ(own(std::make_shared<FailingItem>(platform::errors::Unexpected), true), "");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(own(std::make_shared<FailingItem>(platform::errors::Fail), true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(SenderEmailTest, AMissingComponentIsReported) {
    access->SetRegistered("cvRedemption.cvSafeMailItem", false);
    EXPECT_EQ(own(received(ann), true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

// ---- with an on-behalf-of sender

TEST_F(SenderEmailTest, OnBehalfSmtpSenderIsTheAddressToUse) {
    auto mail = onBehalf(ann, bea);
    EXPECT_EQ(SenderEmail(*process, mail, true), "bea@example.com");
    EXPECT_EQ(SenderEmailWithoutOnBehalf(*process, mail), "ann@example.com");
}

TEST_F(SenderEmailTest, OnBehalfOfTheSameAddressInAnotherCaseGivesTheSendersOwnCase) {
    auto shouting = book().addSmtp("Ann (shared)", "ANN@Example.com");
    EXPECT_EQ(SenderEmail(*process, onBehalf(ann, shouting)), "ann@example.com");
}

TEST_F(SenderEmailTest, OnBehalfExchangeSenderIsIgnored) {
    EXPECT_EQ(SenderEmail(*process, onBehalf(ann, john)), "ann@example.com");
}

TEST_F(SenderEmailTest, WithoutOnBehalfSenderTheOwnAddressIsUsed) {
    EXPECT_EQ(SenderEmail(*process, received(john)), "john@kelderon.example");
    EXPECT_EQ(SenderEmail(*process, itemOfClass(ol::olclass::Post, ann)), "ann@example.com");
}

TEST_F(SenderEmailTest, OnBehalfShowsOnlyTheInnerMessage) {
    EXPECT_EQ(SenderEmail(*process, std::make_shared<FailingItem>(platform::errors::Fail), true), "");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Invalid E-mail Address - Corvane");
    EXPECT_EQ(SenderEmail(*process, std::make_shared<FailingItem>(platform::errors::Fail), false), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

}  // namespace
}  // namespace corvane::accounts::testing
