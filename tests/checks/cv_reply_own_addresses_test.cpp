// The user's own addresses (the accounts before and from Outlook 2010, the stored list),
// the recipient and domain tests built on them, the user properties and the deletion of
// a saved reply.
#include "reply_test.h"

namespace corvane::testing {
namespace {

using namespace settings::keys;

// The Exchange account names another address than its mailbox owner's.
std::string withWorkAccountAddress(std::string address) {
    std::string profile = Mailbox;
    const std::string was = "{name: Kelderon, smtp: john@kelderon.example";
    return profile.replace(profile.find(was), was.size(), "{name: Kelderon, smtp: " + address);
}
struct OwnAddresses2003 : ReplyTest {
    OwnAddresses2003() : ReplyTest(withWorkAccountAddress("j.smith@kelderon.example"), {}) {}
};
struct OwnAddresses2010 : ReplyTest {
    OwnAddresses2010() : ReplyTest(withWorkAccountAddress("j.smith@kelderon.example"), {.version = "14.0.0.4760"}) {}
};
struct Outlook2007 : ReplyTest {
    Outlook2007() : ReplyTest({.version = "12.0.0.6300"}) {}
};

TEST_F(OwnAddresses2003, AccountsInSendingOrderTakeTheMailboxOwnerForExchange) {
    app->profile()->makeDefaultAccount(app->profile()->findAccount("Home"));
    EXPECT_EQ(cv::cvAccountsEmailAddress(process()), "john@home.example;john@kelderon.example");
}

TEST_F(OwnAddresses2010, AccountsFromOutlook2010TakeEachAccountsOwnAddress) {
    EXPECT_EQ(cv::cvAccountsEmailAddress(process()), "j.smith@kelderon.example;john@home.example");
}

TEST_F(ReplyTest, ExchangeAddressIsTheOwnerOfThePrimaryMailboxNotOfADelegateOne) {
    app->profile()->addStore({"Mailbox - Carol Diaz", mapi::storekind::DelegateExchangeMailbox, carol, false});
    EXPECT_EQ(cv::ExchangeAccountSMTPAddress(process()), "john@kelderon.example");
}

TEST_F(ReplyTest, AFailedLogonIsReportedAndGivesNoAddress) {
    process().access = std::make_shared<access::ComponentFactory>();  // no profile to log on to
    expectBoxContaining("Corvane", "Error -2147221231 (MAPI_E_LOGON_FAILED", platform::mb::ExclamationOk);
    EXPECT_EQ(cv::ExchangeAccountSMTPAddress(process()), "");
    ui().finish();
    EXPECT_TRUE(shows(") in procedure ExchangeAccountSMTPAddress of Module basCorvane\n")) << transcript();
}

TEST_F(ReplyTest, UserEmailsComeFromTheAccountsUnlessTheStoredListIsChosen) {
    set(EmailList, "  me@old.example;me@new.example ");
    EXPECT_EQ(cv::cvGetUserEmails(process()), "john@kelderon.example;john@home.example");
    set(UseOutlookSettings, "False");
    EXPECT_EQ(cv::cvGetUserEmails(process()), "me@old.example;me@new.example");
}

TEST_F(ReplyTest, TheUserIsFoundAmongRecipientsOrAsAnAddressIgnoringCaseAndBlanks) {
    set(UseOutlookSettings, "False");
    set(EmailList, "nobody@example.com; JOHN@Kelderon.example ");
    bool isList = true;
    EXPECT_TRUE(cv::cvCheckIfUserInRecipients(process(), plans({carol, me}), cv::kAnyRecipient, isList));
    EXPECT_FALSE(isList);
    EXPECT_FALSE(cv::cvCheckIfUserInRecipients(process(), plans({carol, bob}), cv::kAnyRecipient, isList));
    EXPECT_TRUE(cv::cvCheckIfUserInRecipients(process(), plans({carol}), "  john@KELDERON.example", isList));
    EXPECT_FALSE(cv::cvCheckIfUserInRecipients(process(), plans({me}), "carol@kelderon.example", isList));
}

TEST_F(ReplyTest, WithoutOwnAddressesNobodyIsTheUserAndTheListFlagIsLeftAlone) {
    set(UseOutlookSettings, "False");
    set(EmailList, "");
    bool isList = true;
    EXPECT_FALSE(cv::cvCheckIfUserInRecipients(process(), plans({me}), cv::kAnyRecipient, isList));
    EXPECT_TRUE(isList);
}

TEST_F(Outlook2007, AnExchangeListAmongRecipientsIsReportedFromOutlook2007On) {
    bool isList = false;
    EXPECT_FALSE(cv::cvCheckIfUserInRecipients(process(), plans({carol, team}), cv::kAnyRecipient, isList));
    EXPECT_TRUE(isList);
}

TEST_F(ReplyTest, AllSameDomainNeedsEveryRecipientAndTheSenderInTheDomains) {
    EXPECT_FALSE(cv::cvRecipientsAllSameDomain(process(), plans({carol}, {}, carol)));  // no domains set
    set(DomainName, "example.org;KELDERON.example");
    EXPECT_TRUE(cv::cvRecipientsAllSameDomain(process(), plans({carol, me}, {bob}, carol)));
    EXPECT_FALSE(cv::cvRecipientsAllSameDomain(process(), plans({carol, me}, {bob})));  // Ann sent it
    EXPECT_FALSE(cv::cvRecipientsAllSameDomain(process(), plans({carol, ann}, {}, carol)));
    EXPECT_FALSE(cv::cvRecipientsAllSameDomain(process(), plans({"Someone Unknown", carol}, {}, carol)));
}

TEST_F(ReplyTest, UserPropertiesAreAddedUnsavedAndDeletedWithASave) {
    std::shared_ptr<ol::Item> reply = plans({me, carol})->ReplyAll();
    reply->Save();
    cv::AddUserProperties(reply, cv::kRemoveReciptAtProperty, "3;1");
    EXPECT_EQ(property(reply, cv::kRemoveReciptAtProperty), "3;1");
    EXPECT_EQ(reply->UserProperties()->Find(cv::kRemoveReciptAtProperty)->Type(), ol::olprop::Text);
    EXPECT_FALSE(reply->Saved());
    cv::DeleteUserProperties(reply, cv::kClearMyEmailProperty);  // not there: nothing happens
    EXPECT_FALSE(reply->Saved());
    cv::DeleteUserProperties(reply, cv::kRemoveReciptAtProperty);
    EXPECT_EQ(property(reply, cv::kRemoveReciptAtProperty), "<none>");
    EXPECT_TRUE(reply->Saved());
}

TEST_F(ReplyTest, ASavedReplyIsDeletedForGoodByItsEntryId) {
    std::shared_ptr<ol::Item> reply = plans({me, carol})->ReplyAll();
    reply->Save();
    cv::DeleteMessageByEntryID(process(), reply->EntryID());
    EXPECT_TRUE(folder(ol::olfolder::Drafts)->items().empty());
    EXPECT_TRUE(folder(ol::olfolder::DeletedItems)->items().empty());
}

}  // namespace
}  // namespace corvane::testing
