// A profile becomes the host's state, references to nothing are refused with their line,
// and a captured profile saves and loads back to the same state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "corvane/outlook/object.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/profile/profile_file.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "support/temp_dir.h"
#include "support/world.h"

namespace corvane::profile {
namespace {

namespace ol = outlook;

const char* const TwoAccounts = R"(
address_book:
  - {name: John Smith, type: EX, smtp: john@kelderon.example, alias: jsmith}
  - {name: Ann Lee, smtp: ann@example.com}
  - {name: Friends, type: MAPIPDL, members: [Ann Lee, john@kelderon.example]}
user: john@kelderon.example
accounts:
  - {name: Kelderon, smtp: john@kelderon.example, type: exchange, user_name: John Smith}
  - {name: Home, smtp: john@home.example}
folders:
  Inbox:
    - id: m1
      subject: Plans
      from: Ann Lee
      to: [John Smith, "Bob Ray <bob@example.org>"]
      cc: [Friends]
      received: 2026-03-01 17:00:00
      html: "<p>See you</p>"
      attachments: [{name: logo.png, content_id: logo1}]
  Kelderon Settings/Corvane:
    - {id: list, subject: Email Address, body: "a@b.example", draft: true}
windows: {explorers: [Inbox], inspectors: [m1]}
registry:
  HKCU:
    'Software\VB and VBA Program Settings\larchmoor\0x155473194': {PlaySound: "True", Count: {dword: 5}}
addin_files:
  Tags.txt: "AW: \r\n"
directories: ['C:\Export']
)";

using Built = testing::World;

std::string BuildRefusalOf(const std::string& yaml) {
    try {
        Built built(yaml);
    } catch (const FormatError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(ProfileBuilding, PutsEntriesStoresAccountsAndItemsIntoOutlook) {
    Built b(TwoAccounts);
    auto session = b.app->profile();
    EXPECT_EQ(session->currentUser()->spec().name, "John Smith");
    EXPECT_EQ(session->defaultStore()->name(), "Mailbox - John Smith");
    ASSERT_EQ(session->accounts().size(), 2u);
    EXPECT_EQ(session->accounts()[0]->Name(), "Kelderon");
    EXPECT_EQ(session->accounts()[1]->AccountType(), ol::olaccount::Pop3);

    auto m1 = FindItemById(*b.app, "m1");
    ASSERT_TRUE(m1);
    EXPECT_EQ(m1->subject(), "Plans");
    EXPECT_EQ(m1->senderName(), "Ann Lee");
    ASSERT_EQ(m1->recipients().size(), 3u);
    EXPECT_EQ(m1->recipients()[1]->address(), "bob@example.org");
    EXPECT_TRUE(m1->recipients()[2]->entry()->isList());
    EXPECT_EQ(m1->body(), "See you\r\n");
    EXPECT_EQ(FolderPathOf(*session, *m1->folder()), "Inbox");
    auto list = FindItemById(*b.app, "list");
    ASSERT_TRUE(list);
    EXPECT_FALSE(list->sent());
    EXPECT_EQ(FolderPathOf(*session, *list->folder()), "Kelderon Settings/Corvane");
}

TEST(ProfileBuilding, WritesRegistryValuesAndFiles) {
    Built b(TwoAccounts);
    auto& reg = b.host().registry();
    auto v = reg.getValue(platform::Hive::CurrentUser, "Software\\VB and VBA Program Settings\\larchmoor\\0x155473194",
                          "Count");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->dword, 5u);
    EXPECT_EQ(*b.host().files().readFile("C:\\Program Files\\Kelderon\\Corvane\\Tags.txt"), "AW: \r\n");
    b.host().files().writeFile("C:\\Export\\Corvane_Settings.ini", "x");  // the folder exists
}

TEST(ProfileBuilding, AnItemIdFollowsTheMessageWhenItMoves) {
    Built b(TwoAccounts);
    auto m1 = FindItemById(*b.app, "m1");
    auto moved = m1->moveTo(b.app->profile()->defaultFolder(ol::olfolder::DeletedItems));
    EXPECT_TRUE(m1->gone());
    EXPECT_EQ(FindItemById(*b.app, "m1"), moved);
}

TEST(ProfileBuilding, RefusesReferencesToNothingWithTheirLine) {
    EXPECT_EQ(BuildRefusalOf("folders:\n  Inbox:\n    - {id: m1, from: nobody@example.com}\n"),
              "profile.yaml:3: the sender of item m1: no address book entry has the address \"nobody@example.com\" "
              "(write \"Name <nobody@example.com>\" for someone outside the address book)");
    EXPECT_EQ(
        BuildRefusalOf(
            "address_book:\n  - {name: L, type: MAPIPDL, members: [Ann]}\n  - {name: Ann, smtp: a@x.example}\n"),
        "profile.yaml:2: a member of \"L\" (members must be written before their list): no address book entry is "
        "named \"Ann\"");
    EXPECT_EQ(BuildRefusalOf("user: Pat\n"), "profile.yaml:1: the user: no address book entry is named \"Pat\"");
    EXPECT_EQ(BuildRefusalOf("windows: {inspectors: [m9]}\n"), "profile.yaml:1: no item has the id \"m9\"");
    EXPECT_EQ(BuildRefusalOf("windows: {explorers: [Outbox/Old]}\n"),
              "profile.yaml:1: the explorer's folder \"Outbox/Old\" does not exist");
    EXPECT_EQ(BuildRefusalOf("address_book:\n  - {name: A, smtp: a@x.example}\n  - {name: A, smtp: b@x.example}\n"
                             "folders:\n  Inbox:\n    - {to: [A]}\n"),
              "profile.yaml:6: a to recipient of the item: two address book entries are named \"A\": name one by its "
              "address");
}

TEST(ProfileSaving, ASavedProfileLoadsBackToTheSameState) {
    testing::TempDir dir;
    Built first(TwoAccounts);
    SaveProfileFile(profile::CaptureProfile(*first.app, first.host()), dir / "saved.yaml");
    const std::string saved = testing::readAll(dir / "saved.yaml");

    Built second(LoadProfileFile(dir / "saved.yaml"), {});
    const std::string again = FormatProfile(profile::CaptureProfile(*second.app, second.host()));
    if (std::getenv("SHOW_PROFILE")) std::cout << saved;
    EXPECT_EQ(again, saved);
    EXPECT_NE(saved.find("id: \"m1\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("Tags.txt: \"AW: \\r\\n\""), std::string::npos) << saved;
}

TEST(ProfileSaving, AFailedSaveLeavesTheOldFileWhole) {
    testing::TempDir dir;
    testing::writeAll(dir / "p.yaml", "old\n");
    Built b(TwoAccounts);
    EXPECT_THROW(SaveProfileFile(profile::CaptureProfile(*b.app, b.host()), dir / "missing" / "p.yaml"), FormatError);
    EXPECT_EQ(testing::readAll(dir / "p.yaml"), "old\n");
}

}  // namespace
}  // namespace corvane::profile
