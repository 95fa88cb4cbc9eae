// frmOldSubject: OK keeps the edited subject; the window's X leaves the subject alone.
#include <gtest/gtest.h>

#include "corvane/checks/frmOldSubject.h"
#include "dialog_test_support.h"

namespace corvane::testing {
namespace {

using checks::frmOldSubject;
namespace act = simhost::action;

TEST(frmOldSubject, RendersTheAgeTheSubjectAndItsOneButton) {
    frmOldSubject frm(kTitle);
    frm.fill(28, "RE: Budget");
    EXPECT_EQ(rendered(frm),
              "form frmOldSubject \"Is the Subject to this email correct? - Corvane\"\n"
              "  image imgCorner \"question\"\n"
              "  label lblLine1 \"You are replying to an email that is more than 28 days old.\"\n"
              "  label lblLine2 \"Please ensure that the Subject displayed is still appropriate.\"\n"
              "  label lblLine3 \"Change the Subject (if needed) and the click OK.\"\n"
              "  label lblSubject \"Subject:\"\n"
              "  text txtSubject \"RE: Budget\"\n"
              "  button mdOK \"&OK\" (default)\n");
}

TEST(frmOldSubject, OkSetsTheFlagAndKeepsTheSubjectAsTyped) {
    simhost::ScriptedUi ui({formStep("frmOldSubject", {act::Type{"txtSubject", " RE: Q3 "}, act::PressKey{"txtSubject", 13}})});
    frmOldSubject frm(kTitle);
    frm.fill(28, "RE: Budget");
    frm.show(ui);
    ui.finish();
    EXPECT_TRUE(frm.ok);
    EXPECT_EQ(frm.txtSubject.text(), " RE: Q3 ");
}

TEST(frmOldSubject, ClosingTheWindowLeavesTheFlagFalseEvenAfterAnEarlierOk) {
    frmOldSubject frm(kTitle);
    frm.fill(28, "a");
    frm.mdOK.click();
    frm.unload();
    EXPECT_TRUE(frm.ok);  // readable after the unload
    simhost::ScriptedUi ui({formStep("frmOldSubject", {act::Type{"txtSubject", "changed"}, act::Close{}})});
    frm.fill(28, "RE: Budget");
    frm.show(ui);
    ui.finish();
    EXPECT_FALSE(frm.ok);
    EXPECT_FALSE(frm.isLoaded());
    EXPECT_EQ(frm.txtSubject.text(), "");
}

}  // namespace
}  // namespace corvane::testing
