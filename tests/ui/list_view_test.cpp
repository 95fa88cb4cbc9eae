// The list view with tick boxes beyond what the recipient dialog shows (its tests drive
// the user's ticks, header and double clicks): ticks set by code raise nothing, and rows
// are renumbered when one goes.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/ui/controls.h"

namespace corvane::testing {
namespace {

class RowsForm : public ui::Form {
public:
    ui::ListView lstVRecipients{*this, "lstVRecipients"};
    int itemChecks = 0;

    RowsForm() : Form("frmRows") {
        lstVRecipients.onItemCheck = [this](ui::ListItem&) { ++itemChecks; };
        applyDesign();
        for (const char* r : {"Ann", "Bob", "Cy"}) lstVRecipients.addItem("").setSubItem(1, r);
    }

protected:
    void design() override {
        lstVRecipients.setCheckboxes(true);
        lstVRecipients.addColumn("", 300);
        lstVRecipients.addColumn("Recipients", 4600);
    }
};

TEST(ListViewTicks, TicksSetByCodeRaiseNothing) {
    RowsForm form;
    form.lstVRecipients.item(1).setChecked(true);
    EXPECT_EQ(form.itemChecks, 0);
    EXPECT_EQ(form.lstVRecipients.checkedCount(), 1);
    form.lstVRecipients.userSetChecked(form.lstVRecipients.item(2), true);
    EXPECT_EQ(form.itemChecks, 1);
}

TEST(ListViewRows, RemovingARowRenumbersTheRest) {
    RowsForm form;
    form.lstVRecipients.item(2).setSelected(true);
    form.lstVRecipients.removeItem(2);
    EXPECT_EQ(form.lstVRecipients.itemCount(), 2);
    EXPECT_EQ(form.lstVRecipients.item(2).subItem(1), "Cy");
    EXPECT_EQ(form.lstVRecipients.item(2).index(), 2);
    EXPECT_EQ(form.lstVRecipients.selectedItem(), nullptr);
    EXPECT_THROW(form.lstVRecipients.item(3), platform::PlatformError);
}

}  // namespace
}  // namespace corvane::testing
