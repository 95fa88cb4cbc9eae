#include "corvane/accounts/address_resolution.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/recipients.h"
#include "corvane/sim/inspector.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class RecipientEmailTest : public ResolutionTest {
protected:
    using ResolutionTest::ResolutionTest;
    std::shared_ptr<mapi::Session> outlookSession() { return app->Session()->MAPIOBJECT(); }
    // Whether the recipient counts as an Exchange distribution list, asked to detect one.
    bool listAt(const std::shared_ptr<ol::Item>& item, int index, bool detect = true) {
        bool isList = false;
        RecipientEmail(process(), item, index, false, false, detect, isList);
        return isList;
    }
    std::shared_ptr<ol::MailItem> composed(const char* recipient) {
        auto mail = std::dynamic_pointer_cast<ol::MailItem>(app->composeMail()->CurrentItem());
        mail->Recipients()->Add(recipient);
        return mail;
    }
};

TEST_F(RecipientEmailTest, EveryKindOfRecipientGivesItsAddressOrWhatStandsForIt) {
    auto mail = mailTo({ann, john, team, "Bob <bob@example.org>", friends, "Somebody Unknown",
                        entryOfType("EX", "", {"smtp:old@k.example"}), entryOfType("GOOG")});
    const std::vector<std::string> expected{"ann@example.com",
                                            "john@kelderon.example",
                                            "team@kelderon.example",
                                            "bob@example.org",
                                            "General",
                                            "Somebody Unknown",
                                            "",
                                            ""};
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(RecipientEmail(process(), mail, i, true), expected[i - 1]) << i;
    EXPECT_EQ(RecipientEmail(process(), composed("Bea Boss"), 1), "bea@example.com");
}

TEST_F(RecipientEmailTest, FailuresAreReportedWhenAskedExceptTheUnexpectedOne) {
    auto mail = mailTo({entryOfType("EX")});  // no address and no proxy list to scan
    EXPECT_EQ(RecipientEmail(process(), mail, 1, false), "");
    EXPECT_EQ(RecipientEmail(process(), mail, 2, false), "");
    process().appTitle = "Brackenfold";
    const int before = cleanUps();
    expectUnresolved("Brackenfold Invalid E-mail Address");
    EXPECT_EQ(RecipientEmail(process(), mail, 1, true), "");
    EXPECT_EQ(cleanUps(), before + 2);
    EXPECT_EQ(RecipientEmail(process(), std::make_shared<FailingItem>(platform::errors::Unexpected.number), 1, true),
              "");
    EXPECT_EQ(access().LiveObjects(), 0u);
}

TEST_F(RecipientEmailTest, DistributionListsAreNotDetectedBeforeOutlook2007) {
    EXPECT_FALSE(listAt(mailTo({team}), 1));
}

struct RecipientEmailOn2007 : RecipientEmailTest {
    RecipientEmailOn2007() : RecipientEmailTest({.version = "12.0.0.6423"}) {}
};

TEST_F(RecipientEmailOn2007, OnlyExchangeListsAreDetectedAndTheFlagIsNeverCleared) {
    auto mail = mailTo({team, friends, john});
    bool isList = false;
    EXPECT_EQ(RecipientEmail(process(), mail, 1, false, false, true, isList), "team@kelderon.example");
    EXPECT_TRUE(isList);
    RecipientEmail(process(), mail, 3, false, false, true, isList);
    EXPECT_TRUE(isList);
    EXPECT_FALSE(listAt(mail, 2));
    EXPECT_FALSE(listAt(mail, 1, false));
}

struct RecipientEmailWithWord : RecipientEmailTest {
    RecipientEmailWithWord() : RecipientEmailTest({.version = "10.0.0.6515", .wordEditor = true}) {}
};

TEST_F(RecipientEmailWithWord, WorksInOutlooksOwnSessionWhileWordEdits) {
    auto mail = composed("Ann Lee");
    EXPECT_EQ(RecipientEmail(process(), mail, 1, false, true), "ann@example.com");
    // Found at once: the session stays attached until the next reset.
    EXPECT_EQ(access().State().attachedSession, outlookSession());
    EXPECT_EQ(RecipientEmail(process(), composed("Friends"), 1, false, true), "General");
    EXPECT_EQ(access().State().attachedSession, nullptr);
}

struct RecipientEmailWithWordOn2000 : RecipientEmailTest {
    RecipientEmailWithWordOn2000() : RecipientEmailTest({.version = "9.0.0.2711", .wordEditor = true}) {}
};

// Outlook 2000 does not hand its session to other MAPI clients.
TEST_F(RecipientEmailWithWordOn2000, TheWordBindingFails) {
    auto mail = composed("Ann Lee");
    expectUnresolved("Corvane Invalid E-mail Address");
    EXPECT_EQ(RecipientEmail(process(), mail, 1, true, true), "");
    EXPECT_EQ(RecipientEmail(process(), mail, 1, true, false), "ann@example.com");
}

}  // namespace
}  // namespace corvane::accounts::testing
