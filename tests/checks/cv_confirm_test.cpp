// The send confirmation and the recipient count: when a box appears at all, what it asks,
// and what each answer means to the send.
#include "corvane/access/progids.h"
#include "corvane/checks/basCorvane_send.h"
#include "corvane/settings/setting_keys.h"
#include "support/platform_error.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
namespace keys = settings::keys;
using checks::Confirmation;
using platform::mb::IdNo;
using platform::mb::IdYes;
using Recipients = std::vector<sim::RecipientSpec>;

class SendConfirmation : public WorldTest {
protected:
    Confirmation confirm(Recipients to, Recipients cc = {}, Recipients bcc = {}) {
        return cv::ConfirmSend(process(), draft({.to = to, .cc = cc, .bcc = bcc})->asItem());
    }
    bool count(Recipients to, Recipients cc = {}, Recipients bcc = {}) {
        return cv::ConfirmRecipientCount(process(), draft({.to = to, .cc = cc, .bcc = bcc})->asItem());
    }
    void withoutComponent() { process().access->SetRegistered(access::progid::SafeMailItem, false); }
    // The confirmation box, answered Yes or No.
    void expectConfirmation(const std::string& question, int answer) {
        expectBox("Confirm Email Send - Corvane",
                  question +
                      "\r\n\r\n(If you do not wish to see this message please go to the Corvane settings "
                      "screen and click Send-Confirm)",
                  platform::mb::InformationYesNo, answer);
    }
    void expectError(const std::string& procedure) {
        expectBox("basCorvane." + procedure + " - Corvane", "Error 429: ActiveX component can't create object",
                  platform::mb::CriticalOk);
    }

    const std::shared_ptr<sim::SimAddressEntry> john = entry("John Smith"), ann = entry("Ann Lee"),
                                                bob = entry("Bob Ray"), friends = entry("Friends");
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
        EXPECT_EQ(confirm({ann}), Confirmation::NotAsked) << value;
    }
}

TEST_F(SendConfirmation, AsksForEveryMessageNamingTheFirstToEntry) {
    set(keys::DisplayConfirmation, "1");
    set(keys::PlaySound, "True");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    EXPECT_EQ(confirm({ann, bob}), Confirmation::Yes);
    expectConfirmation("Do you wish to send this email?", IdNo);  // only Cc recipients
    EXPECT_EQ(confirm({}, {bob}), Confirmation::No);
    EXPECT_EQ(ui().beeps(), 2);
}

TEST_F(SendConfirmation, AsksForListedAddressesFoundAnywhereAmongTheRecipients) {
    set(keys::DisplayConfirmation, "2");
    EXPECT_EQ(confirm({ann}), Confirmation::NotAsked);  // nothing listed
    set(keys::ConfirmEmailAddrs, "boss@example.com;ann@example.com");
    // Ann is only a Bcc recipient.
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    EXPECT_EQ(confirm({bob}, {}, {ann}), Confirmation::Yes);
    EXPECT_EQ(confirm({bob, john}), Confirmation::NotAsked);
    // A personal list has no address of its own and is looked up as "General".
    set(keys::ConfirmEmailAddrs, "general@kelderon.example");
    expectConfirmation("Do you wish to send this email to Friends?", IdNo);
    EXPECT_EQ(confirm({friends}), Confirmation::No);
    // An entry without an address is looked up as nothing, which every list holds; it is
    // not reported.
    sim::EntrySpec retired;
    retired.name = "Old Mailbox";
    retired.type = "EX";
    retired.address = "/o=Kelderon/cn=old";
    expectConfirmation("Do you wish to send this email to Old Mailbox?", IdYes);
    EXPECT_EQ(confirm({app->profile()->addressBook().addEntry(retired)}), Confirmation::Yes);
}

TEST_F(SendConfirmation, AMessageThatCannotBeReadIsReportedAndStillConfirmed) {
    set(keys::DisplayConfirmation, "1");
    withoutComponent();
    expectError("GetFirstTORecipient");
    expectConfirmation("Do you wish to send this email?", IdYes);
    EXPECT_EQ(confirm({ann}), Confirmation::Yes);
    set(keys::DisplayConfirmation, "2");
    set(keys::ConfirmEmailAddrs, "ann@example.com");
    expectError("GetFirstTORecipient");
    expectError("AtLeast1EmailInRecipt");
    EXPECT_EQ(confirm({ann}), Confirmation::NotAsked);
}

TEST_F(SendConfirmation, CountsOnlyWhenAskedAndAboveTheLimitBlindCopiesIncluded) {
    EXPECT_TRUE(count({ann, bob, john, "c@example.com", "d@example.com", "e@example.com"}));  // off by default
    set(keys::ConfirmForXRecipients, "True");
    set(keys::XRecipients, "1");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdNo);
    EXPECT_FALSE(count({ann}, {}, {bob}));
    withoutComponent();  // a count that cannot be read goes to the send event
    EXPECT_THAT([&] { count({ann}); }, FailsWith(429));
}

}  // namespace
}  // namespace corvane::testing
