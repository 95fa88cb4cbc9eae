// The send confirmation and the recipient count: when a box appears at all, what it asks,
// and what each answer means to the send.
#include "corvane/access/progids.h"
#include "corvane/checks/basCorvane_send.h"
#include "send_checks_fixture.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
using addin::Confirmation;
using platform::mb::IdNo;
using platform::mb::IdYes;

class SendConfirmation : public SendChecksTest {
protected:
    Confirmation confirm(const std::shared_ptr<sim::SimMailItem>& mail) { return cv::ConfirmSend(*process, mail->asItem()); }
    bool count(const std::shared_ptr<sim::SimMailItem>& mail) {
        return cv::ConfirmRecipientCount(*process, mail->asItem());
    }
};

TEST(ConfirmationText, NamesTheFirstToEntryOrNoOne) {
    EXPECT_EQ(cv::FirstToEntry(" Ann Lee ; Bob Ray"), "Ann Lee");
    EXPECT_EQ(cv::FirstToEntry("  Team  "), "Team");
    EXPECT_EQ(cv::FirstToEntry(""), "");
    EXPECT_EQ(cv::ConfirmationQuestion("Ann Lee"), "Do you wish to send this email to Ann Lee?");
    EXPECT_EQ(cv::ConfirmationQuestion(""), "Do you wish to send this email?");
}

TEST(ListedAddress, IsAPlainSubstringIgnoringCase) {
    EXPECT_TRUE(cv::OccursInList("boss@example.com;JOANN@EXAMPLE.COM", "ann@example.com"));
    EXPECT_TRUE(cv::OccursInList("joann@example.com", "Ann"));  // a name text, no "@"
    EXPECT_FALSE(cv::OccursInList("ann@example.com", "ann@example.co.uk"));
    EXPECT_TRUE(cv::OccursInList("ann@example.com", ""));  // as the classic substring search has it
}

TEST_F(SendConfirmation, IsOffUnlessDisplayConfirmationIsOneOrTwo) {
    for (const char* value : {"0", "3", "yes", ""}) {
        set(keys::DisplayConfirmation, value);
        EXPECT_EQ(confirm(draft({ann})), Confirmation::NotAsked) << value;
    }
}

TEST_F(SendConfirmation, AsksForEveryMessageNamingTheFirstToEntry) {
    set(keys::DisplayConfirmation, "1");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    EXPECT_EQ(confirm(draft({ann, bob})), Confirmation::Yes);
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdNo);
    EXPECT_EQ(confirm(draft({bob})), Confirmation::No);
}

TEST_F(SendConfirmation, AMessageWithoutToEntriesGetsThePlainQuestion) {
    set(keys::DisplayConfirmation, "1");
    set(keys::PlaySound, "True");
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_EQ(confirm(draft({}, {ann})), Confirmation::Yes);
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(SendConfirmation, AsksForListedAddressesFoundAnywhereAmongTheRecipients) {
    set(keys::DisplayConfirmation, "2");
    set(keys::ConfirmEmailAddrs, "boss@example.com;joann@example.com");
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    // Ann's whole address is the tail of a listed one, and she is only a Bcc recipient.
    EXPECT_EQ(confirm(draft({bob}, {}, {ann})), Confirmation::Yes);
    EXPECT_EQ(confirm(draft({bob, john})), Confirmation::NotAsked);
}

TEST_F(SendConfirmation, ListedModeWithAnEmptyListNeverAsks) {
    set(keys::DisplayConfirmation, "2");
    EXPECT_EQ(confirm(draft({ann})), Confirmation::NotAsked);
}

TEST_F(SendConfirmation, ARecipientWithoutAnAddressMatchesByItsName) {
    set(keys::DisplayConfirmation, "2");
    // A personal list has no address of its own and is looked up as "General".
    set(keys::ConfirmEmailAddrs, "general@kelderon.example");
    expectConfirmation("Do you wish to send this email to Friends?", IdNo);
    EXPECT_EQ(confirm(draft({friends})), Confirmation::No);
}

TEST_F(SendConfirmation, AnUnreadableMessageIsReportedAndStillConfirmed) {
    set(keys::DisplayConfirmation, "1");
    access->SetRegistered(access::progid::SafeMailItem, false);
    ui.addStep(boxStep("basCorvane.GetFirstTORecipient - Corvane", "Error 429: ActiveX component can't create object",
                       platform::mb::CriticalOk));
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_EQ(confirm(draft({ann})), Confirmation::Yes);
}

TEST_F(SendConfirmation, AListThatCannotBeCheckedIsReportedAndNotAsked) {
    set(keys::DisplayConfirmation, "2");
    set(keys::ConfirmEmailAddrs, "ann@example.com");
    access->SetRegistered(access::progid::SafeMailItem, false);
    ui.addStep(boxStep("basCorvane.GetFirstTORecipient - Corvane", "Error 429: ActiveX component can't create object",
                       platform::mb::CriticalOk));
    ui.addStep(boxStep("basCorvane.AtLeast1EmailInRecipt - Corvane", "Error 429: ActiveX component can't create object",
                       platform::mb::CriticalOk));
    EXPECT_EQ(confirm(draft({ann})), Confirmation::NotAsked);
}

// ---- the recipient count
TEST_F(SendConfirmation, CountsOnlyWhenAskedAndAboveTheLimit) {
    std::vector<sim::RecipientSpec> six{ann, bob, john, "c@example.com", "d@example.com", "e@example.com"};
    EXPECT_TRUE(count(draft(six)));  // ConfirmForXRecipients is off by default
    set(keys::ConfirmForXRecipients, "True");
    EXPECT_TRUE(count(draft({ann, bob}, {john, "c@example.com"}, {"d@example.com"})));  // five: the default limit
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdNo);
    EXPECT_FALSE(count(draft({ann, bob}, {john, "c@example.com"}, {"d@example.com", "e@example.com"})));
    set(keys::XRecipients, "1");
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_TRUE(count(draft({}, {ann, bob})));
}

TEST_F(SendConfirmation, ADistributionListCountsAsOneRecipient) {
    set(keys::ConfirmForXRecipients, "True");
    set(keys::XRecipients, "2");
    EXPECT_TRUE(count(draft({team, friends})));
}

TEST_F(SendConfirmation, ACountThatCannotBeReadGoesToTheSendEvent) {
    set(keys::ConfirmForXRecipients, "True");
    access->SetRegistered(access::progid::SafeMailItem, false);
    EXPECT_THROW(count(draft({ann})), platform::PlatformError);
}

}  // namespace
}  // namespace corvane::testing
