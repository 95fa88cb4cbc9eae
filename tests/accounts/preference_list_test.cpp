// The preference list: its text, its record cursor over the list message, list entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

#include "corvane/accounts/preferred_account.h"
#include "corvane/profile/mailbox.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "support/world.h"

namespace corvane::accounts::testing {
namespace {

using corvane::testing::WorldTest;

std::string Saved(const std::string& rows) {
    return "<xml xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><rs:data>" + rows +
           "</rs:data></xml>";
}

TEST(Rowset, RowsReadInAnyAttributeOrderWithNullsAndPendingInserts) {
    const auto rows = ReadRowset(
        Saved("<z:row strAccount='Home' strEmailAddress='a@x.example'/>"
              "<z:row strEmailAddress='b@x.example'/>"
              "<rs:insert><z:row strAccount='Work' extra='1'/></rs:insert>"));
    const std::vector<ListRecord> expected = {{"a@x.example", "Home"},
                                              {"b@x.example", std::nullopt},
                                              {std::nullopt, "Work"}};
    EXPECT_EQ(rows, expected);
}

TEST(Rowset, AWrittenListIsTheSchemaAndItsRowsAndReadsBack) {
    const std::string empty = WriteRowset({});
    EXPECT_EQ(std::count(empty.begin(), empty.end(), '\n'), 19);  // 20 lines
    EXPECT_EQ(empty.find("\n\n"), std::string::npos);
    EXPECT_EQ(empty.substr(empty.size() - 18), "</rs:data>\r\n</xml>");
    EXPECT_TRUE(ReadRowset(empty).empty());

    const std::vector<ListRecord> records = {{"o'neil&co@x.example", "<Home> \"A\"\r\n"}, {std::nullopt, "Work"}};
    const std::string text = WriteRowset(records);
    EXPECT_NE(text.find("<z:row strAccount='Work'/>\r\n</rs:data>"), std::string::npos);
    EXPECT_EQ(ReadRowset(text), records);
}

TEST(Rowset, NoBreakSpacesAreRemovedAndOtherTextIsRefused) {
    EXPECT_EQ(WithoutNoBreakSpaces("a\xC2\xA0 b\xC2\xA0"), "a b");
    EXPECT_EQ(ReadRowset(WithoutNoBreakSpaces(Saved("\xC2\xA0<z:row strEmailAddress='a@x.example'/>\xC2\xA0"))).size(),
              1u);
    for (const char* text : {"", "ann@example.com;Home", "<xml><rs:data><z:row a='1'></xml>",
                             "<root><rs:data/></root>", "<xml><other/></xml>"})
        EXPECT_THROW(ReadRowset(text), RowsetError) << text;
}

TEST(ListEntries, EntryTextTakenApartAtTheFirstParentheses) {
    EXPECT_EQ(EntryAddress("ann@example.com (Home)"), "ann@example.com");
    EXPECT_EQ(EntryAccount("ann@example.com (Home)"), "Home");
    EXPECT_EQ(EntryAccount("ann@example.com (Work (old))"), "Work (old");  // cut at the first ")"
    EXPECT_EQ(EntryAccount("ann@example.com (Smith) Ltd)"), "Smith");
    EXPECT_THROW(EntryAddress("ann@example.com"), platform::PlatformError);
}

class PreferenceList : public WorldTest {
protected:
    explicit PreferenceList(
        const std::string& body = Saved("<z:row strEmailAddress='carl@x.example' strAccount='Home'/>"
                                        "<z:row strEmailAddress='Ann@x.example' strAccount='Work'/>"
                                        "<z:row strEmailAddress='bob@x.example' strAccount='Home'/>"))
        : WorldTest(std::string(corvane::testing::Mailbox) +
                    "folders:\n  Brackenfold Settings/Corvane:\n    - {subject: Email Address, draft: true, body: \"" +
                    body + "\"}\n") {}

    std::shared_ptr<clsSendAcct> open() {
        auto list = std::make_shared<clsSendAcct>(process());
        list->strMailFolderPath("\\Mailbox - John Smith\\Brackenfold Settings\\Corvane");
        process().gSendAcct = list;
        return list;
    }
    std::string stored() {
        return profile::FindFolder(*app->profile(), "Brackenfold Settings/Corvane")->items().front()->body();
    }
    static std::vector<std::string> Addresses(clsSendAcct& list) {
        std::vector<std::string> out;
        for (long i = 1; i <= list.count(); ++i) {
            list.AbsolutePosition(std::to_string(i));
            out.push_back(list.strEmailAddress());
        }
        return out;
    }
};

TEST_F(PreferenceList, LoadsSortedByAddressAndFindsOnlyForward) {
    auto list = open();
    ASSERT_TRUE(list->LoadList());
    EXPECT_EQ(Addresses(*list), (std::vector<std::string>{"Ann@x.example", "bob@x.example", "carl@x.example"}));
    list->AbsolutePosition("3");
    EXPECT_FALSE(list->Find("bob@x.example"));  // no wrapping round
    list->AbsolutePosition("1");
    ASSERT_TRUE(list->Find("BOB@x.example"));
    EXPECT_EQ(list->strAccount(), "Home");
    EXPECT_EQ(PrefAccountFor(process(), " ann@X.example "), "Work");
    EXPECT_EQ(PrefAccountFor(process(), "ann"), "");
    // A record added at the end is sorted in by the next load of the list it saved.
    list->AddNew();
    list->strEmailAddress("aaron@x.example");
    ASSERT_TRUE(list->Update() && list->LoadList());
    EXPECT_EQ(Addresses(*list).front(), "aaron@x.example");
}

class MixedCaseList : public PreferenceList {
protected:
    MixedCaseList()
        : PreferenceList(Saved("<z:row strEmailAddress='LongAddress-Prefix-B@x.example'/>"
                               "<z:row strEmailAddress='longaddress-prefix-a@x.example'/>"
                               "<z:row strEmailAddress='\xE3\x83\xA0@x.example'/>"
                               "<z:row strEmailAddress='\xC3\x89mile@x.example'/><z:row strAccount='Work'/>"
                               "<z:row strEmailAddress='LONGADDRESS-PREFIX-A@x.example'/>")) {}
};

// Capitals beyond the first sixteen characters, letters beyond ASCII, equal addresses
// (kept in their order) and a record without an address (first).
TEST_F(MixedCaseList, SortsIgnoringCaseBeyondTheKeysHead) {
    auto list = open();
    ASSERT_TRUE(list->LoadList());
    EXPECT_EQ(Addresses(*list),
              (std::vector<std::string>{"", "longaddress-prefix-a@x.example", "LONGADDRESS-PREFIX-A@x.example",
                                        "LongAddress-Prefix-B@x.example", "\xC3\x89mile@x.example",
                                        "\xE3\x83\xA0@x.example"}));
}

// Lists long enough to be sorted by the bytes of their keys, in no order or as a few runs
// in order, load in the order their whole addresses give: capitals folded, addresses
// alike in their first twelve bytes told apart, equal ones in their order.
TEST_F(PreferenceList, LongListsLoadInTheOrderOfTheirWholeAddresses) {
    std::mt19937 random(11);
    const std::array<std::string, 3> starts = {"", "shared.prefix.", "Shared.PREFIX."};
    std::vector<ListRecord> records;
    for (int i = 0; i < 3000; ++i) {
        std::optional<std::string> address;
        if (i % 97 != 0) {
            address = starts[random() % starts.size()];
            for (auto n = random() % 13 + 1; n > 0; --n) *address += "aAb"[random() % 3];
            *address += random() % 2 ? "@x.example" : "@y";
        }
        records.push_back({address, std::to_string(i)});
    }
    const auto folded = [](const ListRecord& r) {
        std::string s = r.strEmailAddress.value_or("");
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const auto before = [&](const ListRecord& a, const ListRecord& b) {
        if (a.strEmailAddress.has_value() != b.strEmailAddress.has_value()) return !a.strEmailAddress;
        return folded(a) < folded(b);
    };
    auto inRuns = records;
    for (auto run = inRuns.begin(); run != inRuns.end(); run += 1000) std::stable_sort(run, run + 1000, before);
    for (const auto& list : {records, inRuns}) {
        profile::FindFolder(*app->profile(), "Brackenfold Settings/Corvane")
            ->items()
            .front()
            ->setBody(WriteRowset(list));
        auto sorted = list;
        std::stable_sort(sorted.begin(), sorted.end(), before);
        std::vector<std::pair<std::string, std::string>> expected;
        for (const auto& r : sorted) expected.emplace_back(r.strEmailAddress.value_or(""), *r.strAccount);
        auto cursor = open();
        ASSERT_TRUE(cursor->LoadList());
        std::vector<std::pair<std::string, std::string>> loaded;
        for (long i = 1; i <= cursor->count(); ++i) {
            cursor->AbsolutePosition(std::to_string(i));
            loaded.emplace_back(cursor->strEmailAddress(), cursor->strAccount());
        }
        EXPECT_EQ(loaded, expected);
    }
}

TEST_F(PreferenceList, ChangesAreRefusedWithTheirReasonAndWriteNothing) {
    auto list = open();
    ASSERT_TRUE(list->LoadList());
    const std::string before = stored();
    EXPECT_FALSE(list->Update());
    EXPECT_EQ(list->ErrorReport(), "Email Address cannot be saved because it has not been entered.");
    list->strEmailAddress("dan@x.example");
    EXPECT_FALSE(list->Update());
    EXPECT_EQ(list->ErrorReport(), "AddNew or Edit method must be done before the Update");
    list->AddNew();
    list->strEmailAddress("   ");
    EXPECT_FALSE(list->Update());
    list->Find("nobody@x.example");  // the cursor ends after the last record
    EXPECT_FALSE(list->Edit());
    EXPECT_EQ(list->ErrorReport(), "Cannot go to Edit mode as there is no current record");
    EXPECT_FALSE(list->Delete());
    EXPECT_EQ(list->ErrorReport(), "No active record to delete");
    EXPECT_EQ(stored(), before);
}

TEST_F(PreferenceList, TwoListObjectsSavingOneAfterTheOtherLoseNothing) {
    auto outlook = open();
    auto word = std::make_shared<clsSendAcct>(process());
    word->strMailFolderPath(outlook->strMailFolderPath());
    ASSERT_TRUE(outlook->LoadList() && word->LoadList());
    outlook->AddNew();
    outlook->strEmailAddress("dan@x.example");
    outlook->strAccount("Home");
    ASSERT_TRUE(outlook->Update());
    word->AbsolutePosition("2");
    ASSERT_TRUE(word->Delete());  // bob
    ASSERT_TRUE(outlook->LoadList());
    EXPECT_EQ(Addresses(*outlook), (std::vector<std::string>{"Ann@x.example", "carl@x.example", "dan@x.example"}));
}

class UnreadableList : public PreferenceList {
protected:
    UnreadableList() : PreferenceList("ann@x.example;Home") {}
};

TEST_F(UnreadableList, IsNeverOverwritten) {
    auto list = open();
    expectBoxContaining("Corvane", "could not be read (", platform::mb::CriticalOk);
    EXPECT_FALSE(list->LoadList());
    list->AddNew();
    list->strEmailAddress("dan@x.example");
    EXPECT_FALSE(list->Update());
    EXPECT_NE(list->ErrorReport().find("could not be read"), std::string::npos);
    EXPECT_EQ(stored(), "ann@x.example;Home");
}

}  // namespace
}  // namespace corvane::accounts::testing
