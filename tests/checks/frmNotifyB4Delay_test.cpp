// frmNotifyB4Delay: what it says is delayed, the decision each button leaves, the box
// that stops the question, and the window's X that still delays.
#include <gtest/gtest.h>

#include "corvane/checks/frmNotifyB4Delay.h"
#include "corvane/settings/setting_keys.h"
#include "dialog_test_support.h"
#include "settings/settings_fixture.h"

namespace corvane::testing {
namespace {

using checks::frmNotifyB4Delay;
namespace act = simhost::action;
using settings::keys::NotifyBeforeDelaying;

class frmNotifyB4DelayTest : public ::testing::Test {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        ui.addStep(formStep("frmNotifyB4Delay", std::move(actions)));
        frm.setDelayStatus(1, 60, "");
        frm.show(ui);
        ui.finish();
    }
    SettingsFixture settings;
    simhost::ScriptedUi ui;
    frmNotifyB4Delay frm{ui, settings.store, kTitle};
};

TEST_F(frmNotifyB4DelayTest, RendersTheDelayOfEveryMessage) {
    frm.setDelayStatus(1, 60, "");
    EXPECT_EQ(rendered(frm),
              "form frmNotifyB4Delay \"Delay emails - Corvane\"\n"
              "  label Label1 \"Your Corvane setting is set to automatically delay\"\n"
              "  label lblDelayStatus \"all e-mails by 60 seconds\"\n"
              "  label Label3 \"Do you want to delay this e-mail?\"\n"
              "  check chkNotifyB4Delaying [ ] \"Do not show this message again\"\n"
              "  button cmdYes \"&Yes\" (default)\n"
              "  button cmdNo \"&No\"\n");
    frm.setDelayStatus(0, 120, "boss@example.com");
    EXPECT_EQ(frm.lblDelayStatus.caption(), "e-mails to boss@example.com by 120 seconds");
}

TEST_F(frmNotifyB4DelayTest, YesDelaysNoDoesNotAndBothUnloadWithoutStoring) {
    run({act::Click{"cmdYes"}});
    EXPECT_TRUE(frm.delayDecision);
    EXPECT_FALSE(frm.isLoaded());
    run({act::Click{"cmdNo"}});
    EXPECT_FALSE(frm.delayDecision);
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_FALSE(settings.raw(NotifyBeforeDelaying));
}

TEST_F(frmNotifyB4DelayTest, EitherButtonWithTheBoxTickedStopsTheQuestion) {
    run({act::Tick{"chkNotifyB4Delaying"}, act::Click{"cmdNo"}});
    EXPECT_EQ(settings.store.GetSetting(NotifyBeforeDelaying), "False");
    settings.put(NotifyBeforeDelaying, "True");
    run({act::Tick{"chkNotifyB4Delaying"}, act::PressKey{"chkNotifyB4Delaying", 13}});
    EXPECT_TRUE(frm.delayDecision);
    EXPECT_EQ(settings.store.GetSetting(NotifyBeforeDelaying), "False");
}

TEST_F(frmNotifyB4DelayTest, ClosingTheWindowDelaysAndStoresNothingEvenWithTheBoxTicked) {
    run({act::Click{"cmdNo"}});  // the decision of an earlier message
    run({act::Tick{"chkNotifyB4Delaying"}, act::Close{}});
    EXPECT_TRUE(frm.delayDecision);
    EXPECT_FALSE(settings.raw(NotifyBeforeDelaying));
}


}  // namespace
}  // namespace corvane::testing
