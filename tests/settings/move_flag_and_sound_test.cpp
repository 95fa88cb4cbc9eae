#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/settings/bln_move_cv.h"
#include "corvane/settings/classic_conversion.h"
#include "corvane/settings/prompt_sound.h"
#include "settings_fixture.h"
#include "support/platform_error.h"

using corvane::settings::blnMoveCV;
using corvane::testing::FailsWith;
using MoveFlag = corvane::testing::SettingsTest;
using PromptSound = corvane::testing::SettingsTest;

namespace {

TEST_F(MoveFlag, MissingOrEmptyMeansNotMovedYet) {
    EXPECT_FALSE(blnMoveCV(store));
    put("blnMoveCV", "");
    EXPECT_FALSE(blnMoveCV(store));
}

TEST_F(MoveFlag, ReadsBooleanWordsInAnyCaseAndNumbers) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"True", true},   {"TRUE", true},       {"true", true},        {"False", false}, {"fAlSe", false},
        {" True ", true}, {"0", false},         {"-1", true},          {" 1 ", true},    {"0.0", false},
        {"2.5", true},    {"&H00000001", true}, {"&H00000000", false},
    };
    for (const auto& [stored, expected] : cases) {
        put("blnMoveCV", stored);
        EXPECT_EQ(blnMoveCV(store), expected) << "stored as \"" << stored << "\"";
    }
}

TEST_F(MoveFlag, OtherTextIsATypeMismatch) {
    for (const char* stored : {"yes", " ", "1x", "&H", "&HFFFFFFFFF", "&G1"}) {
        put("blnMoveCV", stored);
        EXPECT_THAT([&] { blnMoveCV(store); }, FailsWith(13, "Type mismatch")) << stored;
    }
}

TEST(ClassicConversion, HexTextIsASigned32BitValue) {
    EXPECT_EQ(corvane::settings::classicNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(corvane::settings::classicNumber("&h7fffffff"), 2147483647.0);
    EXPECT_EQ(corvane::settings::classicWholeNumber(" -3.5 "), -4);
}

TEST_F(PromptSound, BeepsOnceOnlyWhenPlaySoundIsExactlyTrue) {
    const std::vector<std::pair<std::optional<std::string>, int>> cases{
        {std::nullopt, 0}, {"", 0}, {"False", 0}, {"true", 0}, {"True", 1}};
    int beeps = 0;
    for (const auto& [stored, more] : cases) {
        put("PlaySound", stored);
        corvane::settings::PlayPromptSound(store, ui());
        EXPECT_EQ(ui().beeps(), beeps += more) << (stored ? *stored : "missing");
    }
}

TEST_F(PromptSound, BeepFailureIsIgnored) {
    // A machine without a sound device.
    struct Silent : corvane::simhost::ScriptedUi {
        void beep() override { throw corvane::platform::PlatformError(-1, "no sound device"); }
    } silent;
    put("PlaySound", "True");
    EXPECT_NO_THROW(corvane::settings::PlayPromptSound(store, silent));
}

}  // namespace
