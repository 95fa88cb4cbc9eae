#include <gtest/gtest.h>

#include "access_profile.h"
#include "corvane/access/field_values.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/platform/error.h"
#include "error_number.h"

namespace corvane::access {
namespace {

using testing::ErrorNumber;

struct RDOSessionTest : ::testing::Test {
    testing::AccessProfile p;
    ComponentFactory factory{p.subsystem};
    std::shared_ptr<RDOSession> rdo = CreateAccessObject<RDOSession>(factory);
};

TEST_F(RDOSessionTest, UnboundSessionIsNotLoggedOnAndRefusesToWork) {
    EXPECT_FALSE(rdo->LoggedOn());
    EXPECT_EQ(ErrorNumber([&] { rdo->Stores(); }), platform::errors::MapiLogonFailed.number);
    EXPECT_EQ(ErrorNumber([&] { rdo->GetMessageFromID("00"); }), platform::errors::MapiLogonFailed.number);
    EXPECT_EQ(ErrorNumber([&] { rdo->SetMAPIOBJECT(nullptr); }), platform::errors::TypeMismatch.number);
}

TEST_F(RDOSessionTest, StoresGiveRootPathKindOwnerAndTheCurrentUser) {
    p.app->profile()->addStore({"Google Apps - john", mapi::storekind::PstUnicode, nullptr, false});
    rdo->SetMAPIOBJECT(p.outlookSession());
    ASSERT_TRUE(rdo->LoggedOn());
    auto stores = rdo->Stores();
    ASSERT_EQ(stores->Count(), 2);
    auto mailbox = stores->Item(1);
    EXPECT_EQ(mailbox->IPMRootFolder()->FolderPath(), "\\\\Mailbox - John Smith");
    EXPECT_EQ(mailbox->StoreKind(), mapi::storekind::PrimaryExchangeMailbox);
    EXPECT_EQ(mailbox->Owner()->SmtpAddress(), "john@kelderon.example");
    auto google = stores->Item(2);
    EXPECT_EQ(google->IPMRootFolder()->FolderPath(), "\\\\Google Apps - john");
    EXPECT_EQ(google->Owner(), nullptr);
    EXPECT_EQ(google->Session()->CurrentUser()->Type(), "EX");
    EXPECT_EQ(ErrorNumber([&] { stores->Item(0); }), platform::errors::IndexOutOfBounds.number);
}

TEST_F(RDOSessionTest, MailAccountsComeInSendingOrder) {
    rdo->SetMAPIOBJECT(p.outlookSession());
    auto ordered = rdo->Accounts()->GetOrder(mapi::accountcategory::Mail);
    ASSERT_EQ(ordered.size(), 2u);
    EXPECT_EQ(ordered[0]->Name(), "Kelderon");
    p.app->profile()->makeDefaultAccount(p.app->profile()->findAccount("Home"));
    EXPECT_EQ(rdo->Accounts()->GetOrder(mapi::accountcategory::Mail)[0]->Name(), "Home");
    EXPECT_EQ(rdo->Accounts()->Item("home")->SmtpAddress(), "john@home.example");
}

TEST_F(RDOSessionTest, AccountStampWrittenThroughTheSafeItemIsTheMessagesAccount) {
    rdo->SetMAPIOBJECT(p.outlookSession());
    auto item = p.mail(p.message(p.ann));
    EXPECT_EQ(rdo->GetMessageFromID(item->EntryID())->Account(), nullptr);
    auto home = rdo->Accounts()->Item("Home");
    auto safe = CreateAccessObject<SafeMailItem>(factory);
    safe->SetItem(item);
    safe->SetFields(0x0E28001E, home->Fields(0x000E001F));
    safe->SetFields(0x812C001E, home->Name());
    safe->Save();
    EXPECT_EQ(rdo->GetMessageFromID(item->EntryID())->Account()->Name(), "Home");
}

TEST_F(RDOSessionTest, MessageByEntryIdMarksReadAndDeletesForGood) {
    rdo->SetMAPIOBJECT(p.outlookSession());
    auto msg = p.message(p.ann);
    msg.unread = true;
    auto item = p.mail(msg);
    auto message = rdo->GetMessageFromID(item->EntryID(), p.store->storeId());
    message->SetUnRead(false);
    EXPECT_FALSE(item->UnRead());
    message->Delete();
    EXPECT_EQ(ErrorNumber([&] { message->UnRead(); }), platform::errors::MapiObjectDeleted.number);
    EXPECT_EQ(ErrorNumber([&] { message->Fields(0x0037001E); }), platform::errors::MapiObjectDeleted.number);
    EXPECT_NE(ErrorNumber([&] { rdo->GetMessageFromID(item->EntryID()); }), 0);
    EXPECT_EQ(ErrorNumber([&] { item->Subject(); }), platform::errors::ItemMovedOrDeleted.number);
}

TEST_F(RDOSessionTest, MessageFileContentIsCopiedOntoANewInboxMessage) {
    p.files.files["C:\\Corvane\\Introducing_Corvane.msg"] = "Subject: Welcome\nFrom: Ann Lee <ann@example.com>\n\nHello.";
    rdo->SetMAPIOBJECT(p.outlookSession());
    auto fresh = rdo->GetDefaultFolder(outlook::olfolder::Inbox)->AddMessage("IPM.Note");
    fresh->SetSent(true);
    fresh->SetUnRead(true);
    fresh->Save();
    auto reopened = rdo->GetMessageFromID(fresh->EntryID());
    rdo->GetMessageFromMsgFile("C:\\Corvane\\Introducing_Corvane.msg")->CopyTo(*reopened);
    reopened->SetReceivedTime(p.clock.now());
    reopened->Save();
    EXPECT_EQ(AsText(reopened->Fields(0x0037001E)), "Welcome");
    EXPECT_TRUE(reopened->UnRead());
    EXPECT_EQ(reopened->ReceivedTime(), p.clock.now());
    EXPECT_EQ(ErrorNumber([&] { rdo->GetMessageFromMsgFile("C:\\missing.msg"); }), platform::errors::StorageFileNotFound.number);
}

TEST(RDOSessionLogon, OutlookWithoutSessionObjectLogsOnAndLogsOffOnRelease) {
    testing::AccessProfile outlook2000("9.0.0.2711");
    ComponentFactory factory{outlook2000.subsystem};
    EXPECT_NE(ErrorNumber([&] { outlook2000.outlookSession(); }), 0);
    auto rdo = CreateAccessObject<RDOSession>(factory);
    rdo->Logon();
    ASSERT_TRUE(rdo->LoggedOn());
    EXPECT_EQ(rdo->Stores()->Count(), 1);
    auto own = rdo->MAPIOBJECT();
    rdo.reset();
    EXPECT_FALSE(own->LoggedOn());
}

TEST(RDOSessionLogon, OutlooksOwnSessionIsNeverLoggedOff) {
    testing::AccessProfile p;
    ComponentFactory factory{p.subsystem};
    auto rdo = CreateAccessObject<RDOSession>(factory);
    rdo->SetMAPIOBJECT(p.outlookSession());
    rdo->Logon();  // already bound: nothing more to open
    rdo.reset();
    EXPECT_TRUE(p.outlookSession()->LoggedOn());
}

TEST(RDOSessionLogon, WithoutAProfileLogonFailsClearly) {
    ComponentFactory bare;
    auto rdo = CreateAccessObject<RDOSession>(bare);
    EXPECT_EQ(ErrorNumber([&] { rdo->Logon(); }), platform::errors::MapiLogonFailed.number);
    EXPECT_FALSE(rdo->LoggedOn());
}

}  // namespace
}  // namespace corvane::access
