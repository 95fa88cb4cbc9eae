// Profile files are refused with the file, the line and what is wrong.
#include <gtest/gtest.h>

#include "corvane/profile/profile_file.h"

namespace corvane::profile {
namespace {

Profile Parse(const std::string& yaml) {
    auto docs = LoadYamlDocuments(yaml, "p.yaml");
    return ParseProfile(YamlInput("p.yaml"), docs.front());
}

// The message of the FormatError the text is refused with.
std::string RefusalOf(const std::string& yaml) {
    try {
        Parse(yaml);
    } catch (const FormatError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(ProfileParsing, ReadsEntriesAccountsFoldersAndItems) {
    Profile p = Parse(R"(
address_book:
  - {name: Ann Lee, smtp: ann@example.com}
  - {name: Team, type: EX, smtp: team@kelderon.example, members: [ann@example.com]}
user: Ann Lee
accounts:
  - {name: Work, smtp: ann@example.com, type: exchange}
folders:
  Inbox:
    - id: m1
      subject: Plans
      from: Ann Lee
      to: [ann@example.com, "Bob <bob@example.org>", {typed: Carol}]
      received: 2026-03-01 17:00:00
      attachments: [notes.txt, {name: logo.png, content_id: logo1}]
      user_properties: {Flag: "Yes"}
  Inbox/Projects: []
)");
    ASSERT_EQ(p.addressBook.size(), 2u);
    EXPECT_EQ(p.addressBook[1].type, "EX");
    ASSERT_TRUE(p.addressBook[1].members);
    EXPECT_EQ(*p.user, "Ann Lee");
    EXPECT_EQ(p.accounts[0].type, 0);
    ASSERT_EQ(p.folders.size(), 2u);
    const ProfileItem& m1 = p.folders[0].items[0];
    EXPECT_EQ(m1.id, "m1");
    EXPECT_EQ(m1.at.line, 10);
    ASSERT_EQ(m1.to.size(), 3u);
    EXPECT_TRUE(m1.to[2].typed);
    EXPECT_EQ(m1.attachments[1].contentId, "logo1");
    EXPECT_EQ(m1.received->iso(), "2026-03-01 17:00:00");
    EXPECT_EQ(p.folders[1].path, "Inbox/Projects");
}

TEST(ProfileParsing, RefusesUnknownKeysNamingTheKnownOnes) {
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - {subjct: Hi}\n"),
              "p.yaml:3: unknown key \"subjct\" in an item of folder \"Inbox\" (known keys: id, class, "
              "message_class, subject, body, html, from, on_behalf_of, to, cc, bcc, reply_to, received, sent_on, "
              "deferred_delivery, draft, unread, attachments, user_properties, full_name, email)");
    EXPECT_EQ(RefusalOf("acounts: []\n").substr(0, 40), "p.yaml:1: unknown key \"acounts\" in the p");
}

TEST(ProfileParsing, RefusesValuesOfTheWrongType) {
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - subject: [a, b]\n"),
              "p.yaml:3: the subject of the item at line 3 must be a text, not a list");
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - {id: m1, unread: maybe}\n"),
              "p.yaml:3: unread of item m1 must be true or false, not \"maybe\"");
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - {id: m1, received: yesterday}\n"),
              "p.yaml:3: the received time of item m1 must be a time written YYYY-MM-DD HH:MM:SS, not \"yesterday\"");
    EXPECT_EQ(RefusalOf("accounts: {name: Work}\n"), "p.yaml:1: accounts must be a list, not a mapping");
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - {class: letter}\n"),
              "p.yaml:3: the class of the item at line 3 must be mail, post, report, meeting, contact or note, "
              "not \"letter\"");
}

TEST(ProfileParsing, RefusesDuplicatesAndMissingRequiredKeys) {
    EXPECT_EQ(RefusalOf("user: a\nuser: b\n"), "p.yaml:2: the key \"user\" is written twice in the profile");
    EXPECT_EQ(RefusalOf("folders:\n  Inbox:\n    - {id: m1}\n  Drafts:\n    - {id: m1}\n"),
              "p.yaml:5: the item id \"m1\" is given to two items");
    EXPECT_EQ(RefusalOf("address_book:\n  - {smtp: a@b.example}\n"),
              "p.yaml:2: an address book entry needs the key \"name\"");
    EXPECT_EQ(RefusalOf("address_book:\n  - {name: Ann}\n"),
              "p.yaml:2: address book entry \"Ann\" needs its smtp address");
}

TEST(ProfileParsing, RegistryValuesTakeTextDwordHexOrNothing) {
    Profile p = Parse(R"(
registry:
  HKCU:
    'Software\Kelderon':
      Name: Corvane
      Count: {dword: 0x1c}
      Blob: {hex: "01,ff", type: 3}
      Gone: ~
  HKLM:
    'SOFTWARE\Old': ~
)");
    ASSERT_EQ(p.registry.size(), 6u);
    EXPECT_FALSE(p.registry[0].valueName);  // the key itself
    EXPECT_EQ(p.registry[1].value->text, "Corvane");
    EXPECT_EQ(p.registry[2].value->dword, 0x1cu);
    EXPECT_EQ(p.registry[3].value->bytes, (std::vector<std::uint8_t>{0x01, 0xff}));
    EXPECT_FALSE(p.registry[4].value);  // deleted
    EXPECT_TRUE(p.registry[5].deleteKey);
    EXPECT_EQ(RefusalOf("registry:\n  HKCR: {}\n"), "p.yaml:2: unknown hive \"HKCR\" in registry (known: HKCU, HKLM)");
    EXPECT_EQ(RefusalOf("registry:\n  HKCU:\n    'A':\n      N: {dword: -1}\n"),
              "p.yaml:4: value \"N\" of key \"HKCU\\A\" must lie between 0 and 4294967295, not -1");
}

TEST(ProfileParsing, FilesAreNamedInTheAddinFolderOrByFullPath) {
    Profile p = Parse("addin_files:\n  Tags.txt: \"RE: \\r\\n\"\n  Resource.dll: ~\nfiles:\n  'C:\\Data\\a.ini': x\n");
    ASSERT_EQ(p.files.size(), 3u);
    EXPECT_EQ(p.files[0].path, "C:\\Program Files\\Kelderon\\Corvane\\Tags.txt");
    EXPECT_EQ(*p.files[0].content, "RE: \r\n");
    EXPECT_FALSE(p.files[1].content);
    EXPECT_EQ(p.files[2].path, "C:\\Data\\a.ini");
    EXPECT_EQ(RefusalOf("addin_files:\n  sub\\Tags.txt: x\n"),
              "p.yaml:2: the add-in file \"sub\\Tags.txt\" must be a file name without a folder");
    EXPECT_EQ(RefusalOf("files:\n  a.ini: x\n"),
              "p.yaml:2: the file \"a.ini\" must be a full Windows path, as C:\\Data\\list.txt");
}

TEST(ProfileParsing, ReportsYamlSyntaxErrorsWithTheLine) {
    EXPECT_EQ(RefusalOf("folders:\n  Inbox: [\n").substr(0, 9), "p.yaml:3:");
}

}  // namespace
}  // namespace corvane::profile
