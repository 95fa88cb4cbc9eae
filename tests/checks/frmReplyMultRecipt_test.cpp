// frmReplyMultRecipt: the two modes, the tick count kept in the list's tag with the
// header icon that follows it, header click and double click, and the result.
#include "corvane/checks/frmReplyMultRecipt.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;

class frmReplyMultReciptTest : public WorldTest {
protected:
    // Three recipients as a plain reply fills them: the one the reply would go to is ticked.
    frmReplyMultReciptTest() {
        frm.addRecipient("Ann Lee (ann@example.com)", 1, true);
        frm.addRecipient("Bob Roe (bob@example.com)", 2);
        frm.addRecipient("Cy Poe (cy@example.com)", 3);
    }
    void run(std::vector<simhost::FormAction> actions) {
        expectForm("frmReplyMultRecipt", std::move(actions));
        frm.show(ui());
    }
    int icon() const { return frm.lstVRecipients.column(1).icon(); }

    checks::frmReplyMultRecipt frm{"Corvane"};
    corvane::ui::ListView& list = frm.lstVRecipients;
};

TEST_F(frmReplyMultReciptTest, ReplyToAllModePutsTheSecondLineAboveTheList) {
    EXPECT_EQ(frm.caption(), "Multiple recipients - Corvane");
    EXPECT_EQ(list.top(), 440);
    frm.Set_ReplyToAll();
    EXPECT_EQ(frm.caption(), "Reply to All - Corvane");
    EXPECT_EQ(frm.lblLine2.top(), 440);
    EXPECT_EQ(list.top(), 760);
}

TEST_F(frmReplyMultReciptTest, TicksAndDoubleClicksCountInTheTagWithIconTwoOnlyWhenAllAreTicked) {
    EXPECT_EQ(list.tag(), "1");
    EXPECT_EQ(icon(), 1);
    run({act::TickRows{"lstVRecipients", {"#2"}, true}, act::DoubleClick{"lstVRecipients", "#3"},
         act::Click{"cmdOK"}});
    EXPECT_EQ(list.tag(), "3");
    EXPECT_EQ(icon(), 2);
    list.userDblClickItem(list.item(1));
    EXPECT_FALSE(list.item(1).checked());
    EXPECT_EQ(frm.tickCount(), 2);
    EXPECT_EQ(icon(), 1);
    list.userSetChecked(list.item(1), true);
    EXPECT_EQ(frm.tickCount(), 3);
    EXPECT_EQ(icon(), 2);
}

TEST_F(frmReplyMultReciptTest, HeaderOneTicksAllOrUnticksAllByItsIconAndOtherHeadersDoNothing) {
    list.userClickColumn(list.column(2));
    EXPECT_EQ(list.checkedCount(), 1);
    list.userClickColumn(list.column(1));
    EXPECT_EQ(list.checkedCount(), 3);
    EXPECT_EQ(list.tag(), "3");
    EXPECT_EQ(icon(), 2);
    list.userClickColumn(list.column(1));
    EXPECT_EQ(list.checkedCount(), 0);
    EXPECT_EQ(list.tag(), "0");
    EXPECT_EQ(icon(), 1);
}

TEST_F(frmReplyMultReciptTest, OkAndCancelSetTheResultAndTheWindowsXLeavesZero) {
    const std::vector<std::pair<simhost::FormAction, int>> endings{{act::Click{"cmdOK"}, 1},
                                                                   {act::PressKey{"lstVRecipients", 27}, 2},
                                                                   {act::Close{}, 0}};
    for (const auto& [ending, result] : endings) {
        frm.unload();
        frm.addRecipient("Ann Lee (ann@example.com)", 1, true);
        run({ending});
        EXPECT_EQ(frm.result, result);
    }
}

TEST_F(frmReplyMultReciptTest, UnloadResetsResultTagRowsAndReplyToAllMode) {
    frm.unload();
    list.setWidth(9000);  // column 2 takes what column 1 leaves, less 100
    frm.Set_ReplyToAll();
    EXPECT_EQ(list.column(2).width(), 9000 - 600 - 100);
    frm.addRecipient("a", 1, true);
    run({act::Click{"cmdOK"}});
    frm.unload();
    EXPECT_EQ(frm.result, 0);
    EXPECT_EQ(list.tag(), "0");
    EXPECT_EQ(list.itemCount(), 0);
    frm.load();
    EXPECT_EQ(frm.caption(), "Multiple recipients - Corvane");
    EXPECT_EQ(list.top(), 440);
    EXPECT_EQ(icon(), 1);
}

}  // namespace
}  // namespace corvane::testing
