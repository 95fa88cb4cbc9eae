// The choice, count, text and list accessors: their defaults and repair rules, and that
// each writes its own key.
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

#include "corvane/platform/error.h"
#include "corvane/text/text.h"
#include "corvane/settings/setting_keys.h"
#include "settings_fixture.h"

using corvane::settings::modRegKeys;
using corvane::testing::SettingsFixture;
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

#define ACCESSOR(T, name) Accessor<T>{keys::name, [](const modRegKeys& m) { return m.name(); }}

template <class T>
void expectReads(const Accessor<T>& a, const std::vector<std::pair<Stored, T>>& cases) {
    for (const auto& [stored, expected] : cases) {
        SettingsFixture fresh;
        fresh.putIf(a.key, stored);
        EXPECT_EQ(a.read(fresh.accessors), expected) << a.key << " stored as " << describe(stored);
    }
}

TEST(ChoiceAccessors, ZeroOneChoicesReadZeroOnlyWhenMissingOrZero) {
    for (const auto& a : {ACCESSOR(int, AutoRemoveSpamWords), ACCESSOR(int, MsgAddAddress),
                          ACCESSOR(int, DoNotShowSelect)})
        expectReads<int>(a, {{Missing, 0}, {"0", 0}, {" 0 ", 0}, {"", 1}, {"1", 1}, {"2", 1},
                             {"no", 1}, {"KeyNotInReg", 0}, {" KeyNotInReg ", 0}});
}

TEST(ChoiceAccessors, AutoDelayAllIsOneUnlessStoredAsZero) {
    expectReads<int>(ACCESSOR(int, AutoDelayAll),
                     {{Missing, 1}, {"", 1}, {"0", 0}, {" 0", 0}, {"1", 1}, {"00", 1}, {"x", 1}});
}

TEST(ChoiceAccessors, DisplayConfirmationKnowsOnlyOneAndTwo) {
    expectReads<int>(ACCESSOR(int, DisplayConfirmation),
                     {{Missing, 0}, {"", 0}, {"0", 0}, {"1", 1}, {" 2 ", 2}, {"3", 0}, {"1.0", 0}});
}

TEST(ChoiceAccessors, WritesStoreTheDecimalText) {
    SettingsFixture s;
    s.accessors.AutoRemoveSpamWords(1);
    s.accessors.MsgAddAddress(0);
    s.accessors.DoNotShowSelect(1);
    s.accessors.AutoDelayAll(0);
    s.accessors.DisplayConfirmation(2);
    EXPECT_EQ(s.raw("AutoRemoveSpamWords")->text, "1");
    EXPECT_EQ(s.raw("MsgAddAddress")->text, "0");
    EXPECT_EQ(s.raw("DoNotShowSelect")->text, "1");
    EXPECT_EQ(s.raw("AutoDelayAll")->text, "0");
    EXPECT_EQ(s.raw("DisplayConfirmation")->text, "2");
}

TEST(CountAccessors, StoredNumbersAreCutToWholeNumbersAndBadOnesFallBack) {
    const std::vector<std::pair<Stored, std::string>> oldDays{
        {Missing, "28"}, {"", "28"},   {"   ", "28"},  {" 14 ", "14"}, {"7.9", "7"},
        {"1", "1"},      {"0.5", "28"}, {"0", "28"},   {"-3", "28"},   {"ten", "28"},
        {"14 days", "28"}, {"1e2", "100"}, {"&H0000000E", "14"}, {"&HFFFFFFFF", "28"},
    };
    expectReads<std::string>(ACCESSOR(std::string, OldEmailDays), oldDays);
    expectReads<std::string>(ACCESSOR(std::string, XRecipients),
                             {{Missing, "5"}, {"", "5"}, {"12", "12"}, {"2.99", "2"}, {"0", "5"}, {"x", "5"}});
}

TEST(CountAccessors, DelayTimeTellsEmptyFromMissingAndIsNotChecked) {
    expectReads<std::string>(ACCESSOR(std::string, DelayTime),
                             {{Missing, "60"}, {"", "0"}, {"  ", "0"}, {" 30 ", "30"}, {"soon", "soon"},
                              {"7.9", "7.9"}, {"KeyNotInReg", "60"}});
}

TEST(TextAccessors, PlainTextAndListsAreTrimmedAndMissingIsEmpty) {
    for (const auto& a : {ACCESSOR(std::string, DomainName), ACCESSOR(std::string, ConfirmEmailAddrs),
                          ACCESSOR(std::string, DelayedEmailAddrs)})
        expectReads<std::string>(a, {{Missing, ""}, {"", ""}, {" a@x.com;b@y.org ", "a@x.com;b@y.org"}});
}

TEST(TextAccessors, ListsWithADefaultTellAStoredEmptyListFromAMissingOne) {
    expectReads<std::string>(ACCESSOR(std::string, SpamKeyWords),
                             {{Missing, "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:"}, {"", ""}, {"  ", ""},
                              {" [SPAM];JUNK: ", "[SPAM];JUNK:"}, {"KeyNotInReg", "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:"}});
    expectReads<std::string>(ACCESSOR(std::string, AttachKeyWords),
                             {{Missing, "attach;attached;attachment;enclose;enclosed;enclosing"}, {"", ""},
                              {"Anlage", "Anlage"}});
}

TEST(TextAccessors, EmailListFallsBackToTheAccountsOnlyWhenMissing) {
    int asked = 0;
    auto accounts = [&] {
        ++asked;
        return std::string("me@work.example;me@home.example");
    };
    SettingsFixture s;
    modRegKeys m(s.store, accounts);
    EXPECT_EQ(m.EmailList(), "me@work.example;me@home.example");
    EXPECT_EQ(asked, 1);
    s.put("EmailList", "");
    EXPECT_EQ(m.EmailList(), "");
    s.put("EmailList", " other@x.example ");
    EXPECT_EQ(m.EmailList(), "other@x.example");
    EXPECT_EQ(asked, 1);
}

TEST(TextAccessors, EmailListReadNeverFailsWhenTheAccountsCannotBeRead) {
    SettingsFixture s;
    EXPECT_EQ(s.accessors.EmailList(), "");  // no account source given
    modRegKeys m(s.store, []() -> std::string { throw corvane::platform::PlatformError(-1, "gone"); });
    EXPECT_EQ(m.EmailList(), "");
}

TEST(TextAccessors, WritesTrimAndStoreWithoutOtherChecks) {
    SettingsFixture s;
    s.accessors.OldEmailDays("  7.9 ");
    s.accessors.XRecipients("lots");
    s.accessors.DelayTime(" ");
    s.accessors.DomainName(" example.com ");
    s.accessors.ConfirmEmailAddrs("boss@x.example ");
    s.accessors.DelayedEmailAddrs(" ");
    s.accessors.SpamKeyWords(corvane::text::join({"a", "b", "c"}));
    s.accessors.AttachKeyWords(corvane::text::join({}));
    s.accessors.EmailList(" me@x.example;you@y.example ");
    const std::vector<std::pair<std::string_view, std::string>> expected{
        {"OldEmailDays", "7.9"},       {"XRecipients", "lots"},
        {"DelayTime", ""},             {"DomainName", "example.com"},
        {"ConfirmEmailAddrs", "boss@x.example"}, {"DelayedEmailAddrs", ""},
        {"SpamKeyWords", "a;b;c"},     {"AttachKeyWords", ""},
        {"EmailList", "me@x.example;you@y.example"},
    };
    for (const auto& [key, text] : expected) {
        auto v = s.raw(key);
        ASSERT_TRUE(v) << key;
        EXPECT_EQ(v->text, text) << key;
        EXPECT_EQ(v->name, key);
    }
    // Malformed text is repaired on read only, never written back.
    EXPECT_EQ(s.accessors.OldEmailDays(), "7");
    EXPECT_EQ(s.raw("OldEmailDays")->text, "7.9");
}

TEST(FreshUser, ReadsEveryDefault) {
    SettingsFixture s;
    const auto& m = s.accessors;
    EXPECT_TRUE(m.ReplyMultiple() && m.CheckEmptySubject() && m.CheckAttachMissing() && m.NotifyBeforeDelaying());
    EXPECT_FALSE(m.ReplyInternalCheck() || m.PlaySound() || m.ConfirmForXRecipients() || m.DelayEmails());
    EXPECT_EQ(m.AutoRemoveSpamWords() + m.MsgAddAddress() + m.DoNotShowSelect() + m.DisplayConfirmation(), 0);
    EXPECT_EQ(m.AutoDelayAll(), 1);
    EXPECT_EQ(m.OldEmailDays(), "28");
    EXPECT_EQ(m.XRecipients(), "5");
    EXPECT_EQ(m.DelayTime(), "60");
    EXPECT_EQ(m.SpamKeyWords(), "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:");
    EXPECT_EQ(m.AttachKeyWords(), "attach;attached;attachment;enclose;enclosed;enclosing");
    EXPECT_EQ(s.reg.find(corvane::platform::Hive::CurrentUser, corvane::settings::UserSettingsPath), nullptr)
        << "reading created the settings key";
}

#undef ACCESSOR

}  // namespace
