#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "settings_fixture.h"
#include "support/platform_error.h"

using corvane::platform::Hive;
using corvane::platform::RegValue;
using corvane::settings::UserSettingsPath;
using corvane::testing::FailsWith;

namespace {

using SettingStore = corvane::testing::SettingsTest;

TEST_F(SettingStore, MissingValueReadsTheDefaultWithoutCreatingTheKey) {
    EXPECT_EQ(store.GetSetting("ReplyMultiple", "KeyNotInReg"), "KeyNotInReg");
    EXPECT_EQ(store.GetSetting("ReplyMultiple"), "");
    EXPECT_EQ(reg.find(Hive::CurrentUser, "Software\\VB and VBA Program Settings"), nullptr);
}

TEST_F(SettingStore, SaveWritesAStringValueUnderTheApplicationSection) {
    store.SaveSetting("DomainName", "example.com");
    auto v = reg.getValue(Hive::CurrentUser, "Software\\VB and VBA Program Settings\\larchmoor\\0x155473194",
                          "DomainName");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, corvane::platform::regtype::String);
    EXPECT_EQ(v->text, "example.com");
    EXPECT_EQ(store.GetSetting("DomainName", "x"), "example.com");
}

TEST_F(SettingStore, EveryReadSeesAChangeMadeBehindItsBack) {
    put("XRecipients", "5");
    EXPECT_EQ(store.GetSetting("XRecipients"), "5");
    put("XRecipients", "9");
    EXPECT_EQ(store.GetSetting("XRecipients"), "9");
    reg.createKey(Hive::CurrentUser, UserSettingsPath)->deleteValue("XRecipients");
    EXPECT_EQ(store.GetSetting("XRecipients", "gone"), "gone");
}

TEST_F(SettingStore, ValueThatIsNotAStringReadsAsMissing) {
    reg.createKey(Hive::CurrentUser, UserSettingsPath)->setValue(RegValue::dwordValue("PlaySound", 1));
    EXPECT_EQ(store.GetSetting("PlaySound", "dflt"), "dflt");
}

TEST_F(SettingStore, KeyThatCannotBeOpenedReadsAsMissing) {
    put("PlaySound", "True");
    reg.failOpen(Hive::CurrentUser, std::string(UserSettingsPath));
    EXPECT_EQ(store.GetSetting("PlaySound", "dflt"), "dflt");
    EXPECT_EQ(store.GetSetting("PlaySound", "dflt"), "True");
}

TEST_F(SettingStore, RefusedWriteIsReported) {
    reg.failOpen(Hive::CurrentUser, std::string(UserSettingsPath));
    EXPECT_THAT([&] { store.SaveSetting("PlaySound", "True"); }, FailsWith(corvane::platform::errors::AccessDenied));
}

}  // namespace
