#include "corvane/accounts/address_resolution.h"
#include "corvane/platform/outlook/items.h"
#include "corvane/platform/outlook/recipients.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class RecipientSmtpAddressTest : public ResolutionTest {
protected:
    std::string address(const std::shared_ptr<ol::Item>& item, int index) {
        return RecipientSmtpAddress(*process, item, index, true);
    }
};

TEST_F(RecipientSmtpAddressTest, ExchangeAndSmtpRecipientsGiveTheirAddresses) {
    auto mail = received(ann, {john, bea, team});
    EXPECT_EQ(address(mail, 1), "john@kelderon.example");
    EXPECT_EQ(address(mail, 2), "bea@example.com");
    EXPECT_EQ(address(mail, 3), "team@kelderon.example");
}

TEST_F(RecipientSmtpAddressTest, ExchangeRecipientTakesTheLastPrimaryProxy) {
    sim::EntrySpec spec;
    spec.name = "Two Primaries";
    spec.type = "EX";
    spec.address = "/o=Kelderon/cn=two";
    spec.proxyAddresses = {"SMTP:first@kelderon.example", "smtp:x@kelderon.example", "SMTP:last@kelderon.example"};
    EXPECT_EQ(address(received(ann, {book().addEntry(spec)}), 1), "last@kelderon.example");
}

TEST_F(RecipientSmtpAddressTest, DoesNotResolveAndGivesTheNameOfAnUnresolvedRecipient) {
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(app->CreateItem(ol::olitem::Mail));
    mail->Recipients()->Add("Ann Lee");
    EXPECT_EQ(address(mail, 1), "Ann Lee");
    EXPECT_FALSE(mail->Recipients()->Item(1)->Resolved());
}

TEST_F(RecipientSmtpAddressTest, APersonalListIsNotAnAddress) {
    EXPECT_EQ(address(received(ann, {friends}), 1), "");
}

TEST_F(RecipientSmtpAddressTest, FailuresGiveNothingAndNoMessage) {
    auto mail = received(ann, {bea});
    EXPECT_EQ(address(mail, 5), "");
    access->SetRegistered("cvRedemption.cvSafeMailItem", false);
    EXPECT_EQ(address(mail, 1), "");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RecipientSmtpAddressTest, ResetsTheComponentAndReleasesItsObjects) {
    auto mail = received(ann, {bea});
    const int before = cleanUps();
    address(mail, 1);
    EXPECT_EQ(cleanUps(), before + 2);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

}  // namespace
}  // namespace corvane::accounts::testing
