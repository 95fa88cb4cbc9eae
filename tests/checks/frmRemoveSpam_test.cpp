// frmRemoveSpam: Yes accepts the proposed subject and, with the box ticked, stops asking;
// No, Escape and the window's X keep the old subject and store nothing.
#include "corvane/checks/frmRemoveSpam.h"
#include "corvane/settings/setting_keys.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;
using settings::keys::AutoRemoveSpamWords;

class frmRemoveSpamTest : public WorldTest {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        expectForm("frmRemoveSpam", std::move(actions));
        frm.fill("RE: [SPAM-LOW:] offer", "RE: [] offer");
        frm.show(ui());
    }
    checks::frmRemoveSpam frm{ui(), settings::SettingStore(host().registry()), "Corvane"};
};

TEST_F(frmRemoveSpamTest, YesAcceptsTheEditedSubjectAndStoresAutomaticRemovalOnlyWhenTicked) {
    run({act::Type{"txtNewSubject", "RE: offer "}, act::Click{"cmdYes"}});
    EXPECT_TRUE(frm.accepted);
    EXPECT_EQ(frm.txtNewSubject.text(), "RE: offer ");
    EXPECT_EQ(setting(AutoRemoveSpamWords), "<missing>");
    frm.unload();
    run({act::Tick{"chkAutoCorrect"}, act::Click{"cmdYes"}});
    EXPECT_EQ(setting(AutoRemoveSpamWords), "1");
}

TEST_F(frmRemoveSpamTest, NoEscapeAndTheWindowsXIgnoreTheTickedBox) {
    for (const simhost::FormAction& leave :
         std::vector<simhost::FormAction>{act::Click{"cmdNo"}, act::PressKey{"txtNewSubject", 27}, act::Close{}}) {
        run({act::Tick{"chkAutoCorrect"}, leave});
        EXPECT_FALSE(frm.accepted);
        frm.unload();
    }
    EXPECT_EQ(setting(AutoRemoveSpamWords), "<missing>");
}

}  // namespace
}  // namespace corvane::testing
