// Reading hand-written YAML values strictly, and naming mailbox things as files write them.
#include <gtest/gtest.h>

#include "corvane/profile/mailbox.h"
#include "corvane/profile/yaml_input.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/name_space.h"

namespace corvane::profile {
namespace {

YAML::Node Node(const std::string& text) { return LoadYamlDocuments("v: " + text, "f.yaml").front()["v"]; }

template <class F>
std::string ProblemOf(F&& f) {
    try {
        f();
    } catch (const FormatError& e) {
        return e.problem();
    }
    return "accepted";
}

TEST(YamlInput, SpansNumbersAndTimesAreReadOrRefusedWithTheirText) {
    YamlInput in("f.yaml");
    EXPECT_EQ(in.seconds(Node("90"), "s"), 90);
    EXPECT_EQ(in.seconds(Node("1d 2h 30m 10s"), "s"), 95410);
    EXPECT_EQ(ProblemOf([&] { in.seconds(Node("2 weeks"), "the span"); }),
              "the span must be a span such as \"90s\", \"2m\" or \"1d 2h 30m\", not \"2 weeks\"");
    EXPECT_EQ(in.integer(Node("0x1C"), "n", 0, 100), 28);
    EXPECT_EQ(ProblemOf([&] { in.integer(Node("12abc"), "n", 0, 100); }), "n must be a whole number, not \"12abc\"");
    EXPECT_EQ(in.time(Node("2026-03-02 09:00"), "t").iso(), "2026-03-02 09:00:00");
    EXPECT_TRUE(in.boolean(Node("yes"), "b"));
    EXPECT_EQ(ProblemOf([&] { in.text(Node("[a]"), "the subject"); }), "the subject must be a text, not a list");
    EXPECT_EQ(ProblemOf([&] { in.text(Node(""), "the subject"); }), "the subject must be a text, not nothing");
}

TEST(YamlInput, AMapRefusesKeysNoReaderAskedFor) {
    YamlInput in("f.yaml");
    auto node = LoadYamlDocuments("a: 1\nb: 2\nc: 3\n", "f.yaml").front();
    YamlMap map(in, node, "the thing");
    map.get("a");
    map.get("c");
    try {
        map.done();
        FAIL();
    } catch (const FormatError& e) {
        EXPECT_EQ(std::string(e.what()), "f.yaml:2: unknown key \"b\" in the thing (known keys: a, c)");
    }
}

TEST(YamlInput, AStreamWhereNoDocumentCanStartIsRefusedNotReadForEver) {
    EXPECT_EQ(ProblemOf([] { LoadYamlDocuments("name: x\n---\n,\n", "f.yaml"); }),
              "not valid YAML: no document or value can start here");
    EXPECT_EQ(LoadYamlDocuments("---\n---\na: 1\n", "f.yaml").size(), 2u);
}

TEST(YamlInput, OnlyUtf8IsReadAndAStrayByteIsRefusedWhereItStands) {
    EXPECT_EQ(ProblemOf([] { LoadYamlDocuments("a: 1\nname: Jos\xE9\n", "f.yaml"); }),
              "not valid UTF-8: the byte 0xE9 at column 10 begins no whole character");
    EXPECT_EQ(ProblemOf([] { LoadYamlDocuments(std::string("a: 1\nk: \"x\0y\"\n", 14), "f.yaml"); }),
              "a zero byte at column 6: write it as \"\\0\" inside double quotes");
    EXPECT_EQ(ProblemOf([] { LoadYamlDocuments(std::string("\xFF\xFEn\0:\0 \0x\0", 10), "f.yaml"); }),
              "the file is UTF-16 or UTF-32 (it begins with a byte order mark): save it as UTF-8");
    EXPECT_EQ(LoadYamlDocuments("\xEF\xBB\xBFname: Jos\xC3\xA9\n", "f.yaml").front()["name"].Scalar(), "Jos\xC3\xA9");
}

TEST(MailboxNames, FoldersByPathEntriesByAddressOrNameAndTheirReferences) {
    platform::FixedClock clock;
    auto app = sim::SimApplication::Create(clock);
    auto session = app->profile();
    auto& book = session->addressBook();
    auto ann = book.addSmtp("Ann Lee", "ann@example.com");
    auto ann2 = book.addSmtp("Ann Lee", "ann@other.example");
    auto me = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {}, ""});
    session->addStore({"Mailbox", mapi::storekind::PrimaryExchangeMailbox, me, true});
    auto archive = session->addStore({"Archive", mapi::storekind::PstUnicode, nullptr, false});
    auto old = EnsureFolder(archive->root(), "2025/March");

    EXPECT_EQ(FindFolder(*session, "\\\\Archive\\2025\\March"), old);
    EXPECT_EQ(FolderPathOf(*session, *old), "\\\\Archive\\2025\\March");
    auto projects = EnsureFolder(session->defaultStore()->root(), "Inbox/Projects");
    EXPECT_EQ(FindFolder(*session, "inbox/projects"), projects);
    EXPECT_EQ(FolderPathOf(*session, *projects), "Inbox/Projects");
    EXPECT_EQ(FindFolder(*session, "Inbox/None"), nullptr);

    std::string problem;
    EXPECT_EQ(FindEntry(book, "jsmith", problem), me);
    EXPECT_EQ(FindEntry(book, "Ann Lee", problem), nullptr);
    EXPECT_EQ(problem, "two address book entries are named \"Ann Lee\": name one by its address");
    EXPECT_EQ(EntryRef(book, *ann), "ann@example.com");
    EXPECT_EQ(EntryRef(book, *ann2), "ann@other.example");
    EXPECT_EQ(EntryRef(book, *sim::AddressBook::oneOff("Bob", "bob@example.org")), "Bob <bob@example.org>");
}

}  // namespace
}  // namespace corvane::profile
