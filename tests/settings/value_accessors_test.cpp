// The choice, count, text and list accessors: their defaults and repair rules, and that
// each writes its own key.
#include <gtest/gtest.h>
#include <functional>
#include <optional>
#include <vector>

#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"
#include "settings_fixture.h"

using corvane::settings::modRegKeys;
namespace keys = corvane::settings::keys;

namespace {

using Stored = std::optional<std::string>;
const Stored Missing = std::nullopt;

std::string describe(const Stored& s) { return s ? "\"" + *s + "\"" : "missing"; }

template <class T>
struct Accessor {
    std::string_view key;
    std::function<T(const modRegKeys&)> read;
};

#define ACCESSOR(T, name)                                        \
    Accessor<T> {                                                \
        keys::name, [](const modRegKeys& m) { return m.name(); } \
    }

class ValueAccessors : public corvane::testing::SettingsTest {
protected:
    template <class T>
    void expectReads(const Accessor<T>& a, const std::vector<std::pair<Stored, T>>& cases) {
        for (const auto& [stored, expected] : cases) {
            put(a.key, stored);
            EXPECT_EQ(a.read(accessors), expected) << a.key << " stored as " << describe(stored);
        }
    }
};

TEST_F(ValueAccessors, ZeroOneChoicesReadZeroOnlyWhenMissingOrZero) {
    for (const auto& a :
         {ACCESSOR(int, AutoRemoveSpamWords), ACCESSOR(int, MsgAddAddress), ACCESSOR(int, DoNotShowSelect)})
        expectReads<int>(a, {{Missing, 0},
                             {"0", 0},
                             {" 0 ", 0},
                             {"", 1},
                             {"1", 1},
                             {"2", 1},
                             {"no", 1},
                             {"KeyNotInReg", 0},
                             {" KeyNotInReg ", 0}});
}

TEST_F(ValueAccessors, AutoDelayAllIsOneUnlessStoredAsZero) {
    expectReads<int>(ACCESSOR(int, AutoDelayAll),
                     {{Missing, 1}, {"", 1}, {"0", 0}, {" 0", 0}, {"1", 1}, {"00", 1}, {"x", 1}});
}

TEST_F(ValueAccessors, DisplayConfirmationKnowsOnlyOneAndTwo) {
    expectReads<int>(ACCESSOR(int, DisplayConfirmation),
                     {{Missing, 0}, {"", 0}, {"0", 0}, {"1", 1}, {" 2 ", 2}, {"3", 0}, {"1.0", 0}});
}

TEST_F(ValueAccessors, ChoicesStoreTheDecimalText) {
    accessors.AutoRemoveSpamWords(1);
    accessors.MsgAddAddress(0);
    accessors.DoNotShowSelect(1);
    accessors.AutoDelayAll(0);
    accessors.DisplayConfirmation(2);
    EXPECT_EQ(raw("AutoRemoveSpamWords")->text, "1");
    EXPECT_EQ(raw("MsgAddAddress")->text, "0");
    EXPECT_EQ(raw("DoNotShowSelect")->text, "1");
    EXPECT_EQ(raw("AutoDelayAll")->text, "0");
    EXPECT_EQ(raw("DisplayConfirmation")->text, "2");
}

TEST_F(ValueAccessors, StoredCountsAreCutToWholeNumbersAndBadOnesFallBack) {
    const std::vector<std::pair<Stored, std::string>> oldDays{
        {Missing, "28"},   {"", "28"},     {"   ", "28"},        {" 14 ", "14"},       {"7.9", "7"},
        {"1", "1"},        {"0.5", "28"},  {"0", "28"},          {"-3", "28"},         {"ten", "28"},
        {"14 days", "28"}, {"1e2", "100"}, {"&H0000000E", "14"}, {"&HFFFFFFFF", "28"},
    };
    expectReads<std::string>(ACCESSOR(std::string, OldEmailDays), oldDays);
    expectReads<std::string>(ACCESSOR(std::string, XRecipients),
                             {{Missing, "5"}, {"", "5"}, {"12", "12"}, {"2.99", "2"}, {"0", "5"}, {"x", "5"}});
}

TEST_F(ValueAccessors, DelayTimeTellsEmptyFromMissingAndIsNotChecked) {
    expectReads<std::string>(ACCESSOR(std::string, DelayTime), {{Missing, "60"},
                                                                {"", "0"},
                                                                {"  ", "0"},
                                                                {" 30 ", "30"},
                                                                {"soon", "soon"},
                                                                {"7.9", "7.9"},
                                                                {"KeyNotInReg", "60"}});
}

TEST_F(ValueAccessors, PlainTextAndListsAreTrimmedAndMissingIsEmpty) {
    for (const auto& a : {ACCESSOR(std::string, DomainName), ACCESSOR(std::string, ConfirmEmailAddrs),
                          ACCESSOR(std::string, DelayedEmailAddrs)})
        expectReads<std::string>(a, {{Missing, ""}, {"", ""}, {" a@x.com;b@y.org ", "a@x.com;b@y.org"}});
}

TEST_F(ValueAccessors, ListsWithADefaultTellAStoredEmptyListFromAMissingOne) {
    expectReads<std::string>(ACCESSOR(std::string, SpamKeyWords), {{Missing, "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:"},
                                                                   {"", ""},
                                                                   {"  ", ""},
                                                                   {" [SPAM];JUNK: ", "[SPAM];JUNK:"},
                                                                   {"KeyNotInReg", "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:"}});
    expectReads<std::string>(
        ACCESSOR(std::string, AttachKeyWords),
        {{Missing, "attach;attached;attachment;enclose;enclosed;enclosing"}, {"", ""}, {"Anlage", "Anlage"}});
}

TEST_F(ValueAccessors, EmailListFallsBackToTheAccountsOnlyWhenMissing) {
    int asked = 0;
    auto accounts = [&] {
        ++asked;
        return std::string("me@work.example;me@home.example");
    };
    modRegKeys m(store, accounts);
    EXPECT_EQ(m.EmailList(), "me@work.example;me@home.example");
    EXPECT_EQ(asked, 1);
    put("EmailList", "");
    EXPECT_EQ(m.EmailList(), "");
    put("EmailList", " other@x.example ");
    EXPECT_EQ(m.EmailList(), "other@x.example");
    EXPECT_EQ(asked, 1);
}

TEST_F(ValueAccessors, EmailListReadNeverFailsWhenTheAccountsCannotBeRead) {
    EXPECT_EQ(accessors.EmailList(), "");  // no account source given
    modRegKeys m(store, []() -> std::string { throw corvane::platform::PlatformError(-1, "gone"); });
    EXPECT_EQ(m.EmailList(), "");
}

TEST_F(ValueAccessors, TextWritesTrimAndStoreWithoutOtherChecks) {
    accessors.OldEmailDays("  7.9 ");
    accessors.XRecipients("lots");
    accessors.DelayTime(" ");
    accessors.DomainName(" example.com ");
    accessors.ConfirmEmailAddrs("boss@x.example ");
    accessors.DelayedEmailAddrs(" ");
    accessors.SpamKeyWords(corvane::text::join({"a", "b", "c"}));
    accessors.AttachKeyWords(corvane::text::join({}));
    accessors.EmailList(" me@x.example;you@y.example ");
    const std::vector<std::pair<std::string_view, std::string>> expected{
        {"OldEmailDays", "7.9"},
        {"XRecipients", "lots"},
        {"DelayTime", ""},
        {"DomainName", "example.com"},
        {"ConfirmEmailAddrs", "boss@x.example"},
        {"DelayedEmailAddrs", ""},
        {"SpamKeyWords", "a;b;c"},
        {"AttachKeyWords", ""},
        {"EmailList", "me@x.example;you@y.example"},
    };
    for (const auto& [key, text] : expected) {
        auto v = raw(key);
        ASSERT_TRUE(v) << key;
        EXPECT_EQ(v->text, text) << key;
        EXPECT_EQ(v->name, key);
    }
    // Malformed text is repaired on read only, never written back.
    EXPECT_EQ(accessors.OldEmailDays(), "7");
    EXPECT_EQ(raw("OldEmailDays")->text, "7.9");
}

#undef ACCESSOR

}  // namespace
