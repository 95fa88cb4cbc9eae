// The user's edits, windows and menus, and the facts expectations compare.
#include <gtest/gtest.h>

#include "corvane/scenario/run_state.h"
#include "runner_fixture.h"

namespace corvane::testing {
namespace {

using Outcome = scenario::ScenarioResult::Outcome;

TEST(ScenarioSteps, EditsChangeRecipientsAttachmentsAndUserProperties) {
    auto r = RunText(std::string(Base) + R"(steps:
  - start: {addin: false}
  - new_mail:
      as: n1
      to: [Ann Lee, "Bob <bob@example.org>"]
      cc: [me@example.com]
      attachments: [a.txt, {name: b.png, content_id: b1}]
      user_properties: {Flag: "1", Other: "2"}
      deferred_delivery: 2026-03-03 08:00:00
  - edit:
      item: n1
      remove_recipients: ["#2"]
      add: {bcc: [ann@example.com]}
      remove_attachments: [A.TXT]
      user_properties: {Other: ~}
      deferred_delivery: none
  - expect:
      items:
        n1:
          recipients: [{to: Ann Lee}, {cc: "Me <me@example.com>"}, {bcc: ann@example.com}]
          to: Ann Lee
          attachments: [b.png]
          user_properties: {Flag: "1", Other: ~}
          deferred_delivery: none
)",
                     false);
    EXPECT_EQ(r.outcome, Outcome::Held) << Joined(r);
}

TEST(ScenarioSteps, AsNamesTheWindowTheAddinOpensInPlaceOfACancelledResponse) {
    auto replaced = RunText(std::string(Base) + R"(registry:
  HKCU: {'Software\TestAddin': {ReplyInstead: all}}
steps:
  - start: {}
  - select: [m1]
  - reply: {as: r1}
  - expect:
      items: {r1: {open: true, subject: "RE: Plans"}}
)");
    EXPECT_EQ(replaced.outcome, Outcome::Held) << Joined(replaced);
    EXPECT_NE(Joined(replaced).find("  -> the reply was cancelled\n  -> r1 \"RE: Plans\" opens in a window\n"),
              std::string::npos)
        << Joined(replaced);

    auto refused = RunText(std::string(Base) + R"(registry:
  HKCU: {'Software\TestAddin': {ReplyInstead: none}}
steps:
  - start: {}
  - select: [m1]
  - reply: {as: r1}
  - expect:
      items: {r1: {exists: false}}
  - send: r1
)");
    EXPECT_EQ(refused.message, "step 5 (send, s.yaml:20): there is no item r1: the reply of step 3 was cancelled");
}

TEST(ScenarioSteps, AMenuItemOrRibbonControlThatIsNotThereFails) {
    auto menu = RunText(
        std::string(Base) + "steps:\n  - start: {addin: false}\n  - menu: Brackenfold/Corvane/Settings\n", false);
    EXPECT_EQ(menu.message,
              "step 2 (menu, s.yaml:14): the menu bar has no enabled item \"Brackenfold/Corvane/Settings\"");
    auto ribbon = RunText(std::string(Base) + "steps:\n  - start: {}\n  - ribbon: btnNone\n");
    EXPECT_EQ(ribbon.message,
              "step 2 (ribbon, s.yaml:14): no ribbon Outlook has loaded has a control \"btnNone\" with an action");
}

TEST(ScenarioSteps, ARecipientOutlookCannotResolveRefusesTheSend) {
    auto r = RunText(std::string(Base) + R"(steps:
  - start: {addin: false}
  - new_mail: {as: n1, to: [Nobody Known]}
  - send: {item: n1, outcome: refused}
  - expect:
      items: {n1: {open: true, recipients: [Nobody Known]}}
)",
                     false);
    EXPECT_EQ(r.outcome, Outcome::Held) << Joined(r);
    EXPECT_NE(Joined(r).find("  -> Outlook refuses to send: \"Outlook does not recognize one or more names. \"\n"),
              std::string::npos)
        << Joined(r);
}

TEST(ScenarioExpectations, EveryFactIsShownAndEveryDifferenceCounted) {
    auto r = RunText(std::string(Base) + R"(registry:
  HKCU: {'Software\X': {N: {dword: 5}, S: text}}
addin_files: {Tags.txt: "RE: "}
steps:
  - expect:
      registry:
        HKCU:
          'Software\X': {N: {dword: 6}, S: text, Gone: ~}
          'Software\Y': ~
      addin_files: {Tags.txt: "RE: ", Corvane.dot: "x"}
      sent: [{subject: Plans}]
      items:
        m1: {recipients: [{cc: Me}], user_properties: {Flag: "1"}}
)",
                     false);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    const std::string t = Joined(r);
    EXPECT_NE(t.find("  NOT registry HKCU\\Software\\X\\N dword 5, expected dword 6 (line 19)\n"), std::string::npos)
        << t;
    EXPECT_NE(t.find("  ok registry HKCU\\Software\\X\\S \"text\"\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  ok registry HKCU\\Software\\X\\Gone missing\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  ok registry key HKCU\\Software\\Y exists no\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  NOT file C:\\Program Files\\Kelderon\\Corvane\\Corvane.dot exists no, expected yes"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("  NOT messages sent 0, expected 1"), std::string::npos) << t;
    EXPECT_NE(t.find("  NOT item m1 recipients [Me <me@example.com> (to)], expected [Me (cc)]"), std::string::npos)
        << t;
    EXPECT_NE(t.find("  NOT item m1 user property \"Flag\" absent, expected \"1\""), std::string::npos) << t;
    EXPECT_NE(r.message.find("(and 4 more, see above)"), std::string::npos) << r.message;
}

TEST(ScenarioExpectations, PromptNumbersCountFromTheStepsFirstPrompt) {
    EXPECT_EQ(scenario::PromptMessage("step 5 of the script does not match x; step 6, form f", 3),
              "prompt 2 does not match x; prompt 3, form f");
    EXPECT_EQ(scenario::PromptMessage("unexpected beep: the script has no more steps", 0),
              "unexpected beep: the step scripts no further prompt");
}

}  // namespace
}  // namespace corvane::testing
