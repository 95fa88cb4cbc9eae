#include "corvane/accounts/address_resolution.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/recipients.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

using RecipientSmtpAddressTest = ResolutionTest;

TEST_F(RecipientSmtpAddressTest, ReadsTheEntryWithoutResolving) {
    auto twoPrimaries = entryOfType("EX", "", {"SMTP:a@k.example", "SMTP:b@k.example"});
    auto mail = mailTo({john, boss, team, friends, twoPrimaries});
    const std::vector<std::string> expected{"john@kelderon.example", "bea@example.com", "team@kelderon.example", "",
                                            "b@k.example"};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(RecipientSmtpAddress(process(), mail, i, true), expected[i - 1]) << i;

    auto draft = std::dynamic_pointer_cast<ol::MailItem>(app->CreateItem(ol::olitem::Mail));
    draft->Recipients()->Add("Ann Lee");
    EXPECT_EQ(RecipientSmtpAddress(process(), draft, 1), "Ann Lee");
    EXPECT_FALSE(draft->Recipients()->Item(1)->Resolved());
}

TEST_F(RecipientSmtpAddressTest, FailuresGiveNothingAndNoMessage) {
    auto mail = mailTo({boss});
    const int before = cleanUps();
    EXPECT_EQ(RecipientSmtpAddress(process(), mail, 5, true), "");
    EXPECT_EQ(cleanUps(), before + 2);
    access().SetRegistered("cvRedemption.cvSafeMailItem", false);
    EXPECT_EQ(RecipientSmtpAddress(process(), mail, 1, true), "");
    EXPECT_EQ(access().LiveObjects(), 0u);
}

}  // namespace
}  // namespace corvane::accounts::testing
