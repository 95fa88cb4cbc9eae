// The list view with tick boxes: ticks by the user raise ItemCheck, ticks by code do not,
// header and double clicks reach the form. The form below keeps a tick count in the
// list's tag and a header icon for "all ticked", as the recipient dialog does.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/ui/controls.h"

namespace corvane::testing {
namespace {

class RecipientsForm : public ui::Form {
public:
    ui::ListView lstVRecipients{*this, "lstVRecipients"};
    std::vector<int> checkedEvents;

    RecipientsForm() : Form("frmRecipients") {
        lstVRecipients.onItemCheck = [this](ui::ListItem& item) {
            checkedEvents.push_back(item.index());
            setCount(count() + (item.checked() ? 1 : -1));
        };
        lstVRecipients.onColumnClick = [this](ui::ColumnHeader& column) {
            if (column.index() != 1) return;
            const bool tickAll = column.icon() == 1;
            for (int i = 1; i <= lstVRecipients.itemCount(); ++i) lstVRecipients.item(i).setChecked(tickAll);
            setCount(tickAll ? lstVRecipients.itemCount() : 0);
        };
        lstVRecipients.onDblClick = [this] {
            ui::ListItem* item = lstVRecipients.selectedItem();
            item->setChecked(!item->checked());
            setCount(count() + (item->checked() ? 1 : -1));
        };
        applyDesign();
    }

    void addRecipient(const std::string& text, bool ticked) {
        ui::ListItem& item = lstVRecipients.addItem("");
        item.setSubItem(1, text);
        item.setTag(std::to_string(item.index()));
        item.setChecked(ticked);
        if (ticked) lstVRecipients.setTag(std::to_string(count() + 1));  // the icon stays
    }
    int count() const { return std::stoi(lstVRecipients.tag()); }

protected:
    void design() override {
        lstVRecipients.setCheckboxes(true);
        lstVRecipients.setWidth(5000);
        lstVRecipients.addColumn("", 300).setIcon(1);
        lstVRecipients.addColumn("Recipients", 4600);
        lstVRecipients.setTag("0");
    }

private:
    void setCount(int n) {
        lstVRecipients.setTag(std::to_string(n));
        lstVRecipients.column(1).setIcon(n == lstVRecipients.itemCount() ? 2 : 1);
    }
};

TEST(ListViewTicks, UserTickRaisesItemCheckWithTheRowAlreadyChanged) {
    RecipientsForm form;
    form.addRecipient("Ann (ann@example.com)", true);
    form.addRecipient("Bob (bob@example.com)", false);
    ui::ListItem& bob = form.lstVRecipients.item(2);
    form.lstVRecipients.userSetChecked(bob, true);
    EXPECT_EQ(form.checkedEvents, std::vector<int>{2});
    EXPECT_EQ(form.lstVRecipients.tag(), "2");
    EXPECT_EQ(form.lstVRecipients.column(1).icon(), 2);
}

TEST(ListViewTicks, TicksSetByCodeRaiseNothing) {
    RecipientsForm form;
    form.addRecipient("Ann", false);
    form.lstVRecipients.item(1).setChecked(true);
    EXPECT_TRUE(form.checkedEvents.empty());
    EXPECT_EQ(form.lstVRecipients.checkedCount(), 1);
}

TEST(ListViewHeader, ClickOnTheFirstColumnTicksAllThenClearsAll) {
    RecipientsForm form;
    form.addRecipient("Ann", true);
    form.addRecipient("Bob", false);
    form.addRecipient("Cy", false);
    form.lstVRecipients.userClickColumn(form.lstVRecipients.column(1));
    EXPECT_EQ(form.lstVRecipients.checkedCount(), 3);
    EXPECT_EQ(form.lstVRecipients.tag(), "3");
    EXPECT_EQ(form.lstVRecipients.column(1).icon(), 2);
    form.lstVRecipients.userClickColumn(form.lstVRecipients.column(2));  // does nothing
    EXPECT_EQ(form.lstVRecipients.checkedCount(), 3);
    form.lstVRecipients.userClickColumn(form.lstVRecipients.column(1));
    EXPECT_EQ(form.lstVRecipients.checkedCount(), 0);
    EXPECT_EQ(form.lstVRecipients.tag(), "0");
    EXPECT_EQ(form.lstVRecipients.column(1).icon(), 1);
}

TEST(ListViewDoubleClick, ReachesTheFormWithTheRowSelected) {
    RecipientsForm form;
    form.addRecipient("Ann", true);
    form.addRecipient("Bob", false);
    form.lstVRecipients.userDblClickItem(form.lstVRecipients.item(2));
    EXPECT_TRUE(form.lstVRecipients.item(2).selected());
    EXPECT_TRUE(form.lstVRecipients.item(2).checked());
    EXPECT_EQ(form.lstVRecipients.tag(), "2");
}

TEST(ListViewRows, RemovingARowRenumbersTheRest) {
    RecipientsForm form;
    for (const char* r : {"Ann", "Bob", "Cy"}) form.addRecipient(r, false);
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
