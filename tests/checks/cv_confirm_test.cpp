// The send confirmation and the recipient count: when a box appears at all, what it asks,
// and what each answer means to the send.
#include "corvane/checks/entry_points.h"
#include "corvane/access/progids.h"
#include "corvane/checks/basCorvane_send.h"
#include "send_checks_fixture.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
using checks::Confirmation;
using platform::mb::IdNo;
using platform::mb::IdYes;

class SendConfirmation : public SendChecksTest {
protected:
    checks::Confirmation confirm(const std::shared_ptr<sim::SimMailItem>& m) { return cv::ConfirmSend(*process, m->asItem()); }
    bool count(const std::shared_ptr<sim::SimMailItem>& m) { return cv::ConfirmRecipientCount(*process, m->asItem()); }
    void withoutComponent() { access->SetRegistered(access::progid::SafeMailItem, false); }
    void expectError(const std::string& procedure) {
        expectBox("basCorvane." + procedure + " - Corvane", "Error 429: ActiveX component can't create object",
                  platform::mb::CriticalOk);
    }
};

TEST(ConfirmationText, NamesTheFirstToEntryOrNoOne) {
    EXPECT_EQ(cv::FirstToEntry(" Ann Lee ; Bob Ray"), "Ann Lee");
    EXPECT_EQ(cv::FirstToEntry(""), "");
    EXPECT_EQ(cv::ConfirmationQuestion("Ann Lee"), "Do you wish to send this email to Ann Lee?");
    EXPECT_EQ(cv::ConfirmationQuestion(""), "Do you wish to send this email?");
}

TEST(ListedAddress, IsAPlainSubstringIgnoringCase) {
    EXPECT_TRUE(cv::OccursInList("boss@example.com;JOANN@EXAMPLE.COM", "ann@example.com"));
    EXPECT_TRUE(cv::OccursInList("joann@example.com", "Ann"));  // a name text, no "@"
    EXPECT_FALSE(cv::OccursInList("ann@example.com", "ann@example.co.uk"));
    EXPECT_TRUE(cv::OccursInList("ann@example.com", ""));  // an unresolved address: the classic search matches
}

TEST_F(SendConfirmation, IsOffUnlessDisplayConfirmationIsOneOrTwo) {
    for (const char* value : {"0", "3", ""}) {
        set(keys::DisplayConfirmation, value);
        EXPECT_EQ(confirm(draft({ann})), checks::Confirmation::NotAsked) << value;
    }
}

TEST_F(SendConfirmation, AsksForEveryMessageNamingTheFirstToEntry) {
    set(keys::DisplayConfirmation, "1");
    set(keys::PlaySound, "True");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    EXPECT_EQ(confirm(draft({ann, bob})), checks::Confirmation::Yes);
    expectConfirmation("Do you wish to send this email?", IdNo);  // only Cc recipients
    EXPECT_EQ(confirm(draft({}, {bob})), checks::Confirmation::No);
    EXPECT_EQ(ui.beeps(), 2);
}

TEST_F(SendConfirmation, AsksForListedAddressesFoundAnywhereAmongTheRecipients) {
    set(keys::DisplayConfirmation, "2");
    EXPECT_EQ(confirm(draft({ann})), checks::Confirmation::NotAsked);  // nothing listed
    set(keys::ConfirmEmailAddrs, "boss@example.com;joann@example.com");
    // Ann's whole address is the tail of a listed one, and she is only a Bcc recipient.
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    EXPECT_EQ(confirm(draft({bob}, {}, {ann})), checks::Confirmation::Yes);
    EXPECT_EQ(confirm(draft({bob, john})), checks::Confirmation::NotAsked);
    // A personal list has no address of its own and is looked up as "General".
    set(keys::ConfirmEmailAddrs, "general@kelderon.example");
    expectConfirmation("Do you wish to send this email to Friends?", IdNo);
    EXPECT_EQ(confirm(draft({friends})), checks::Confirmation::No);
}

TEST_F(SendConfirmation, AMessageThatCannotBeReadIsReportedAndStillConfirmed) {
    set(keys::DisplayConfirmation, "1");
    withoutComponent();
    expectError("GetFirstTORecipient");
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_EQ(confirm(draft({ann})), checks::Confirmation::Yes);
    set(keys::DisplayConfirmation, "2");
    set(keys::ConfirmEmailAddrs, "ann@example.com");
    expectError("GetFirstTORecipient");
    expectError("AtLeast1EmailInRecipt");
    EXPECT_EQ(confirm(draft({ann})), checks::Confirmation::NotAsked);
}

TEST_F(SendConfirmation, CountsOnlyWhenAskedAndAboveTheLimit) {
    EXPECT_TRUE(count(draft(people(6))));  // ConfirmForXRecipients is off by default
    set(keys::ConfirmForXRecipients, "True");
    EXPECT_TRUE(count(draft({ann, bob}, {john, "c@example.com"}, {"d@example.com"})));  // five: the default limit
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdNo);
    EXPECT_FALSE(count(draft({ann, bob}, {john, "c@example.com"}, {"d@example.com", "e@example.com"})));
    set(keys::XRecipients, "1");
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_TRUE(count(draft({}, {ann, bob})));
    EXPECT_TRUE(count(draft({team})));  // a distribution list is one recipient
}

TEST_F(SendConfirmation, ACountThatCannotBeReadGoesToTheSendEvent) {
    set(keys::ConfirmForXRecipients, "True");
    withoutComponent();
    EXPECT_THROW(count(draft({ann})), platform::PlatformError);
}

}  // namespace
}  // namespace corvane::testing
