#include "corvane/accounts/address_resolution.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class SenderEmailTest : public ResolutionTest {
protected:
    std::string own(std::shared_ptr<sim::SimAddressEntry> from, int objectClass = ol::olclass::Mail) {
        auto spec = p.message(std::move(from));
        spec.objectClass = objectClass;
        return SenderEmailWithoutOnBehalf(*process, p.inbox()->addItem(spec)->asItem());
    }
    std::string onBehalf(std::shared_ptr<sim::SimAddressEntry> from, std::shared_ptr<sim::SimAddressEntry> boss) {
        auto spec = p.message(std::move(from));
        spec.onBehalfOf = std::move(boss);
        return SenderEmail(*process, p.mail(spec), true);
    }
};

TEST_F(SenderEmailTest, ExchangeSenderGivesTheLastPrimaryProxyElseItsSmtpAddress) {
    EXPECT_EQ(own(p.john), "john@kelderon.example");  // after a secondary, before an X.400 proxy
    EXPECT_EQ(own(entry("EX", "", {"SMTP:first@k.example", "SMTP:last@k.example"})), "last@k.example");
    EXPECT_EQ(own(entry("EX", "own@k.example", {"smtp:second@k.example"})), "own@k.example");
    EXPECT_EQ(own(entry("EX", "bare@k.example")), "bare@k.example");
}

TEST_F(SenderEmailTest, SmtpSendersOfMailPostAndReportItemsGiveTheirAddressAsStored) {
    auto& book = p.app->profile()->addressBook();
    EXPECT_EQ(own(book.addSmtp("Mixed", "Mixed.Case@Example.COM")), "Mixed.Case@Example.COM");
    EXPECT_EQ(own(p.ann, ol::olclass::Post), "ann@example.com");
    EXPECT_EQ(own(p.john, ol::olclass::Report), "john@kelderon.example");
    EXPECT_EQ(own(nullptr), "");
}

TEST_F(SenderEmailTest, OnlyAnOnBehalfSmtpSenderOtherThanTheSendersOwnIsUsed) {
    EXPECT_EQ(onBehalf(p.ann, p.boss), "bea@example.com");
    auto shared = p.app->profile()->addressBook().addSmtp("Shared", "ANN@Example.com");
    EXPECT_EQ(onBehalf(p.ann, shared), "ann@example.com");
    EXPECT_EQ(onBehalf(p.ann, p.john), "ann@example.com");  // an Exchange on-behalf sender is ignored
    EXPECT_EQ(onBehalf(p.john, nullptr), "john@kelderon.example");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SenderEmailTest, FailuresAreReportedWhenAskedExceptTheUnexpectedOne) {
    auto spec = p.message(p.ann);
    spec.objectClass = ol::olclass::Note;  // no sender wrapper for a note
    auto note = p.inbox()->addItem(spec)->asItem();
    EXPECT_EQ(SenderEmailWithoutOnBehalf(*process, note, false), "");
    EXPECT_TRUE(ui.boxes.empty());
    process->appTitle = "Brackenfold";
    const int before = cleanUps();
    EXPECT_EQ(SenderEmail(*process, note, true), "");
    EXPECT_EQ(cleanUps(), before + 2);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, UnresolvedPrompt);
    EXPECT_EQ(ui.boxes[0].buttons, 48);
    EXPECT_EQ(ui.boxes[0].title, "Invalid E-mail Address - Brackenfold");
    EXPECT_EQ(SenderEmail(*process, std::make_shared<FailingItem>(platform::errors::Unexpected.number), true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

}  // namespace
}  // namespace corvane::accounts::testing
