// frmOldSubject: OK (or Enter) keeps the edited subject; the window's X leaves the subject
// alone.
#include "corvane/checks/frmOldSubject.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;

class frmOldSubjectTest : public WorldTest {
protected:
    void run(std::vector<simhost::FormAction> actions) {
        expectForm("frmOldSubject", std::move(actions));
        frm.fill(28, "RE: Budget");
        frm.show(ui());
    }
    checks::frmOldSubject frm{"Corvane"};
};

TEST_F(frmOldSubjectTest, EnterSetsTheFlagAndKeepsTheSubjectAsTyped) {
    run({act::Type{"txtSubject", " RE: Q3 "}, act::PressKey{"txtSubject", 13}});
    EXPECT_TRUE(frm.ok);
    EXPECT_EQ(frm.txtSubject.text(), " RE: Q3 ");
    frm.unload();
    EXPECT_TRUE(frm.ok);  // readable after the unload
}

TEST_F(frmOldSubjectTest, ClosingTheWindowLeavesTheFlagFalseEvenAfterAnEarlierOk) {
    run({act::Click{"mdOK"}});
    frm.unload();
    run({act::Type{"txtSubject", "changed"}, act::Close{}});
    EXPECT_FALSE(frm.ok);
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(frm.txtSubject.text(), "");
}

}  // namespace
}  // namespace corvane::testing
