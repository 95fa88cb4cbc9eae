// frmNoSubject: OK sends with what was entered (even nothing); Cancel, Escape and the
// window's X go back to the message.
#include "corvane/checks/frmNoSubject.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;

class frmNoSubjectTest : public WorldTest {
protected:
    void run(std::vector<simhost::FormAction> actions, checks::frmNoSubject& form) {
        expectForm("frmNoSubject", std::move(actions));
        form.fill("");
        form.show(ui());
    }
    void run(std::vector<simhost::FormAction> actions) { run(std::move(actions), frm); }
    checks::frmNoSubject frm{"Corvane"};
};

TEST_F(frmNoSubjectTest, OkClearsCancelledAndKeepsWhatWasTypedEvenNothing) {
    run({act::Type{"txtSubject", "Minutes"}, act::Click{"cmdOK"}});
    EXPECT_FALSE(frm.cancelled);
    frm.unload();
    EXPECT_EQ(frm.subject, "Minutes");  // readable after the unload
    run({act::Click{"cmdOK"}});
    EXPECT_FALSE(frm.cancelled);
    EXPECT_EQ(frm.subject, "");
}

TEST_F(frmNoSubjectTest, CancelEscapeAndTheWindowsXAllGoBackToTheMessage) {
    for (const simhost::FormAction& leave :
         std::vector<simhost::FormAction>{act::Click{"cmdCancel"}, act::PressKey{"txtSubject", 27}, act::Close{}}) {
        checks::frmNoSubject fresh{"Corvane"};
        run({act::Type{"txtSubject", "x"}, leave}, fresh);
        EXPECT_TRUE(fresh.cancelled);
    }
}

}  // namespace
}  // namespace corvane::testing
