#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/settings/bln_move_cv.h"
#include "corvane/settings/classic_conversion.h"
#include "corvane/settings/prompt_sound.h"
#include "settings_fixture.h"
#include "support/fake_ui.h"

using corvane::settings::blnMoveCV;
using corvane::settings::classicBoolean;
using corvane::testing::SettingsFixture;

namespace {

TEST(blnMoveCV, MissingOrEmptyMeansNotMovedYet) {
    SettingsFixture s;
    EXPECT_FALSE(blnMoveCV(s.store));
    s.put("blnMoveCV", "");
    EXPECT_FALSE(blnMoveCV(s.store));
    s.put("blnMoveCV", "1");
    EXPECT_TRUE(blnMoveCV(s.store));
}

TEST(blnMoveCV, ReadsBooleanWordsInAnyCaseAndNumbers) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"True", true},  {"TRUE", true},  {"true", true},   {"False", false}, {"fAlSe", false},
        {" True ", true}, {"0", false},   {"-1", true},     {" 1 ", true},    {"0.0", false},
        {"2.5", true},   {"&H00000001", true}, {"&H00000000", false},
    };
    for (const auto& [stored, expected] : cases) {
        SettingsFixture s;
        s.put("blnMoveCV", stored);
        EXPECT_EQ(blnMoveCV(s.store), expected) << "stored as \"" << stored << "\"";
    }
}

TEST(blnMoveCV, OtherTextIsATypeMismatch) {
    for (const char* stored : {"yes", " ", "1x", "&H", "&HFFFFFFFFF", "&G1"}) {
        SettingsFixture s;
        s.put("blnMoveCV", stored);
        try {
            blnMoveCV(s.store);
            ADD_FAILURE() << "no error for \"" << stored << "\"";
        } catch (const corvane::platform::PlatformError& e) {
            EXPECT_EQ(e.number(), 13);
            EXPECT_EQ(e.description(), "Type mismatch");
        }
    }
}

TEST(ClassicConversion, HexTextIsASigned32BitValue) {
    EXPECT_EQ(corvane::settings::classicNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(corvane::settings::classicNumber("&h7fffffff"), 2147483647.0);
    EXPECT_EQ(corvane::settings::classicWholeNumber(" -3.5 "), -4);
}

class CountingBeepUi : public corvane::testing::FakeUi {
public:
    void beep() override {
        FakeUi::beep();
        if (failing) throw corvane::platform::PlatformError(-1, "no sound device");
    }
    bool failing = false;
};

TEST(PlayPromptSound, BeepsOnceOnlyWhenPlaySoundIsExactlyTrue) {
    const std::vector<std::pair<std::optional<std::string>, int>> cases{
        {std::nullopt, 0}, {"", 0}, {"False", 0}, {"true", 0}, {"True", 1}};
    for (const auto& [stored, beeps] : cases) {
        SettingsFixture s;
        s.putIf("PlaySound", stored);
        CountingBeepUi ui;
        corvane::settings::PlayPromptSound(s.store, ui);
        EXPECT_EQ(ui.beeps, beeps) << (stored ? *stored : "missing");
        EXPECT_TRUE(ui.boxes.empty());
    }
}

TEST(PlayPromptSound, BeepFailureIsIgnored) {
    SettingsFixture s;
    s.put("PlaySound", "True");
    CountingBeepUi ui;
    ui.failing = true;
    EXPECT_NO_THROW(corvane::settings::PlayPromptSound(s.store, ui));
    EXPECT_EQ(ui.beeps, 1);
}

}  // namespace
