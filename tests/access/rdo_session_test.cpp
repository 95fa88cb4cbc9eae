// The RDO session: bound to Outlook's own MAPI session or logged on by itself; stores,
// accounts in sending order, messages by entry id and message files.
#include "corvane/access/rdo_session.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/outlook/errors.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "support/platform_error.h"
#include "support/world.h"

namespace corvane::access {
namespace {

using corvane::testing::FailsWith;
using corvane::testing::OutlookSetup;

struct RDOSessionTest : corvane::testing::WorldTest {
    explicit RDOSessionTest(OutlookSetup outlook = {}) : WorldTest(std::move(outlook)) {}
    std::shared_ptr<mapi::Session> outlookSession() const { return app->Session()->MAPIOBJECT(); }
    std::shared_ptr<sim::SimMailItem> fromAnn() {
        return received({.from = entry("Ann Lee"), .to = {entry("John Smith")}});
    }

    ComponentFactory factory{app->mapiSubsystem()};
    std::shared_ptr<RDOSession> rdo = CreateAccessObject<RDOSession>(factory);
};

struct RDOSessionOnOutlook2000 : RDOSessionTest {
    RDOSessionOnOutlook2000() : RDOSessionTest({.version = "9.0.0.2711"}) {}
};

TEST_F(RDOSessionTest, UnboundSessionIsNotLoggedOnAndRefusesToWork) {
    EXPECT_FALSE(rdo->LoggedOn());
    EXPECT_THAT([&] { rdo->Stores(); }, FailsWith(platform::errors::MapiLogonFailed.number));
    EXPECT_THAT([&] { rdo->GetMessageFromID("00"); }, FailsWith(platform::errors::MapiLogonFailed.number));
    EXPECT_THAT([&] { rdo->SetMAPIOBJECT(nullptr); }, FailsWith(platform::errors::TypeMismatch.number));
}

TEST_F(RDOSessionTest, StoresGiveRootPathKindOwnerAndTheCurrentUser) {
    app->profile()->addStore({"Google Apps - john", mapi::storekind::PstUnicode, nullptr, false});
    rdo->SetMAPIOBJECT(outlookSession());
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
    EXPECT_THAT([&] { stores->Item(0); }, FailsWith(platform::errors::IndexOutOfBounds.number));
}

TEST_F(RDOSessionTest, MailAccountsComeInSendingOrder) {
    rdo->SetMAPIOBJECT(outlookSession());
    auto ordered = rdo->Accounts()->GetOrder(mapi::accountcategory::Mail);
    ASSERT_EQ(ordered.size(), 2u);
    EXPECT_EQ(ordered[0]->Name(), "Kelderon");
    app->profile()->makeDefaultAccount(app->profile()->findAccount("Home"));
    EXPECT_EQ(rdo->Accounts()->GetOrder(mapi::accountcategory::Mail)[0]->Name(), "Home");
    EXPECT_EQ(rdo->Accounts()->Item("home")->SmtpAddress(), "john@home.example");
}

TEST_F(RDOSessionTest, AccountStampWrittenThroughTheSafeItemIsTheMessagesAccount) {
    rdo->SetMAPIOBJECT(outlookSession());
    auto item = fromAnn();
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
    rdo->SetMAPIOBJECT(outlookSession());
    auto item = received({.from = entry("Ann Lee"), .unread = true});
    auto message = rdo->GetMessageFromID(item->EntryID(), app->profile()->defaultStore()->storeId());
    message->SetUnRead(false);
    EXPECT_FALSE(item->UnRead());
    message->Delete();
    EXPECT_THAT([&] { message->UnRead(); }, FailsWith(platform::errors::MapiObjectDeleted.number));
    EXPECT_THAT([&] { message->Fields(0x0037001E); }, FailsWith(platform::errors::MapiObjectDeleted.number));
    EXPECT_THROW(rdo->GetMessageFromID(item->EntryID()), platform::PlatformError);
    EXPECT_THAT([&] { item->Subject(); }, FailsWith(platform::errors::ItemMovedOrDeleted.number));
}

TEST_F(RDOSessionTest, MessageFileContentIsCopiedOntoANewInboxMessage) {
    const std::string file = addinFile("Introducing_Corvane.msg");
    host().files().writeFile(file,
                             "Subject: Welcome\nFrom: Corvane Team <team@corvane.example>\n"
                             "Content-Type: text/html\n\n<html><body>Hello.</body></html>");
    rdo->SetMAPIOBJECT(outlookSession());
    auto fresh = rdo->GetDefaultFolder(outlook::olfolder::Inbox)->AddMessage("IPM.Note");
    fresh->SetSent(true);
    fresh->SetUnRead(true);
    fresh->Save();
    auto reopened = rdo->GetMessageFromID(fresh->EntryID());
    rdo->GetMessageFromMsgFile(file)->CopyTo(*reopened);
    reopened->SetReceivedTime(clock().now());
    reopened->Save();
    EXPECT_EQ(AsText(reopened->Fields(0x0037001E)), "Welcome");
    EXPECT_TRUE(reopened->UnRead());
    EXPECT_EQ(reopened->ReceivedTime(), clock().now());
    auto mail = std::dynamic_pointer_cast<outlook::MailItem>(
        folder(outlook::olfolder::Inbox)->items().front()->asItem());
    EXPECT_EQ(mail->SenderName(), "Corvane Team");
    EXPECT_EQ(mail->Body(), "Hello.");
    EXPECT_THAT([&] { rdo->GetMessageFromMsgFile(addinFile("missing.msg")); },
                FailsWith(platform::errors::StorageFileNotFound.number));
}

TEST_F(RDOSessionOnOutlook2000, OutlookWithoutSessionObjectLogsOnAndLogsOffOnRelease) {
    EXPECT_THAT([&] { outlookSession(); }, FailsWith(platform::errors::NotSupported.number));
    rdo->Logon();
    ASSERT_TRUE(rdo->LoggedOn());
    EXPECT_EQ(rdo->Stores()->Count(), 1);
    auto own = rdo->MAPIOBJECT();
    rdo.reset();
    EXPECT_FALSE(own->LoggedOn());
    EXPECT_THROW(own->Stores(), platform::PlatformError);
}

TEST_F(RDOSessionTest, OutlooksOwnSessionIsNeverLoggedOff) {
    rdo->SetMAPIOBJECT(outlookSession());
    rdo->Logon();  // already bound: nothing more to open
    rdo.reset();
    EXPECT_TRUE(outlookSession()->LoggedOn());
}

TEST(RDOSessionLogon, WithoutAProfileLogonFailsClearly) {
    ComponentFactory bare;
    auto rdo = CreateAccessObject<RDOSession>(bare);
    EXPECT_THAT([&] { rdo->Logon(); }, FailsWith(platform::errors::MapiLogonFailed.number));
    EXPECT_FALSE(rdo->LoggedOn());
}

}  // namespace
}  // namespace corvane::access
