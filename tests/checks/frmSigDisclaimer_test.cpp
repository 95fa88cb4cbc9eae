// frmSigDisclaimer: loads the refinements, enables each text with its box, refuses a
// ticked box with a blank text, stores on Save and nothing on Cancel or the window's X.
#include "corvane/checks/frmSigDisclaimer.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;
namespace keys = settings::keys;

class frmSigDisclaimerTest : public WorldTest {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        expectForm("frmSigDisclaimer", std::move(actions));
        frm.show(ui());
    }
    checks::frmSigDisclaimer frm{ui(), settings::SettingStore(host().registry()), "Corvane"};
};

TEST_F(frmSigDisclaimerTest, LoadsTheSettingsAndEachTextFollowsItsBox) {
    set(keys::IgnoreText, "True");
    set(keys::IgnoreTextValue, "Kind regards\r\nJo");
    set(keys::IgnoreAttachValue, "card.vcf");
    frm.load();
    EXPECT_EQ(frm.chkIgnoreText.value(), corvane::ui::CheckBox::Checked);
    EXPECT_EQ(frm.txtSigDisclaimer.text(), "Kind regards\r\nJo");
    EXPECT_EQ(frm.txtIgnoreAttach.text(), "card.vcf");
    EXPECT_FALSE(frm.txtIgnoreAttach.enabled() || frm.lblAttachContent.enabled());
    frm.chkIgnoreAttach.userSetTicked(true);
    EXPECT_TRUE(frm.txtIgnoreAttach.enabled() && frm.lblAttachContent.enabled());
    frm.chkIgnoreText.userSetTicked(false);
    EXPECT_FALSE(frm.txtSigDisclaimer.enabled() || frm.lblTextContent.enabled());
}

TEST_F(frmSigDisclaimerTest, SaveRefusesBlankTextsOneAtATimeThenStoresTrimmedAndUnloads) {
    expectForm("frmSigDisclaimer",
               {act::Tick{"chkIgnoreText"}, act::Tick{"chkIgnoreAttach"}, act::Type{"txtSigDisclaimer", "  "},
                act::Click{"cmdSave"}, act::Type{"txtSigDisclaimer", " Jo\r\nenclosed: none "}, act::Click{"cmdSave"},
                act::Type{"txtIgnoreAttach", " card.vcf;logo.png "}, act::Click{"cmdSave"}});
    expectBox("Ignore text missing - Corvane",
              "No text entered.\r\n\r\nPlease enter the text you want attachment vane to ignore.", 64);
    expectBox("Attachment name missing - Corvane",
              "Attachment name is missing.\r\n\r\nPlease enter the name of the attachment you want attachment vane "
              "to ignore.",
              64);
    frm.show(ui());
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(setting(keys::IgnoreText), "True");
    EXPECT_EQ(setting(keys::IgnoreTextValue), "Jo\r\nenclosed: none");
    EXPECT_EQ(setting(keys::IgnoreAttach), "True");
    EXPECT_EQ(setting(keys::IgnoreAttachValue), "card.vcf;logo.png");
}

TEST_F(frmSigDisclaimerTest, ClearBoxesSaveFalseWhateverTheirTexts) {
    set(keys::IgnoreText, "True");
    run({act::Tick{"chkIgnoreText", false}, act::Click{"cmdSave"}});  // its text is blank
    EXPECT_EQ(setting(keys::IgnoreText), "False");
    EXPECT_EQ(setting(keys::IgnoreAttach), "False");
}

TEST_F(frmSigDisclaimerTest, CancelEscapeAndTheWindowsXStoreNothing) {
    for (const simhost::FormAction& leave :
         std::vector<simhost::FormAction>{act::Click{"cmdCancel"}, act::PressKey{"chkIgnoreText", 27}, act::Close{}})
        run({act::Tick{"chkIgnoreText"}, act::Type{"txtSigDisclaimer", "Jo"}, leave});
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(host().registry().find(platform::Hive::CurrentUser, settings::UserSettingsPath), nullptr);
}

TEST_F(frmSigDisclaimerTest, ARefusedSaveIsReportedAndKeepsTheFormOpen) {
    host().registry().failOpen(platform::Hive::CurrentUser, std::string(settings::UserSettingsPath));
    expectForm("frmSigDisclaimer", {act::Click{"cmdSave"}, act::Click{"cmdCancel"}});
    expectBox("frmSigDisclaimer.cmdSave_Click - Corvane", "Error -2147024891: Access is denied.", 16);
    frm.show(ui());
}

}  // namespace
}  // namespace corvane::testing
