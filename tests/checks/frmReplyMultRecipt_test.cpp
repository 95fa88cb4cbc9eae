// frmReplyMultRecipt: the two modes, the tick count kept in the list's tag with the
// header icon that follows it, header click and double click, and the result.
#include <gtest/gtest.h>

#include "corvane/checks/frmReplyMultRecipt.h"
#include "dialog_test_support.h"

namespace corvane::testing {
namespace {

using checks::frmReplyMultRecipt;
namespace act = simhost::action;

// Three recipients as a plain reply fills them: the one the reply would go to is ticked.
void fillReply(frmReplyMultRecipt& frm) {
    frm.addRecipient("Ann Lee (ann@example.com)", 1, true);
    frm.addRecipient("Bob Roe (bob@example.com)", 2);
    frm.addRecipient("Cy Poe (cy@example.com)", 3);
}

int icon(const frmReplyMultRecipt& frm) { return frm.lstVRecipients.column(1).icon(); }

void run(frmReplyMultRecipt& frm, std::vector<simhost::FormAction> actions) {
    simhost::ScriptedUi ui({formStep("frmReplyMultRecipt", std::move(actions))});
    frm.show(ui);
    ui.finish();
}

TEST(frmReplyMultRecipt, RendersReplyModeWithTheListAboveTheSecondLine) {
    frmReplyMultRecipt frm(kTitle);
    fillReply(frm);
    EXPECT_EQ(rendered(frm),
              "form frmReplyMultRecipt \"Multiple recipients - Corvane\"\n"
              "  label lblLine1 \"You clicked Reply (and not Reply to All) on an e-mail with more than one "
              "recipients.\"\n"
              "  listview lstVRecipients tag \"1\"\n"
              "    column 1 \"\" width 600 icon 1\n"
              "    column 2 \"Recipients\" width 6020\n"
              "    [x] \"\" | \"Ann Lee (ann@example.com)\" tag \"1\"\n"
              "    [ ] \"\" | \"Bob Roe (bob@example.com)\" tag \"2\"\n"
              "    [ ] \"\" | \"Cy Poe (cy@example.com)\" tag \"3\"\n"
              "  label lblLine2 \"You can select more recipients by ticking the list above.\"\n"
              "  button cmdOK \"&OK\" (default)\n"
              "  button cmdCancel \"&Cancel\" (cancel)\n");
}

TEST(frmReplyMultRecipt, RendersReplyToAllModeWithTheSecondLineAboveTheList) {
    frmReplyMultRecipt frm(kTitle);
    frm.Set_ReplyToAll();
    frm.addRecipient("Ann Lee (Exchange)", 1, true);
    frm.addRecipient("Bob Roe (bob@example.com)", 2, true);
    EXPECT_EQ(rendered(frm),
              "form frmReplyMultRecipt \"Reply to All - Corvane\"\n"
              "  label lblLine1 \"Reply to All was clicked! Do you want to do a Reply to All to this e-mail?\"\n"
              "  label lblLine2 \"You can change the recipients for the e-mail using the list below.\"\n"
              "  listview lstVRecipients tag \"2\"\n"
              "    column 1 \"\" width 600 icon 2\n"
              "    column 2 \"Recipients\" width 6020\n"
              "    [x] \"\" | \"Ann Lee (Exchange)\" tag \"1\"\n"
              "    [x] \"\" | \"Bob Roe (bob@example.com)\" tag \"2\"\n"
              "  button cmdOK \"&OK\" (default)\n"
              "  button cmdCancel \"&Cancel\" (cancel)\n");
    EXPECT_EQ(frm.lblLine2.top(), 440);
    EXPECT_EQ(frm.lstVRecipients.top(), 760);
}


TEST(frmReplyMultRecipt, TicksAndDoubleClicksCountInTheTagWithIconTwoOnlyWhenAllAreTicked) {
    frmReplyMultRecipt frm(kTitle);
    fillReply(frm);
    run(frm, {act::TickRows{"lstVRecipients", {"#2"}, true}, act::DoubleClick{"lstVRecipients", "#3"},
              act::Click{"cmdOK"}});
    EXPECT_EQ(frm.lstVRecipients.tag(), "3");
    EXPECT_EQ(icon(frm), 2);
    frm.lstVRecipients.userDblClickItem(frm.lstVRecipients.item(1));
    EXPECT_FALSE(frm.lstVRecipients.item(1).checked());
    EXPECT_EQ(frm.tickCount(), 2);
    EXPECT_EQ(icon(frm), 1);
    frm.lstVRecipients.userSetChecked(frm.lstVRecipients.item(1), true);
    EXPECT_EQ(frm.tickCount(), 3);
    EXPECT_EQ(icon(frm), 2);
}

TEST(frmReplyMultRecipt, HeaderOneTicksAllOrUnticksAllByItsIconAndOtherHeadersDoNothing) {
    frmReplyMultRecipt frm(kTitle);
    fillReply(frm);
    ui::ListView& list = frm.lstVRecipients;
    list.userClickColumn(list.column(2));
    EXPECT_EQ(list.checkedCount(), 1);
    list.userClickColumn(list.column(1));
    EXPECT_EQ(list.checkedCount(), 3);
    EXPECT_EQ(list.tag(), "3");
    EXPECT_EQ(icon(frm), 2);
    list.userClickColumn(list.column(1));
    EXPECT_EQ(list.checkedCount(), 0);
    EXPECT_EQ(list.tag(), "0");
    EXPECT_EQ(icon(frm), 1);
}

TEST(frmReplyMultRecipt, OkAndCancelSetTheResultAndTheWindowsXLeavesZero) {
    const std::vector<std::pair<simhost::FormAction, int>> endings{
        {act::Click{"cmdOK"}, 1}, {act::PressKey{"lstVRecipients", 27}, 2}, {act::Close{}, 0}};
    for (const auto& [ending, result] : endings) {
        frmReplyMultRecipt frm(kTitle);
        fillReply(frm);
        run(frm, {ending});
        EXPECT_EQ(frm.result, result);
    }
}

TEST(frmReplyMultRecipt, UnloadResetsResultTagRowsAndReplyToAllMode) {
    frmReplyMultRecipt frm(kTitle);
    frm.lstVRecipients.setWidth(9000);  // column 2 takes what column 1 leaves, less 100
    frm.Set_ReplyToAll();
    EXPECT_EQ(frm.lstVRecipients.column(2).width(), 9000 - 600 - 100);
    frm.addRecipient("a", 1, true);
    run(frm, {act::Click{"cmdOK"}});
    frm.unload();
    EXPECT_EQ(frm.result, 0);
    EXPECT_EQ(frm.lstVRecipients.tag(), "0");
    EXPECT_EQ(frm.lstVRecipients.itemCount(), 0);
    frm.load();
    EXPECT_EQ(frm.caption(), "Multiple recipients - Corvane");
    EXPECT_EQ(frm.lstVRecipients.top(), 440);
    EXPECT_EQ(icon(frm), 1);
}

}  // namespace
}  // namespace corvane::testing
