// Load, Show, Hide, QueryUnload and Unload, and the focus rules of a form.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/simhost/sim_ui.h"
#include "support/platform_error.h"
#include "test_forms.h"

namespace corvane::testing {
namespace {

using simhost::FormStep;
using simhost::MessageBoxStep;
using simhost::ScriptedUi;
namespace act = simhost::action;

TEST(FormUnload, PutsEveryControlBackToItsDesignState) {
    SubjectForm form;
    form.load();
    form.setCaption("changed");
    form.txtSubject.setText("Report");
    form.chkRemember.setValue(1);
    form.cmdOK.setEnabled(false);
    form.imgCorner.setVisible(false);
    EXPECT_TRUE(form.unload());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.caption(), "Empty Subject - Corvane");
    EXPECT_EQ(form.txtSubject.text(), "");
    EXPECT_EQ(form.chkRemember.value(), 0);
    EXPECT_TRUE(form.cmdOK.enabled());
    EXPECT_TRUE(form.imgCorner.visible());
    EXPECT_TRUE(form.cmdOK.isDefault());
    EXPECT_EQ(form.unloads, 1);
}

TEST(FormUnload, CancelledByQueryUnloadLeavesTheFormAsItIs) {
    SubjectForm form;
    form.load();
    form.txtSubject.setText("Report");
    form.refuseClose = true;
    EXPECT_FALSE(form.unload());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.txtSubject.text(), "Report");
    EXPECT_EQ(form.unloads, 0);
    EXPECT_EQ(form.queryModes, std::vector<ui::UnloadMode>{ui::UnloadMode::FormCode});
}

TEST(FormLoad, AFormThatNeverRanItsDesignRefusesToLoad) {
    class Forgetful : public ui::Form {
    public:
        Forgetful() : Form("frmForgetful") {}

    protected:
        void design() override {}
    } form;
    EXPECT_THROW(form.load(), std::logic_error);
}

TEST(FormShow, ReturnsWhenTheFormHidesAndKeepsWhatTheUserLeft) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Type{"txtSubject", "Report"}, act::Click{"cmdOK"}}}});
    SubjectForm form;
    form.load();
    form.show(ui);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.cancelled);
    EXPECT_EQ(form.txtSubject.text(), "Report");
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.activations, 1);
    ui.finish();
}

TEST(FormShow, ShowingAShownFormIsAProgrammingError) {
    ScriptedUi ui;
    SubjectForm form;
    form.load();
    form.showModeless(ui);
    EXPECT_THROW(form.show(ui), std::logic_error);
}

TEST(FormShow, TheFormUnderneathIsActivatedAgainWhenAModalFormOverItCloses) {
    class Parent : public ui::Form {
    public:
        ui::CommandButton cmdAdd{*this, "cmdAdd"};
        ui::CommandButton cmdClose{*this, "cmdClose"};
        SubjectForm child;
        int activations = 0;
        explicit Parent(platform::Ui& ui) : Form("frmParent") {
            cmdAdd.onClick = [this, &ui] {
                child.show(ui);
                child.unload();
            };
            cmdClose.onClick = [this] { unload(); };
            applyDesign();
        }

    protected:
        void design() override {}
        void onActivate() override { ++activations; }
    };
    ScriptedUi ui({FormStep{"frmParent", {}, {act::Click{"cmdAdd"}, act::Click{"cmdClose"}}},
                   FormStep{"frmSubject", {}, {act::Click{"cmdCancel"}}}});
    Parent parent(ui);
    parent.show(ui);
    EXPECT_EQ(parent.activations, 2);
    EXPECT_FALSE(parent.isLoaded());
    ui.finish();
}

TEST(FormFocus, ValidateThatCancelsKeepsTheFocusAndStopsTheClick) {
    ScriptedUi ui({FormStep{"frmDelay",
                            {},
                            {act::Type{"txtDelayTime", "2.5"}, act::Click{"cmdNext"}, act::Type{"txtDelayTime", "30"},
                             act::Click{"cmdNext"}, act::Click{"cmdHelp"}}},
                   MessageBoxStep{"Invalid time - Corvane", {}, {}, 64, 1}});
    DelayForm form(ui);
    form.show(ui);
    EXPECT_EQ(form.validations, 2);
    EXPECT_EQ(form.nextClicks, 1);
    ui.finish();
    const auto& t = ui.transcript();
    EXPECT_NE(std::find(t.begin(), t.end(), "  (Validate kept the focus in txtDelayTime)"), t.end());
}

TEST(FormFocus, ControlsThatDoNotCauseValidationTakeTheFocusUnchecked) {
    ScriptedUi ui({FormStep{"frmDelay", {}, {act::Type{"txtDelayTime", "soon"}, act::Click{"cmdHelp"}}}});
    DelayForm form(ui);
    form.show(ui);
    EXPECT_EQ(form.validations, 0);
    EXPECT_FALSE(form.isLoaded());
    ui.finish();
}

TEST(FormFocus, ValidateKeepingTheFocusSelectsTheField) {
    ScriptedUi ui({MessageBoxStep{{}, {}, {}, {}, 1}});
    DelayForm form(ui);
    form.load();
    form.txtDelayTime.setText("-5");
    form.txtDelayTime.setFocus();
    EXPECT_FALSE(form.userMoveFocus(form.txtOther));
    EXPECT_TRUE(form.txtDelayTime.hasFocus());
    EXPECT_EQ(form.txtDelayTime.selText(), "-5");
}

TEST(FormKeys, TabValidatesAndMovesOnPastControlsTheUserCannotReach) {
    ScriptedUi ui({MessageBoxStep{{}, {}, {}, {}, 1}});
    DelayForm form(ui);
    form.load();
    form.txtOther.setEnabled(false);
    form.txtDelayTime.setFocus();
    form.txtDelayTime.setText("x");
    EXPECT_FALSE(form.userPressKey(form.txtDelayTime, 9));
    EXPECT_TRUE(form.txtDelayTime.hasFocus());
    form.txtDelayTime.setText("30");
    EXPECT_TRUE(form.userPressKey(form.txtDelayTime, 9));
    EXPECT_TRUE(form.cmdNext.hasFocus());
    form.userPressKey(form.cmdHelp, 9);  // wraps round to the first
    EXPECT_TRUE(form.txtDelayTime.hasFocus());
    EXPECT_EQ(form.nextClicks, 0);
}

TEST(FormFocus, SetFocusOnADisabledControlFailsLikeThePlatform) {
    SubjectForm form;
    form.load();
    form.txtSubject.setEnabled(false);
    EXPECT_THAT([&] { form.txtSubject.setFocus(); }, FailsWith(5));
}

TEST(FormKeys, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    SubjectForm form;
    form.load();
    form.txtSubject.setFocus();
    form.userPressKey(form.txtSubject, 13);
    EXPECT_FALSE(form.cancelled);
    form.userPressKey(form.txtSubject, 27);
    EXPECT_TRUE(form.cancelled);
}

TEST(FormKeys, OtherKeysReachKeyPress) {
    SubjectForm form;
    form.load();
    form.cmdOK.setDefault(false);
    int seen = 0;
    form.txtSubject.onKeyPress = [&](int& key) { seen = key; };
    form.userPressKey(form.txtSubject, 13);
    EXPECT_EQ(seen, 13);
    EXPECT_TRUE(form.cancelled);  // no default button to press
}

TEST(TabStripSelection, SelectingAnotherTabRaisesClickAndRemovingKeepsAPlace) {
    class Tabs : public ui::Form {
    public:
        ui::TabStrip TabStripWizard{*this, "TabStripWizard"};
        int clicks = 0;
        Tabs() : Form("frmTabs") {
            TabStripWizard.onClick = [this] { ++clicks; };
            applyDesign();
        }

    protected:
        void design() override {
            for (const char* c : {"Introduction", "Reply Vane", "Subject Vane"}) TabStripWizard.addTab(c);
        }
    } form;
    EXPECT_EQ(form.TabStripWizard.selectedIndex(), 1);
    form.TabStripWizard.removeTab(1);
    EXPECT_EQ(form.TabStripWizard.selectedTab()->caption(), "Reply Vane");
    EXPECT_EQ(form.clicks, 0);
    form.TabStripWizard.select(2);
    form.TabStripWizard.select(2);
    EXPECT_EQ(form.clicks, 1);
    form.TabStripWizard.removeTab(2);
    EXPECT_EQ(form.TabStripWizard.selectedIndex(), 1);
}

TEST(TimerEvents, FireOnlyWhileEnabledWithAnInterval) {
    class Timed : public ui::Form {
    public:
        ui::Timer tmrLimit{*this, "tmrLimit"};
        int ticks = 0;
        Timed() : Form("frmTimed") {
            tmrLimit.onTimer = [this] { ++ticks; };
            applyDesign();
        }

    protected:
        void design() override {}
    } form;
    EXPECT_FALSE(form.tmrLimit.fire());
    form.tmrLimit.setInterval(60000);
    EXPECT_TRUE(form.tmrLimit.fire());
    form.tmrLimit.setEnabled(false);
    EXPECT_FALSE(form.tmrLimit.fire());
    EXPECT_EQ(form.ticks, 1);
}

TEST(TextBoxSelection, CountsCharactersNotBytes) {
    SubjectForm form;
    form.txtSubject.setText("Grüße");
    form.txtSubject.setSelStart(2);
    form.txtSubject.setSelLength(10);
    EXPECT_EQ(form.txtSubject.selLength(), 3);
    EXPECT_EQ(form.txtSubject.selText(), "üße");
}

}  // namespace
}  // namespace corvane::testing
