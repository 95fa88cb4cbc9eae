// Copying the machine-wide preset into the user's settings at start-up.
#include <gtest/gtest.h>

#include "corvane/settings/basPreInitializeSetup.h"
#include "corvane/settings/setting_keys.h"
#include "settings_fixture.h"

using corvane::platform::Hive;
using corvane::platform::RegValue;
using corvane::settings::InitializeSetup;
using corvane::settings::PresetKeyPath;

namespace {

class Preset : public corvane::testing::SettingsTest {
protected:
    void machine(std::string_view name, std::string_view text) {
        reg.setString(Hive::LocalMachine, PresetKeyPath, name, text);
    }
    void machineDword(std::string_view name, std::uint32_t v) {
        reg.setDword(Hive::LocalMachine, PresetKeyPath, name, v);
    }
    void start() { InitializeSetup(reg, ui(), "Corvane"); }
    std::string user(std::string_view key) { return store.GetSetting(key, "(missing)"); }
};

TEST_F(Preset, NoMachineKeyOrNoIdentifierCopiesNothing) {
    start();
    reg.createKey(Hive::LocalMachine, PresetKeyPath);
    start();
    machine("PlaySound", "True");
    start();
    EXPECT_EQ(user("PlaySound"), "(missing)");
}

TEST_F(Preset, IdentifierOfAnotherTypeCopiesNothing) {
    RegValue binary;
    binary.name = "PreSetupID";
    binary.type = corvane::platform::regtype::Binary;
    binary.bytes = {1, 2};
    reg.createKey(Hive::LocalMachine, PresetKeyPath)->setValue(binary);
    machine("PlaySound", "True");
    start();
    EXPECT_EQ(user("PlaySound"), "(missing)");
}

TEST_F(Preset, OnlyTheNamedValuesAreCopiedAndBlanksAroundTheIdentifierDoNotMakeItNew) {
    put("PlaySound", "False");
    put("DomainName", "mine.example");
    machine("PreSetupID", "2026-03");
    machine("PlaySound", "True");
    machineDword("OldEmailDays", 0xDEADBEEF);
    start();
    EXPECT_EQ(user("PlaySound"), "True");
    EXPECT_EQ(user("OldEmailDays"), "&HDEADBEEF");
    EXPECT_EQ(user("DomainName"), "mine.example");
    accessors.PlaySound(0);
    put("PreSetupID", " 2026-03  ");
    start();
    EXPECT_EQ(user("PlaySound"), "False");
}

TEST_F(Preset, DwordIdentifierIsAppliedAtEveryStart) {
    machineDword("PreSetupID", 1);
    machine("PlaySound", "True");
    start();
    EXPECT_EQ(user("PreSetupID"), "&H00000001");
    accessors.PlaySound(0);
    start();
    EXPECT_EQ(user("PlaySound"), "True");
}

TEST_F(Preset, NamesAreTrimmedAndBlankNamesSkipped) {
    machine("PreSetupID", "A");
    machine("", "default value");
    machine("   ", "blank name");
    machine("  DomainName ", "corp.example");
    start();
    EXPECT_EQ(user("DomainName"), "corp.example");
    EXPECT_EQ(user(""), "(missing)");
    EXPECT_EQ(user("   "), "(missing)");
}

TEST_F(Preset, ValueTooLongForItsRoomEndsTheEnumeration) {
    machine("PreSetupID", "A");
    machine("IgnoreTextValue", std::string(1023, 's'));  // 1024 bytes with its zero: fits
    machine("AttachKeyWords", std::string(1024, 'k'));   // one byte too many
    machine("PlaySound", "True");
    start();
    EXPECT_EQ(user("IgnoreTextValue"), std::string(1023, 's'));
    EXPECT_EQ(user("AttachKeyWords"), "(missing)");
    EXPECT_EQ(user("PlaySound"), "(missing)");
    EXPECT_EQ(user("PreSetupID"), "A");
}

TEST_F(Preset, NameTooLongForItsRoomEndsTheEnumeration) {
    machine("PreSetupID", "A");
    machine(std::string(1024, 'n'), "x");
    machine("PlaySound", "True");
    start();
    EXPECT_EQ(user("PlaySound"), "(missing)");
}

TEST_F(Preset, KeyThatCannotBeOpenedForEnumerationIsReportedAndCopiesNothing) {
    machine("PreSetupID", "A");
    machine("PlaySound", "True");
    reg.failOpen(Hive::LocalMachine, std::string(PresetKeyPath), 1);  // the reading of PreSetupID works
    expectBox("Corvane", "Error opening key.", 0);
    start();
    EXPECT_EQ(user("PlaySound"), "(missing)");
    EXPECT_EQ(user("PreSetupID"), "(missing)") << "the next start must try again";
}

TEST_F(Preset, KeyThatCannotBeClosedIsReportedAndTheValuesAreStillCopied) {
    machine("PreSetupID", "A");
    machine("PlaySound", "True");
    reg.failClose(Hive::LocalMachine, std::string(PresetKeyPath));
    expectBox("Brand X", "Error closing key.", 0);
    InitializeSetup(reg, ui(), "Brand X");
    EXPECT_EQ(user("PlaySound"), "True");
}

TEST_F(Preset, OtherFailuresEndSilently) {
    machine("PreSetupID", "A");
    machine("PlaySound", "True");
    reg.failOpen(Hive::LocalMachine, std::string(PresetKeyPath));  // the first reading fails
    EXPECT_NO_THROW(start());
    reg.failOpen(Hive::CurrentUser, std::string(corvane::settings::UserSettingsPath));  // copying fails
    EXPECT_NO_THROW(start());
    EXPECT_EQ(user("PlaySound"), "(missing)");
}

}  // namespace
