// frmNotifyB4Delay: what it says is delayed, the decision each button leaves, the box
// that stops the question, and the window's X that still delays.
#include "corvane/checks/frmNotifyB4Delay.h"
#include "corvane/settings/setting_keys.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;
using settings::keys::NotifyBeforeDelaying;

class frmNotifyB4DelayTest : public WorldTest {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        expectForm("frmNotifyB4Delay", std::move(actions));
        frm.setDelayStatus(1, 60, "");
        frm.show(ui());
    }
    checks::frmNotifyB4Delay frm{ui(), settings::SettingStore(host().registry()), "Corvane"};
};

TEST_F(frmNotifyB4DelayTest, SaysWhatIsDelayed) {
    frm.setDelayStatus(1, 60, "");
    EXPECT_EQ(frm.lblDelayStatus.caption(), "all e-mails by 60 seconds");
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
    EXPECT_EQ(setting(NotifyBeforeDelaying), "<missing>");
}

TEST_F(frmNotifyB4DelayTest, EitherButtonWithTheBoxTickedStopsTheQuestion) {
    run({act::Tick{"chkNotifyB4Delaying"}, act::Click{"cmdNo"}});
    EXPECT_EQ(setting(NotifyBeforeDelaying), "False");
    set(NotifyBeforeDelaying, "True");
    run({act::Tick{"chkNotifyB4Delaying"}, act::PressKey{"chkNotifyB4Delaying", 13}});
    EXPECT_TRUE(frm.delayDecision);
    EXPECT_EQ(setting(NotifyBeforeDelaying), "False");
}

TEST_F(frmNotifyB4DelayTest, ClosingTheWindowDelaysAndStoresNothingEvenWithTheBoxTicked) {
    run({act::Click{"cmdNo"}});  // the decision of an earlier message
    run({act::Tick{"chkNotifyB4Delaying"}, act::Close{}});
    EXPECT_TRUE(frm.delayDecision);
    EXPECT_EQ(setting(NotifyBeforeDelaying), "<missing>");
}

}  // namespace
}  // namespace corvane::testing
