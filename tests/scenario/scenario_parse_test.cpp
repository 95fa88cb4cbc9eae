// Scenario files are read strictly: every fault is refused with the file, the line and
// what is wrong, before anything runs.
#include <gtest/gtest.h>

#include "corvane/scenario/parse.h"
#include "corvane/settings/setting_store.h"
#include "support/temp_dir.h"

namespace corvane::scenario {
namespace {

const char* const Head = "name: t\nprofile:\n  folders:\n    Inbox: [{id: m1, subject: Hi}]\nsteps:\n";

std::string RefusalOf(const std::string& steps) {
    try {
        ParseScenarios(std::string(Head) + steps, "s.yaml");
    } catch (const profile::FormatError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(ScenarioParsing, RefusesUnknownKeysAndValuesOfTheWrongKind) {
    EXPECT_EQ(RefusalOf("  - start: {explorer: 1}\n"),
              "s.yaml:6: unknown key \"explorer\" in the start step (known keys: explorers, inspectors, addin)");
    EXPECT_EQ(RefusalOf("  - start: {}\n    promts: []\n"),
              "s.yaml:7: unknown key \"promts\" in step 1 (known keys: start, prompts, opens, note)");
    EXPECT_EQ(RefusalOf("  - clock: {advance: soon}\n"),
              "s.yaml:6: the time the clock advances must be a span such as \"90s\", \"2m\" or \"1d 2h 30m\", not "
              "\"soon\"");
    EXPECT_EQ(
        RefusalOf("  - start: {}\n    prompts:\n      - message_box: {answer: maybe}\n"),
        "s.yaml:8: the answer to a message box must be ok, cancel, abort, retry, ignore, yes or no, not \"maybe\"");
    EXPECT_EQ(RefusalOf("  - start: {}\n    prompts:\n      - form: {name: frmX, actions: [{clik: cmdOK}]}\n"),
              "s.yaml:8: unknown form action \"clik\" (known: type, tick, untick, choose, select, tick_rows, "
              "untick_rows, double_click, click_column, select_tab, click, press, hover, fire_timer, close, expect)");
}

TEST(ScenarioParsing, AStepHasExactlyOneAction) {
    EXPECT_EQ(RefusalOf("  - note: nothing\n").substr(0, 51), "s.yaml:6: step 1 needs exactly one action (start, c");
    EXPECT_NE(RefusalOf("  - {start: {}, quit: {}}\n").find("found start and quit"), std::string::npos);
    EXPECT_EQ(RefusalOf("  - expect: {}\n    prompts: []\n"), "s.yaml:7: the expect step raises no prompt");
}

TEST(ScenarioParsing, RefusesItemsNoProfileOrEarlierStepDefines) {
    EXPECT_EQ(RefusalOf("  - send: r1\n"),
              "s.yaml:6: step 1 (send) names item \"r1\", which neither the profile nor an earlier step defines");
    EXPECT_EQ(RefusalOf("  - expect: {items: {r1: {exists: false}}}\n  - reply: {as: r1}\n"),
              "s.yaml:6: item \"r1\" is defined neither by the profile nor by an earlier step");
    EXPECT_EQ(RefusalOf("  - reply: {as: m1}\n"), "s.yaml:6: the id \"m1\" is already taken by another item");
    EXPECT_EQ(RefusalOf("  - reply: {as: r1}\n  - send: r1\n"), "accepted");
}

TEST(ScenarioParsing, RefusesProgramSendsChosenRepliesAndDialogExpectationsThatDoNotFit) {
    EXPECT_EQ(RefusalOf("  - send_from_program: {to: [a@b.example]}\n"),
              "s.yaml:6: send_from_program sends an existing message, {item: id}, or a new mail the program writes, "
              "named by as: {as: id, to: [...], subject: ...}");
    EXPECT_EQ(RefusalOf(
                  "  - send_from_program: {as: p1, to: [a@b.example]}\n  - expect: {items: {p1: {sent: true}}}\n"),
              "accepted");
    EXPECT_EQ(RefusalOf("  - reply: {item: m1, selected: m1}\n"),
              "s.yaml:6: reply acts in the window of item or on a selected item of the explorer, not both");
    EXPECT_EQ(RefusalOf("  - reply_all: {selected: r9}\n"),
              "s.yaml:6: step 1 (reply_all) names item \"r9\", which neither the profile nor an earlier step defines");
    EXPECT_EQ(RefusalOf("  - hold: {now: true}\n"),
              "s.yaml:6: unknown key \"now\" in the hold step (it takes no keys)");
    const std::string form = "  - start: {}\n    prompts:\n      - form: {name: frmX, actions: [";
    EXPECT_EQ(RefusalOf(form + "{expect: {cmdOK: {enabld: false}}}]}\n"),
              "s.yaml:8: unknown key \"enabld\" in the expectations on cmdOK (known keys: enabled, visible, focus, "
              "text, selected_text, caption, color, ticked, chosen, items, selected, ticked_rows)");
    EXPECT_EQ(RefusalOf(form + "{expect: {chkAuto: {ticked: maybe}}}]}\n"),
              "s.yaml:8: ticked of chkAuto must be false, true, greyed, no or yes, not \"maybe\"");
    EXPECT_EQ(RefusalOf(form + "{expect: {}}]}\n"),
              "s.yaml:8: the expect action names the controls checked, as {cmdOK: {enabled: false}}");
}

TEST(ScenarioParsing, AProfileByPathIsReadFromTheScenariosFolder) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir / "profiles");
    testing::writeAll(dir / "profiles" / "p.yaml", "folders:\n  Inbox: [{id: m1}]\n");
    testing::writeAll(dir / "ok.yaml", "name: t\nprofile: profiles/p.yaml\nsteps:\n  - open: m1\n");
    EXPECT_EQ(LoadScenarioFile(dir / "ok.yaml").front().profile.folders.size(), 1u);

    testing::writeAll(dir / "profiles" / "bad.yaml", "folders:\n  Inbox: [{id: m1, sent: yes}]\n");
    testing::writeAll(dir / "bad.yaml", "name: t\nprofile: profiles/bad.yaml\nsteps: []\n");
    try {
        LoadScenarioFile(dir / "bad.yaml");
        FAIL() << "accepted";
    } catch (const profile::FormatError& e) {
        EXPECT_EQ(e.where().file, (dir / "profiles" / "bad.yaml").string());
        EXPECT_EQ(e.where().line, 2);
    }
    testing::writeAll(dir / "missing.yaml", "name: t\nprofile: profiles/none.yaml\nsteps: []\n");
    try {
        LoadScenarioFile(dir / "missing.yaml");
        FAIL() << "accepted";
    } catch (const profile::FormatError& e) {
        EXPECT_EQ(e.where().line, 2);
        EXPECT_NE(std::string(e.what()).find("profiles/none.yaml: cannot read the file"), std::string::npos)
            << e.what();
    }
}

TEST(ScenarioParsing, EveryDocumentOfAFileIsAScenario) {
    auto s = ParseScenarios("name: a\nsteps: []\n---\nname: b\nsteps: []\n", "s.yaml");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].name, "b");
    EXPECT_EQ(s[1].at.line, 4);
    EXPECT_THROW(ParseScenarios("# nothing\n", "s.yaml"), profile::FormatError);
}

}  // namespace
}  // namespace corvane::scenario
