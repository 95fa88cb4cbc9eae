// List boxes and combo boxes: the wizard's sorted multi-select lists and the account
// combo boxes.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/ui/controls.h"

namespace corvane::testing {
namespace {

class ListsForm : public ui::Form {
public:
    ui::ListBox lstKeywords{*this, "lstKeywords"};
    ui::ListBox lstSingle{*this, "lstSingle"};
    ui::ComboBox cboDays{*this, "cboDays"};
    ui::ComboBox cmbAccounts{*this, "cmbAccounts"};
    int listClicks = 0;
    int comboClicks = 0;

    ListsForm() : Form("frmLists") {
        lstKeywords.onClick = [this] { ++listClicks; };
        cboDays.onClick = [this] { ++comboClicks; };
        applyDesign();
    }

protected:
    void design() override {
        lstKeywords.setSorted(true);
        lstKeywords.setMultiSelect(ui::MultiSelect::Extended);
        cboDays.setStyle(ui::ComboStyle::DropDownList);
        for (const char* d : {"7", "14", "30"}) cboDays.addItem(d);
    }
};

std::vector<std::string> items(const ui::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.listCount(); ++i) out.push_back(list.list(i));
    return out;
}

TEST(SortedListBox, AddsItemsAtTheirAlphabeticalPlaceIgnoringCase) {
    ListsForm form;
    for (const char* s : {"SPAM-MED:", "spam-high:", "SPAM-LOW:", "attach"}) form.lstKeywords.addItem(s);
    EXPECT_EQ(items(form.lstKeywords), (std::vector<std::string>{"attach", "spam-high:", "SPAM-LOW:", "SPAM-MED:"}));
    form.lstKeywords.addItem("SPAM-LOW:");
    EXPECT_EQ(form.lstKeywords.newIndex(), 3);  // after its equal
}

TEST(SortedListBox, SelectionStaysWithItsItemsAsItemsAreAdded) {
    ListsForm form;
    form.lstKeywords.addItem("enclosed");
    form.lstKeywords.addItem("zip");
    form.lstKeywords.setSelected(0, true);
    form.lstKeywords.setSelected(1, true);
    form.lstKeywords.addItem("attach");
    form.lstKeywords.addItem("pdf");
    EXPECT_EQ(items(form.lstKeywords), (std::vector<std::string>{"attach", "enclosed", "pdf", "zip"}));
    EXPECT_EQ(form.lstKeywords.selectedIndexes(), (std::vector<int>{1, 3}));
}

TEST(MultiSelectListBox, UserSelectionReplacesTheSelectionWithClicks) {
    ListsForm form;
    for (const char* s : {"a", "b", "c"}) form.lstKeywords.addItem(s);
    form.lstKeywords.userSelect({0, 2});
    EXPECT_EQ(form.listClicks, 2);
    form.lstKeywords.userSelect({2, 1});
    EXPECT_EQ(form.lstKeywords.selectedIndexes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(form.lstKeywords.listIndex(), 1);
    EXPECT_EQ(form.listClicks, 4);  // a cleared, b selected
}

TEST(MultiSelectListBox, RemovingFromTheEndKeepsTheOtherSelections) {
    ListsForm form;
    for (const char* s : {"a", "b", "c", "d"}) form.lstKeywords.addItem(s);
    form.lstKeywords.userSelect({0, 1, 3});
    const auto chosen = form.lstKeywords.selectedIndexes();
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) form.lstKeywords.removeItem(*it);
    EXPECT_EQ(items(form.lstKeywords), std::vector<std::string>{"c"});
    EXPECT_EQ(form.lstKeywords.selCount(), 0);
}

TEST(SingleSelectListBox, SelectionIsTheCurrentItem) {
    ListsForm form;
    for (const char* s : {"a", "b", "c"}) form.lstSingle.addItem(s);
    form.lstSingle.setSelected(1, true);
    EXPECT_EQ(form.lstSingle.listIndex(), 1);
    EXPECT_EQ(form.lstSingle.text(), "b");
    form.lstSingle.addItem("first", 0);
    EXPECT_EQ(form.lstSingle.text(), "b");
    form.lstSingle.removeItem(2);
    EXPECT_EQ(form.lstSingle.listIndex(), -1);
    EXPECT_EQ(form.lstSingle.selCount(), 0);
}

TEST(ListBoxIndex, OutOfRangeFailsLikeThePlatform) {
    ListsForm form;
    form.lstSingle.addItem("a");
    EXPECT_THROW(form.lstSingle.list(1), platform::PlatformError);
    EXPECT_THROW(form.lstSingle.setListIndex(1), platform::PlatformError);
    EXPECT_THROW(form.lstSingle.setListIndex(-2), platform::PlatformError);
}

TEST(DropDownListCombo, TextChoosesTheMatchingItemOnly) {
    ListsForm form;
    form.cboDays.setText("30");
    EXPECT_EQ(form.cboDays.listIndex(), 2);
    EXPECT_EQ(form.comboClicks, 1);
    EXPECT_THROW(form.cboDays.setText("45"), platform::PlatformError);
    EXPECT_EQ(form.cboDays.text(), "30");
}

TEST(EditableCombo, TakesAnyTextAndFindsAnEqualItem) {
    ListsForm form;
    form.cmbAccounts.addItem("Home");
    form.cmbAccounts.addItem("Work");
    form.cmbAccounts.setText("Other");
    EXPECT_EQ(form.cmbAccounts.listIndex(), -1);
    form.cmbAccounts.setText("Work");
    EXPECT_EQ(form.cmbAccounts.listIndex(), 1);
    form.cmbAccounts.setListIndex(0);
    EXPECT_EQ(form.cmbAccounts.text(), "Home");
}

}  // namespace
}  // namespace corvane::testing
