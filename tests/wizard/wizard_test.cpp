// The settings command's mode of the wizard (no scenario reaches that command yet) and
// what Finish does with an option pair of which neither button is chosen.
#include <gtest/gtest.h>

#include "corvane/settings/setting_keys.h"
#include "corvane/wizard/frmIntroWizard.h"
#include "corvane/wizard/wizard.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;
namespace keys = settings::keys;

class SettingsWizard : public WorldTest {};

TEST_F(SettingsWizard, SettingsModeHasOkAndExportInsteadOfBackAndNext) {
    set(keys::ShowStartupWizard, "False");
    act::ControlState tabs{.control = "TabStripWizard",
                           .items = std::vector<std::string>{"Reply Vane", "Subject Vane", "Attachment Vane",
                                                             "Account Vane", "Send Confirm", "Delay Vane",
                                                             "My Email Accounts"},
                           .selected = std::vector<std::string>{"Reply Vane"}};
    expectForm("frmIntroWizard",
               {act::Expect{{tabs,
                             {.control = "lblTabTitle", .caption = "REPLY VANE SETTINGS"},
                             {.control = "cmdNav(2)", .enabled = false, .visible = false},
                             {.control = "cmdNav(3)", .enabled = true, .visible = false},
                             {.control = "cmdNav(4)", .visible = true, .caption = "OK"},
                             {.control = "cmdSaveSettings", .visible = true},
                             {.control = "ShowTabs", .visible = false}}},
                act::SelectTab{"TabStripWizard", "My Email Accounts"},
                act::Expect{{{.control = "cmdNav(2)", .enabled = true}, {.control = "cmdNav(3)", .enabled = false}}},
                act::Click{"cmdNav(1)"}});
    wizard::Wizard().ShowSettings(process());
    EXPECT_EQ(setting(keys::ReplyMultiple), "<missing>");
}

TEST_F(SettingsWizard, SettingsModeMovesCancelToFinishAndOkBesideNext) {
    wizard::frmIntroWizard frm(process());
    frm.load();
    const int finishLeft = frm.cmdNav[wizard::nav::Finish].left();
    frm.ApplySettingsMode();
    EXPECT_EQ(frm.cmdNav[wizard::nav::Cancel].left(), finishLeft);
    EXPECT_EQ(frm.cmdNav[wizard::nav::Finish].left(), frm.cmdNav[wizard::nav::Next].left() + 300);
    frm.unload();
}

TEST_F(SettingsWizard, AnOptionPairWithNeitherChosenStoresNothing) {
    wizard::frmIntroWizard frm(process());
    frm.load();
    frm.optNoConfirmation.setValue(false);
    frm.optAutoDelay.setValue(false);
    frm.cmdNav[wizard::nav::Finish].click();
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(setting(keys::DisplayConfirmation), "<missing>");
    EXPECT_EQ(setting(keys::AutoDelayAll), "<missing>");
    EXPECT_EQ(setting(keys::MsgAddAddress), "0");
}

}  // namespace
}  // namespace corvane::testing
