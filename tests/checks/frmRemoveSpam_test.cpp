// frmRemoveSpam: Yes accepts the proposed subject and, with the box ticked, stops asking;
// No, Escape and the window's X keep the old subject and store nothing.
#include <gtest/gtest.h>

#include "corvane/checks/frmRemoveSpam.h"
#include "corvane/settings/setting_keys.h"
#include "dialog_test_support.h"
#include "settings/settings_fixture.h"

namespace corvane::testing {
namespace {

using checks::frmRemoveSpam;
namespace act = simhost::action;
using settings::keys::AutoRemoveSpamWords;

class frmRemoveSpamTest : public ::testing::Test {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        ui.addStep(formStep("frmRemoveSpam", std::move(actions)));
        frm.fill("RE: [SPAM-LOW:] offer", "RE: [] offer");
        frm.show(ui);
        ui.finish();
    }
    SettingsFixture settings;
    simhost::ScriptedUi ui;
    frmRemoveSpam frm{ui, settings.store, kTitle};
};

TEST_F(frmRemoveSpamTest, RendersBothSubjectsTheOldOneReadOnly) {
    frm.fill("RE: [SPAM-LOW:] offer", "RE: [] offer");
    EXPECT_EQ(rendered(frm),
              "form frmRemoveSpam \"Remove Spam Mark Phrases - Corvane\"\n"
              "  image imgCorner \"question\"\n"
              "  label Label1 \"The Subject of the email appears to have additional words that were added by a "
              "Spam Filter. Would you like to remove these words and change the Subject?\"\n"
              "  label lblOldSubject \"Old Subject: \"\n"
              "  text txtOldSubject \"RE: [SPAM-LOW:] offer\" (read-only)\n"
              "  label lblNewSubject \"New Subject: \"\n"
              "  text txtNewSubject \"RE: [] offer\"\n"
              "  check chkAutoCorrect [ ] \"Automatically correct in the future (do not display message again)\"\n"
              "  button cmdYes \"&Yes\" (default)\n"
              "  button cmdNo \"&No\" (cancel)\n");
}

TEST_F(frmRemoveSpamTest, YesAcceptsTheEditedSubjectAndStoresAutomaticRemovalOnlyWhenTicked) {
    run({act::Type{"txtNewSubject", "RE: offer "}, act::Click{"cmdYes"}});
    EXPECT_TRUE(frm.accepted);
    EXPECT_EQ(frm.txtNewSubject.text(), "RE: offer ");
    EXPECT_FALSE(settings.raw(AutoRemoveSpamWords));
    frm.unload();
    run({act::Tick{"chkAutoCorrect"}, act::Click{"cmdYes"}});
    EXPECT_EQ(settings.store.GetSetting(AutoRemoveSpamWords), "1");
}

TEST_F(frmRemoveSpamTest, NoEscapeAndTheWindowsXIgnoreTheTickedBox) {
    run({act::Tick{"chkAutoCorrect"}, act::Click{"cmdNo"}});
    EXPECT_FALSE(frm.accepted);
    frm.unload();
    run({act::Tick{"chkAutoCorrect"}, act::PressKey{"txtNewSubject", 27}});
    frm.unload();
    run({act::Tick{"chkAutoCorrect"}, act::Close{}});
    EXPECT_FALSE(frm.accepted);
    EXPECT_FALSE(settings.raw(AutoRemoveSpamWords));
}


}  // namespace
}  // namespace corvane::testing
