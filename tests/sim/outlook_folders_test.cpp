// Folders, stores and accounts of the simulated profile as the object model shows them.
#include <gtest/gtest.h>

#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

TEST(OutlookFolders, TheInboxLivesUnderTheStoreRootWhoseParentIsTheNamespace) {
    Profile p;
    auto ns = p.app->GetNamespace("MAPI");
    auto inbox = ns->GetDefaultFolder(ol::olfolder::Inbox);
    EXPECT_EQ(inbox->Name(), "Inbox");
    EXPECT_EQ(inbox->FolderPath(), "\\\\Mailbox - John Smith\\Inbox");
    auto root = std::dynamic_pointer_cast<ol::Folder>(inbox->Parent());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Name(), "Mailbox - John Smith");
    EXPECT_EQ(root->Parent(), ns);
    EXPECT_EQ(ns->GetDefaultFolder(ol::olfolder::Outbox)->Name(), "Outbox");
    EXPECT_EQ(ns->GetDefaultFolder(ol::olfolder::SentMail)->Name(), "Sent Items");
    EXPECT_EQ(ns->Folders()->Item(1), root);
    EXPECT_EQ(p.app->Session(), ns);
    EXPECT_THROW(p.app->GetNamespace("OTHER"), platform::PlatformError);
}

TEST(OutlookFolders, FoldersAreFoundByNameIgnoringCaseAndAddedOnce) {
    Profile p;
    auto root = std::dynamic_pointer_cast<ol::Folder>(p.inbox()->Parent());
    auto settings = root->Folders()->Add("Kelderon Settings", -1);
    EXPECT_EQ(root->Folders()->Item("kelderon settings"), settings);
    EXPECT_EQ(settings->DefaultItemType(), ol::olitem::Mail);
    EXPECT_THAT([&] { root->Folders()->Item("Brackenfold Settings"); }, FailsWith(platform::errors::ObjectNotFound));
    EXPECT_THAT([&] { root->Folders()->Add("Kelderon Settings", -1); },
                FailsWith(platform::errors::CannotCreateFolder));
}

TEST(OutlookFolders, AFolderMovesWithItsItemsAndKeepsItsObject) {
    Profile p;
    auto root = p.store->root();
    auto oldParent = root->addFolder("Brackenfold Settings");
    auto data = oldParent->addFolder("Corvane");
    ItemSpec list;
    list.subject = "Email Address";
    data->addMail(list);
    auto target = root->addFolder("Kelderon Settings");

    data->MoveTo(target);

    EXPECT_EQ(data->FolderPath(), "\\\\Mailbox - John Smith\\Kelderon Settings\\Corvane");
    EXPECT_EQ(oldParent->Folders()->Count(), 0);
    EXPECT_EQ(data->Items()->Count(), 1);
    EXPECT_THROW(target->MoveTo(data), platform::PlatformError);  // into its own subtree
}

TEST(OutlookFolders, ADeletedFolderGoesToDeletedItemsThenAwayForGood) {
    Profile p;
    auto old = p.store->root()->addFolder("Brackenfold Settings");
    auto deleted = p.folder(ol::olfolder::DeletedItems);
    old->Delete();
    EXPECT_EQ(deleted->Folders()->Item("Brackenfold Settings"), old);
    old->Delete();
    EXPECT_EQ(deleted->Folders()->Count(), 0);
    EXPECT_THAT([&] { old->Name(); }, FailsWith(platform::errors::ObjectNotFound.number));
    EXPECT_THROW(p.inbox()->Delete(), platform::PlatformError);
}

TEST(OutlookFolders, ItemsAreCountedAndIndexedInFolderOrder) {
    Profile p;
    auto a = p.received("first");
    auto b = p.received("second");
    auto items = p.inbox()->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Item(1), a->asItem());
    EXPECT_EQ(items->Item(2)->Subject(), "second");
    EXPECT_THAT([&] { items->Item(3); }, FailsWith(platform::errors::IndexOutOfBounds));
    EXPECT_EQ(p.app->Session()->GetFolderFromID(p.inbox()->EntryID(), ""), p.inbox());
}

TEST(OutlookFolders, NamespaceAccountsExistFromOutlook2007On) {
    Profile old("11.0.0.8010");
    EXPECT_THAT([&] { old.app->Session()->Accounts(); }, FailsWith(platform::errors::NotSupported));
    Profile p("14.0.0.7015");
    auto accounts = p.app->Session()->Accounts();
    ASSERT_EQ(accounts->Count(), 2);
    EXPECT_EQ(accounts->Item(1)->SmtpAddress(), "john@kelderon.example");
    EXPECT_EQ(accounts->Item(2)->DisplayName(), "Home");
    EXPECT_EQ(accounts->Item(1)->AccountType(), ol::olaccount::Exchange);
}

TEST(OutlookFolders, TheCurrentUserIsAResolvedRecipient) {
    Profile p;
    auto user = p.app->Session()->CurrentUser();
    EXPECT_EQ(user->Name(), "John Smith");
    EXPECT_TRUE(user->Resolved());
    EXPECT_EQ(user->AddressEntry()->Type(), "EX");
}

}  // namespace
}  // namespace corvane::sim::testing
