// Every flag accessor: its default, its exact case-sensitive comparison, and that its read
// and write go to its own key.
#include <gtest/gtest.h>
#include <functional>
#include <optional>
#include <vector>

#include "corvane/settings/setting_keys.h"
#include "settings_fixture.h"

using corvane::settings::modRegKeys;
namespace keys = corvane::settings::keys;

namespace {

struct FlagAccessor {
    std::string_view key;
    bool defaultOn;
    std::function<bool(const modRegKeys&)> read;
    std::function<void(modRegKeys&, int)> write;
};

#define FLAG(name, on)                                                                                        \
    FlagAccessor {                                                                                            \
        keys::name, on, [](const modRegKeys& m) { return m.name(); }, [](modRegKeys& m, int s) { m.name(s); } \
    }

const std::vector<FlagAccessor>& flags() {
    static const std::vector<FlagAccessor> all{
        FLAG(ReplyMultiple, true),      FLAG(ReplyALL_BCC, true),
        FLAG(ReplyAllAny, true),        FLAG(ReplyAllAutoRemove, true),
        FLAG(CheckEmptySubject, true),  FLAG(RemoveSpamWords, true),
        FLAG(CheckMultipleReFwd, true), FLAG(PromptReplyOnOlderEmails, true),
        FLAG(CheckAttachMissing, true), FLAG(NotifyBeforeDelaying, true),
        FLAG(UseOutlookSettings, true), FLAG(ReplyInternalCheck, false),
        FLAG(PlaySound, false),         FLAG(ConfirmForXRecipients, false),
        FLAG(DelayEmails, false),       FLAG(IgnoreText, false),
        FLAG(IgnoreAttach, false),
    };
    return all;
}
#undef FLAG

using FlagAccessors = corvane::testing::SettingsTest;

TEST_F(FlagAccessors, DefaultOnFlagsAreOffOnlyForExactFalse) {
    const std::vector<std::pair<std::optional<std::string>, bool>> cases{
        {std::nullopt, true}, {"", true},       {"False", false}, {"false", true}, {"FALSE", true},
        {" False", true},     {"False ", true}, {"0", true},      {"True", true},  {"KeyNotInReg", true},
    };
    for (const auto& f : flags()) {
        if (!f.defaultOn) continue;
        for (const auto& [stored, expected] : cases) {
            put(f.key, stored);
            EXPECT_EQ(f.read(accessors), expected)
                << f.key << " stored as " << (stored ? "\"" + *stored + "\"" : "missing");
        }
    }
}

TEST_F(FlagAccessors, DefaultOffFlagsAreOnOnlyForExactTrue) {
    const std::vector<std::pair<std::optional<std::string>, bool>> cases{
        {std::nullopt, false}, {"", false},      {"True", true}, {"true", false}, {"TRUE", false},
        {" True", false},      {"True ", false}, {"1", false},   {"-1", false},
    };
    for (const auto& f : flags()) {
        if (f.defaultOn) continue;
        for (const auto& [stored, expected] : cases) {
            put(f.key, stored);
            EXPECT_EQ(f.read(accessors), expected)
                << f.key << " stored as " << (stored ? "\"" + *stored + "\"" : "missing");
        }
    }
}

TEST_F(FlagAccessors, OnlyATickedCheckBoxStoresTrue) {
    for (const auto& f : flags()) {
        const std::vector<std::pair<int, std::string>> cases{{1, "True"}, {0, "False"}, {2, "False"}, {-1, "False"}};
        for (const auto& [state, text] : cases) {
            f.write(accessors, state);
            auto v = raw(f.key);
            ASSERT_TRUE(v) << f.key;
            EXPECT_EQ(v->text, text) << f.key << " written with state " << state;
            EXPECT_EQ(v->name, f.key) << "stored under another name";
        }
    }
}

TEST_F(FlagAccessors, EachFlagReadsBackWhatItWrote) {
    for (const auto& f : flags()) {
        f.write(accessors, f.defaultOn ? 0 : 1);
        EXPECT_EQ(f.read(accessors), !f.defaultOn) << f.key;
        // No other flag moved: each accessor reads its own key.
        for (const auto& other : flags()) {
            if (other.key != f.key) {
                EXPECT_EQ(other.read(accessors), other.defaultOn) << other.key;
            }
        }
        put(f.key, std::nullopt);
    }
}

}  // namespace
