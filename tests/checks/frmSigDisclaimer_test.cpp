// frmSigDisclaimer: loads the refinements, enables each text with its box, refuses a
// ticked box with a blank text, stores on Save and nothing on Cancel or the window's X.
#include <gtest/gtest.h>

#include "corvane/checks/frmSigDisclaimer.h"
#include "corvane/settings/setting_keys.h"
#include "dialog_test_support.h"
#include "settings/settings_fixture.h"

namespace corvane::testing {
namespace {

using checks::frmSigDisclaimer;
namespace act = simhost::action;
namespace keys = settings::keys;

class frmSigDisclaimerTest : public ::testing::Test {
protected:
    void show(std::vector<simhost::FormAction> actions, std::vector<simhost::UiStep> boxes = {}) {
        ui.addStep(formStep("frmSigDisclaimer", std::move(actions)));
        for (auto& box : boxes) ui.addStep(std::move(box));
        frm.show(ui);
        ui.finish();
    }
    std::string stored(std::string_view key) { return settings.store.GetSetting(key, "(missing)"); }

    SettingsFixture settings;
    simhost::ScriptedUi ui;
    frmSigDisclaimer frm{ui, settings.store, kTitle};
};

TEST_F(frmSigDisclaimerTest, RendersBothSectionsFilledFromTheSettings) {
    settings.put(keys::IgnoreText, "True");
    settings.put(keys::IgnoreTextValue, "Kind regards\r\nJo");
    settings.put(keys::IgnoreAttachValue, "card.vcf");
    frm.load();
    EXPECT_EQ(rendered(frm),
              "form frmSigDisclaimer \"Attachment Vane Advance settings\"\n"
              "  label lblIgnoreText \"Ignore text\"\n"
              "  label Label1 \"Do you have a signature, disclaimer etc in your emails that has words in it that "
              "trigger attachment vane?\"\n"
              "  check chkIgnoreText [x] \"Ignore words if within special text block (Signatures, Disclaimers etc)\"\n"
              "  label lblTextContent \"Enter the full text of the signature, disclaimer etc here. Corvane will not "
              "look for keywords within that block of text in your emails.\"\n"
              "  text txtSigDisclaimer \"Kind regards\\nJo\"\n"
              "  label lblIgnoreAttach \"Ignore attachment\"\n"
              "  label Label5 \"Do you have a Business Card (vCard) etc in your emails that stops Attachment Vane "
              "from working i.e. Attachment vane thinks your vCard is your attachment?\"\n"
              "  check chkIgnoreAttach [ ] \"Ignore attachments with specific names\"\n"
              "  label lblAttachContent \"Enter the full name of the vCard, etc that you want attachment vane to "
              "ignore when scanning for the attachments: \" (disabled)\n"
              "  text txtIgnoreAttach \"card.vcf\" (disabled)\n"
              "  button cmdSave \"Save\" (default)\n"
              "  button cmdCancel \"Cancel\" (cancel)\n");
}

TEST_F(frmSigDisclaimerTest, EachTextAndItsLabelFollowItsBox) {
    frm.load();
    frm.chkIgnoreAttach.userSetTicked(true);
    EXPECT_TRUE(frm.txtIgnoreAttach.enabled() && frm.lblAttachContent.enabled());
    EXPECT_FALSE(frm.txtSigDisclaimer.enabled() || frm.lblTextContent.enabled());
    frm.chkIgnoreText.userSetTicked(true);
    frm.chkIgnoreAttach.userSetTicked(false);
    EXPECT_TRUE(frm.txtSigDisclaimer.enabled() && frm.lblTextContent.enabled());
    EXPECT_FALSE(frm.txtIgnoreAttach.enabled() || frm.lblAttachContent.enabled());
}

TEST_F(frmSigDisclaimerTest, SaveRefusesBlankTextsOneAtATimeThenStoresTrimmedAndUnloads) {
    show({act::Tick{"chkIgnoreText"}, act::Tick{"chkIgnoreAttach"}, act::Type{"txtSigDisclaimer", "  "},
          act::Click{"cmdSave"}, act::Type{"txtSigDisclaimer", " Jo\r\nenclosed: none "}, act::Click{"cmdSave"},
          act::Type{"txtIgnoreAttach", " card.vcf;logo.png "}, act::Click{"cmdSave"}},
         {boxStep("Ignore text missing - Corvane",
                  "No text entered.\r\n\r\nPlease enter the text you want attachment vane to ignore.", 64),
          boxStep("Attachment name missing - Corvane",
                  "Attachment name is missing.\r\n\r\nPlease enter the name of the attachment you want attachment "
                  "vane to ignore.",
                  64)});
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(stored(keys::IgnoreText), "True");
    EXPECT_EQ(stored(keys::IgnoreTextValue), "Jo\r\nenclosed: none");
    EXPECT_EQ(stored(keys::IgnoreAttach), "True");
    EXPECT_EQ(stored(keys::IgnoreAttachValue), "card.vcf;logo.png");
}

TEST_F(frmSigDisclaimerTest, ClearBoxesSaveFalseWhateverTheirTexts) {
    settings.put(keys::IgnoreText, "True");
    show({act::Tick{"chkIgnoreText", false}, act::Click{"cmdSave"}});  // its text is blank
    EXPECT_EQ(stored(keys::IgnoreText), "False");
    EXPECT_EQ(stored(keys::IgnoreAttach), "False");
}

TEST_F(frmSigDisclaimerTest, CancelEscapeAndTheWindowsXStoreNothing) {
    for (const simhost::FormAction& leave :
         std::vector<simhost::FormAction>{act::Click{"cmdCancel"}, act::PressKey{"chkIgnoreText", 27}, act::Close{}})
        show({act::Tick{"chkIgnoreText"}, act::Type{"txtSigDisclaimer", "Jo"}, leave});
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(settings.reg.find(platform::Hive::CurrentUser, settings::UserSettingsPath), nullptr);
}

TEST(frmSigDisclaimer, ARefusedSaveIsReportedAndKeepsTheFormOpen) {
    RefusingRegistry registry;
    simhost::ScriptedUi ui({formStep("frmSigDisclaimer", {act::Click{"cmdSave"}, act::Click{"cmdCancel"}}),
                        boxStep("frmSigDisclaimer.cmdSave_Click - Corvane", "Error 5: Access is denied.", 16)});
    frmSigDisclaimer frm(ui, settings::SettingStore(registry), kTitle);
    frm.show(ui);
    ui.finish();
}

}  // namespace
}  // namespace corvane::testing
