#include "corvane/accounts/address_resolution.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class SenderEmailTest : public ResolutionTest {
protected:
    std::string own(std::shared_ptr<sim::SimAddressEntry> from, int objectClass = ol::olclass::Mail) {
        auto item = folder(ol::olfolder::Inbox)->addItem({.objectClass = objectClass, .from = from, .to = {john}});
        return SenderEmailWithoutOnBehalf(process(), item->asItem());
    }
    std::string onBehalf(std::shared_ptr<sim::SimAddressEntry> from, std::shared_ptr<sim::SimAddressEntry> chief) {
        return SenderEmail(process(), received({.from = from, .onBehalfOf = chief, .to = {john}}), true);
    }
};

TEST_F(SenderEmailTest, ExchangeSenderGivesTheLastPrimaryProxyElseItsSmtpAddress) {
    EXPECT_EQ(own(john), "john@kelderon.example");  // after a secondary, before an X.400 proxy
    EXPECT_EQ(own(entryOfType("EX", "", {"SMTP:first@k.example", "SMTP:last@k.example"})), "last@k.example");
    EXPECT_EQ(own(entryOfType("EX", "own@k.example", {"smtp:second@k.example"})), "own@k.example");
    EXPECT_EQ(own(entryOfType("EX", "bare@k.example")), "bare@k.example");
}

TEST_F(SenderEmailTest, SmtpSendersOfMailPostAndReportItemsGiveTheirAddressAsStored) {
    auto& book = app->profile()->addressBook();
    EXPECT_EQ(own(book.addSmtp("Mixed", "Mixed.Case@Example.COM")), "Mixed.Case@Example.COM");
    EXPECT_EQ(own(ann, ol::olclass::Post), "ann@example.com");
    EXPECT_EQ(own(john, ol::olclass::Report), "john@kelderon.example");
    EXPECT_EQ(own(nullptr), "");
}

TEST_F(SenderEmailTest, OnlyAnOnBehalfSmtpSenderOtherThanTheSendersOwnIsUsed) {
    EXPECT_EQ(onBehalf(ann, boss), "bea@example.com");
    auto shared = app->profile()->addressBook().addSmtp("Shared", "ANN@Example.com");
    EXPECT_EQ(onBehalf(ann, shared), "ann@example.com");
    EXPECT_EQ(onBehalf(ann, john), "ann@example.com");  // an Exchange on-behalf sender is ignored
    EXPECT_EQ(onBehalf(john, nullptr), "john@kelderon.example");
}

TEST_F(SenderEmailTest, FailuresAreReportedWhenAskedExceptTheUnexpectedOne) {
    // No sender wrapper for a note.
    auto note = folder(ol::olfolder::Inbox)->addItem({.objectClass = ol::olclass::Note, .from = ann})->asItem();
    EXPECT_EQ(SenderEmailWithoutOnBehalf(process(), note, false), "");
    process().appTitle = "Brackenfold";
    const int before = cleanUps();
    expectUnresolved("Invalid E-mail Address - Brackenfold");
    EXPECT_EQ(SenderEmail(process(), note, true), "");
    EXPECT_EQ(cleanUps(), before + 2);
    EXPECT_EQ(SenderEmail(process(), std::make_shared<FailingItem>(platform::errors::Unexpected.number), true), "");
    EXPECT_EQ(access().LiveObjects(), 0u);
}

}  // namespace
}  // namespace corvane::accounts::testing
