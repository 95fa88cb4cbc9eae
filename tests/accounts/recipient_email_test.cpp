#include "corvane/accounts/address_resolution.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/items.h"
#include "corvane/platform/outlook/recipients.h"
#include "corvane/sim/outlook/inspector.h"
#include "failing_item.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

class RecipientEmailTest : public ResolutionTest {
protected:
    explicit RecipientEmailTest(OutlookSetup setup = {}) : ResolutionTest(std::move(setup)) {}

    std::shared_ptr<sim::SimMailItem> to(std::vector<sim::RecipientSpec> recipients) {
        return received(ann, std::move(recipients));
    }
    std::string address(const std::shared_ptr<ol::Item>& item, int index, bool showError = false) {
        return RecipientEmail(*process, item, index, showError);
    }
    // Whether the recipient counts as an Exchange distribution list, asked to detect one.
    bool detected(const std::shared_ptr<ol::Item>& item, int index) {
        bool isList = false;
        RecipientEmail(*process, item, index, false, false, true, isList);
        return isList;
    }
    std::shared_ptr<sim::SimAddressEntry> entry(std::string type, std::string name, std::string smtp = "",
                                                std::vector<std::string> proxies = {}) {
        sim::EntrySpec spec;
        spec.name = std::move(name);
        spec.type = std::move(type);
        spec.address = "/o=Kelderon/cn=" + spec.name;
        spec.smtpAddress = std::move(smtp);
        spec.proxyAddresses = std::move(proxies);
        return book().addEntry(spec);
    }
};

TEST_F(RecipientEmailTest, EveryKindOfRecipientGivesItsSmtpAddress) {
    auto mail = to({ann, john, team, "Bob <bob@example.org>"});
    EXPECT_EQ(address(mail, 1), "ann@example.com");
    EXPECT_EQ(address(mail, 2), "john@kelderon.example");
    EXPECT_EQ(address(mail, 3), "team@kelderon.example");
    EXPECT_EQ(address(mail, 4), "bob@example.org");
}

TEST_F(RecipientEmailTest, APersonalListWithoutAddressGivesGeneral) {
    EXPECT_EQ(address(to({friends}), 1), "General");
}

TEST_F(RecipientEmailTest, ARecipientThatDoesNotResolveGivesItsNameText) {
    auto mail = to({"Somebody Unknown"});
    EXPECT_EQ(address(mail, 1, true), "Somebody Unknown");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RecipientEmailTest, ExchangeEntryWithOnlySecondaryProxiesGivesNothing) {
    // Neither the entry's own SMTP address nor a primary proxy: a lower-case one is never taken.
    auto secondaryOnly = entry("EX", "Secondary", "", {"smtp:old@kelderon.example"});
    EXPECT_EQ(address(to({secondaryOnly}), 1), "");
}

TEST_F(RecipientEmailTest, ExchangeEntryWithoutAnyProxyFailsAndIsReportedWhenAsked) {
    auto bare = entry("EX", "Bare");
    auto mail = to({bare});
    EXPECT_EQ(address(mail, 1, false), "");
    EXPECT_TRUE(ui.boxes.empty());
    process->appTitle = "Brackenfold";
    EXPECT_EQ(address(mail, 1, true), "");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, UnresolvedPrompt);
    EXPECT_EQ(ui.boxes[0].buttons, 48);
    EXPECT_EQ(ui.boxes[0].title, "Brackenfold Invalid E-mail Address");
}

TEST_F(RecipientEmailTest, AnEntryOfAnotherTypeWithoutSmtpAddressGivesNothing) {
    auto google = entry("GOOG", "Google user");
    EXPECT_EQ(address(to({google}), 1, true), "");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RecipientEmailTest, APositionOutsideTheRecipientsIsReportedWhenAsked) {
    auto mail = to({ann});
    EXPECT_EQ(address(mail, 2, false), "");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(address(mail, 0, true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(RecipientEmailTest, TheUnexpectedFailureIsNeverReported) {
    EXPECT_EQ(address(std::make_shared<FailingItem>(platform::errors::Unexpected), 1, true), "");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(RecipientEmailTest, ResolvesANewRecipientTypedByHand) {
    auto inspector = app->composeMail();
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(inspector->CurrentItem());
    mail->Recipients()->Add("Bea Boss");
    EXPECT_EQ(address(mail, 1), "bea@example.com");
    EXPECT_TRUE(mail->Recipients()->Item(1)->Resolved());
}

TEST_F(RecipientEmailTest, ResetsTheComponentAndReleasesItsObjects) {
    auto mail = to({friends});
    const int before = cleanUps();
    address(mail, 1);
    EXPECT_EQ(cleanUps(), before + 2);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

TEST_F(RecipientEmailTest, DistributionListsAreNotDetectedBeforeOutlook2007) {
    EXPECT_FALSE(detected(to({team}), 1));
}

class RecipientEmailOn2007 : public RecipientEmailTest {
protected:
    RecipientEmailOn2007() : RecipientEmailTest({"12.0.0.6423", false}) {}
};

TEST_F(RecipientEmailOn2007, AnExchangeListIsDetectedAndStillGivesItsAddress) {
    auto mail = to({team});
    bool isList = false;
    EXPECT_EQ(RecipientEmail(*process, mail, 1, false, false, true, isList), "team@kelderon.example");
    EXPECT_TRUE(isList);
}

TEST_F(RecipientEmailOn2007, OnlyExchangeListsCountAndOnlyWhenAsked) {
    auto mail = to({john, friends, ann, team});
    EXPECT_FALSE(detected(mail, 1));
    EXPECT_FALSE(detected(mail, 2));  // a personal list
    EXPECT_FALSE(detected(mail, 3));
    bool isList = false;
    RecipientEmail(*process, mail, 4, false, false, false, isList);
    EXPECT_FALSE(isList);
}

TEST_F(RecipientEmailOn2007, TheFlagIsNeverSetBackToFalse) {
    auto mail = to({team, ann});
    bool isList = false;
    RecipientEmail(*process, mail, 1, false, false, true, isList);
    RecipientEmail(*process, mail, 2, false, false, true, isList);
    EXPECT_TRUE(isList);
}

class RecipientEmailWithWord : public RecipientEmailTest {
protected:
    explicit RecipientEmailWithWord(std::string version = "10.0.0.6515")
        : RecipientEmailTest({std::move(version), true}) {}
    std::shared_ptr<ol::MailItem> composed(const char* recipient) {
        auto mail = std::dynamic_pointer_cast<ol::MailItem>(app->composeMail()->CurrentItem());
        mail->Recipients()->Add(recipient);
        return mail;
    }
};

TEST_F(RecipientEmailWithWord, WorksInOutlooksOwnSessionWhileWordEdits) {
    auto mail = composed("Ann Lee");
    EXPECT_EQ(RecipientEmail(*process, mail, 1, false, true), "ann@example.com");
    // An address found at once leaves the session attached until the next reset.
    EXPECT_EQ(access->State().attachedSession, app->Session()->MAPIOBJECT());
    EXPECT_EQ(RecipientEmail(*process, mail, 1, false, false), "ann@example.com");
    EXPECT_EQ(access->State().attachedSession, nullptr);
}

TEST_F(RecipientEmailWithWord, TheSessionIsDroppedAtTheNormalEnd) {
    auto mail = composed("Friends");
    EXPECT_EQ(RecipientEmail(*process, mail, 1, false, true), "General");
    EXPECT_EQ(access->State().attachedSession, nullptr);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

class RecipientEmailWithWordOn2000 : public RecipientEmailWithWord {
protected:
    RecipientEmailWithWordOn2000() : RecipientEmailWithWord("9.0.0.2711") {}
};

// Outlook 2000 does not hand its session to other MAPI clients.
TEST_F(RecipientEmailWithWordOn2000, TheWordBindingFailsAndIsReportedWhenAsked) {
    auto mail = composed("Ann Lee");
    EXPECT_EQ(RecipientEmail(*process, mail, 1, true, true), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(RecipientEmail(*process, mail, 1, true, false), "ann@example.com");
}

}  // namespace
}  // namespace corvane::accounts::testing
