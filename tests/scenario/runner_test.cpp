// Running scenarios: prompts answered in order, everything the user saw in the
// transcript, and every way a scenario can fail named with its step.
#include <gtest/gtest.h>

#include "runner_fixture.h"
#include "support/temp_dir.h"

namespace corvane::testing {
namespace {

using Outcome = scenario::ScenarioResult::Outcome;

TEST(ScenarioRun, TheTranscriptIsTheSameOnEveryRunAndNamesNoRealPath) {
    const std::string text = std::string(Base) + R"(steps:
  - start: {}
  - ribbon: btnAsk
    prompts:
      - form: {name: frmAsk, actions: [{type: {txtName: Pat}}, {click: cmdOK}]}
  - ribbon: btnHelp
  - ribbon: btnPage
  - ribbon: btnBeep
  - http: {status: 200, body: "<FREEVERSION>2a0a1</FREEVERSION>", url_contains: "version=1.0.0"}
  - ribbon: btnUpdate
    prompts:
      - message_box: {title: "Update - Test", answer: ok}
  - expect:
      registry: {HKCU: {'Software\TestAddin': {Name: Pat}}}
      transcript_contains: ['help "C:\\Program Files\\Kelderon\\Corvane\\Test.chm" topic', beep]
)";
    auto first = RunText(text);
    auto second = RunText(text);
    ASSERT_EQ(first.outcome, Outcome::Held) << Joined(first);
    EXPECT_EQ(Joined(first), Joined(second));
    const std::string t = Joined(first);
    EXPECT_EQ(t.find("/tmp"), std::string::npos) << t;
    EXPECT_NE(t.find("  form frmAsk \"Your name - Test\" shown\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  > type txtName \"Pat\"\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  form frmAsk \"Your name - Test\" hidden\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  open \"https://www.kelderon.example/\"\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  http GET \"https://updates.kelderon.example/v?version=1.0.0\" -> 200 (32 bytes)\n"),
              std::string::npos)
        << t;
}

TEST(ScenarioRun, AnUnexpectedPromptFailsNamingTheStepAndThePrompt) {
    auto r = RunText(std::string(Base) + R"(registry:
  HKCU: {'Software\TestAddin': {GreetAtStart: "yes"}}
steps:
  - start: {}
)");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(
        r.message,
        "step 1 (start, s.yaml:15): unexpected message box \"Hello - Test\" with text \"Welcome.\" (buttons 64): "
        "the step scripts no further prompt");
}

TEST(ScenarioRun, AnExpectedPromptThatNeverComesFails) {
    auto r = RunText(std::string(Base) + R"(steps:
  - start: {}
  - ribbon: btnBeep
    prompts:
      - message_box: {title: "Confirm - Test", answer: yes}
      - form: {name: frmAsk, actions: [close]}
)");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.message,
              "step 2 (ribbon, s.yaml:14): prompt 1 expects message box titled \"Confirm - Test\", but no "
              "more prompts came");
}

TEST(ScenarioRun, APromptThatDiffersFromItsScriptFailsWithBoth) {
    auto r = RunText(std::string(Base) + R"(registry:
  HKCU: {'Software\TestAddin': {GreetAtStart: "yes"}}
steps:
  - start: {}
    prompts:
      - message_box: {title: "Hello - Test", answer: ok}
  - new_mail: {as: n1, to: [Ann Lee]}
  - registry: {HKCU: {'Software\TestAddin': {Confirm: "yes"}}}
  - send: n1
    prompts:
      - message_box: {title: "Confirm - Test", answer: ok}
)");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.message,
              "step 4 (send, s.yaml:20): prompt 1 answers OK to message box \"Confirm - "
              "Test\" with text \"Send it?\" (buttons 36), which offers Yes No, question");
}

TEST(ScenarioRun, AFailedExpectationNamesWhatDifferedAndWhere) {
    auto r = RunText(std::string(Base) + R"(steps:
  - expect:
      items:
        m1: {subject: Plans, unread: true}
      folders:
        Inbox/Old: {count: 0}
)");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.message,
              "step 1 (expect, s.yaml:13): item m1 unread is no, expected yes (s.yaml:15) (and 1 more, see above)");
    const std::string t = Joined(r);
    EXPECT_NE(t.find("  ok item m1 subject \"Plans\"\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  NOT folder \"Inbox/Old\" exists no, expected yes (line 17)\n"), std::string::npos) << t;
}

TEST(ScenarioRun, HttpRequestsMustBeScriptedAndScriptedRepliesUsed) {
    auto unscripted = RunText(std::string(Base) + R"(steps:
  - start: {}
  - ribbon: btnUpdate
    prompts:
      - message_box: {text: "No connection.", answer: ok}
)");
    EXPECT_EQ(unscripted.outcome, Outcome::Failed);
    EXPECT_EQ(unscripted.message,
              "step 2 (ribbon, s.yaml:14): unexpected HTTP request GET "
              "\"https://updates.kelderon.example/v?version=1.0.0\": no reply is scripted");
    auto unused = RunText(std::string(Base) + "steps:\n  - http: {unreachable: true}\n");
    EXPECT_EQ(unused.message, "at the end: 1 scripted HTTP reply was never requested");
}

TEST(ScenarioRun, AScenarioThatLoadsTheAddinIsSkippedWhenNoneIsBuiltIn) {
    auto r = RunText(std::string(Base) + "steps:\n  - start: {}\n", false);
    EXPECT_EQ(r.outcome, Outcome::Skipped);
    auto without = RunText(std::string(Base) + "steps:\n  - start: {addin: false}\n", false);
    EXPECT_EQ(without.outcome, Outcome::Held) << Joined(without);
}

TEST(ScenarioRun, OpensNamesTheWindowAStepOpened) {
    auto r = RunText(std::string(Base) + R"(steps:
  - start: {}
  - ribbon: btnCompose
    opens: s1
  - edit: {item: s1, to: [ann@example.com]}
  - expect:
      items: {s1: {subject: Support request, to: Ann Lee, open: true}}
  - close: s1
  - expect:
      outlook: {inspectors: 0, addin_connected: true}
)");
    EXPECT_EQ(r.outcome, Outcome::Held) << Joined(r);
}

TEST(ScenarioRun, QuitClosesEveryWindowAndStartRunsOutlookAgain) {
    auto r = RunText(std::string(Base) + R"(steps:
  - start: {inspectors: [m1]}
  - quit: {}
  - expect:
      outlook: {running: false, addin_connected: false, explorers: 0, inspectors: 0}
  - start: {explorers: 0}
  - expect:
      outlook: {running: true, addin_connected: true, explorers: 0}
)");
    EXPECT_EQ(r.outcome, Outcome::Held) << Joined(r);
    EXPECT_EQ(r.transcript[r.transcript.size() - 2], "end: Outlook quits");
}

TEST(ScenarioRun, StepsThatCannotBeDoneFailWithTheirReason) {
    auto r = RunText(std::string(Base) + "steps:\n  - select: [m1]\n");
    EXPECT_EQ(r.message, "step 1 (select, s.yaml:13): Outlook is not running (start it before an explorer)");
    auto moved = RunText(std::string(Base) + "steps:\n  - start: {}\n  - switch_folder: Drafts\n  - select: [m1]\n");
    EXPECT_EQ(moved.message,
              "step 3 (select, s.yaml:15): item m1 is in \"Inbox\", not in the explorer's folder "
              "\"Drafts\" (switch_folder first)");
}

TEST(ScenarioRun, TheProfileIsSavedAsItStandsAfterTheLastStep) {
    TempDir dir;
    auto scenarios = scenario::ParseScenarios(std::string(Base) + R"(steps:
  - start: {addin: false}
  - select: [m1]
  - forward: {as: f1}
  - edit: {item: f1, to: [ann@example.com]}
  - send: f1
)",
                                              "s.yaml");
    scenario::RunOptions options;
    options.saveProfile = [&](const profile::Profile& p) { profile::SaveProfileFile(p, dir / "after.yaml"); };
    ASSERT_EQ(scenario::RunScenario(scenarios.front(), options).outcome, Outcome::Held);
    const profile::Profile saved = profile::LoadProfileFile(dir / "after.yaml");
    ASSERT_EQ(saved.stores.size(), 1u);
    bool sentCopy = false;
    for (const auto& f : saved.stores[0].folders)
        for (const auto& i : f.items) sentCopy = sentCopy || (f.path == "Sent Items" && i.id == "f1");
    EXPECT_TRUE(sentCopy) << readAll(dir / "after.yaml");
}

}  // namespace
}  // namespace corvane::testing
