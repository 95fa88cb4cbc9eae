// frmNoSubject: OK sends with what was entered (even nothing); Cancel, Escape and the
// window's X go back to the message.
#include <gtest/gtest.h>

#include "corvane/checks/frmNoSubject.h"
#include "dialog_test_support.h"

namespace corvane::testing {
namespace {

using checks::frmNoSubject;
namespace act = simhost::action;

void run(frmNoSubject& frm, std::vector<simhost::FormAction> actions) {
    simhost::ScriptedUi ui({formStep("frmNoSubject", std::move(actions))});
    frm.fill("");
    frm.show(ui);
    ui.finish();
}

TEST(frmNoSubject, RendersItsThreeLinesSubjectAndButtons) {
    frmNoSubject frm(kTitle);
    frm.fill("  ");
    EXPECT_EQ(rendered(frm),
              "form frmNoSubject \"Empty Subject - Corvane\"\n"
              "  image imgCorner \"exclamation\"\n"
              "  label lblLine1 \"We recommend that you enter a Subject for the email.\"\n"
              "  label lblLine2 \"You did not enter a Subject for the email. Emails with empty subjects can be "
              "blocked by spam filters or ignored by recipients.\"\n"
              "  label lblLine3 \"Enter a Subject and click OK to send the email or click Cancel to go back to the "
              "email.\"\n"
              "  label lblSubject \"Subject:\"\n"
              "  text txtSubject \"  \"\n"
              "  button cmdOK \"&OK\" (default)\n"
              "  button cmdCancel \"&Cancel\" (cancel)\n");
}

TEST(frmNoSubject, OkClearsCancelledAndKeepsWhatWasTypedEvenNothing) {
    frmNoSubject frm(kTitle);
    run(frm, {act::Type{"txtSubject", "Minutes"}, act::Click{"cmdOK"}});
    EXPECT_FALSE(frm.cancelled);
    frm.unload();
    EXPECT_EQ(frm.subject, "Minutes");  // readable after the unload
    run(frm, {act::Click{"cmdOK"}});
    EXPECT_FALSE(frm.cancelled);
    EXPECT_EQ(frm.subject, "");
}

TEST(frmNoSubject, CancelEscapeAndTheWindowsXAllGoBackToTheMessage) {
    for (const simhost::FormAction& leave :
         std::vector<simhost::FormAction>{act::Click{"cmdCancel"}, act::PressKey{"txtSubject", 27}, act::Close{}}) {
        frmNoSubject frm(kTitle);
        run(frm, {act::Type{"txtSubject", "x"}, leave});
        EXPECT_TRUE(frm.cancelled);
    }
}

}  // namespace
}  // namespace corvane::testing
