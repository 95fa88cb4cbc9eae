// Setting a check box's or option button's value raises Click, as the settings pages rely
// on to keep their dependent controls in step.
#include <gtest/gtest.h>

#include "support/platform_error.h"
#include "test_forms.h"

namespace corvane::testing {
namespace {

using Clicks = std::vector<std::string>;

TEST(CheckBoxClick, RaisedWhenCodeChangesTheValue) {
    ChoicesForm form;
    form.chkFeature.setValue(ui::CheckBox::Checked);
    EXPECT_EQ(form.clicks, Clicks{"chkFeature"});
    EXPECT_TRUE(form.txtDepends.enabled());
    form.chkFeature.setValue(ui::CheckBox::Grayed);
    EXPECT_EQ(form.clicks.size(), 2u);
    EXPECT_FALSE(form.txtDepends.enabled());
}

TEST(CheckBoxClick, NotRaisedWhenTheValueStaysTheSame) {
    ChoicesForm form;
    form.chkFeature.setValue(ui::CheckBox::Unchecked);
    form.chkFeature.setValue(ui::CheckBox::Checked);
    form.chkFeature.setValue(ui::CheckBox::Checked);
    EXPECT_EQ(form.clicks, Clicks{"chkFeature"});
}

TEST(CheckBoxClick, ValueOutsideZeroToTwoFailsLikeThePlatform) {
    ChoicesForm form;
    EXPECT_THAT([&] { form.chkFeature.setValue(3); }, FailsWith(380));
    EXPECT_EQ(form.chkFeature.value(), ui::CheckBox::Unchecked);
    EXPECT_TRUE(form.clicks.empty());
}

TEST(OptionButtonClick, ChoosingRaisesClickOnlyForTheChosenButton) {
    ChoicesForm form;
    form.optA2.setValue(true);
    EXPECT_EQ(form.clicks, Clicks{"optA2"});
    form.optA2.setValue(true);   // unchanged
    form.optA2.setValue(false);  // clearing raises nothing
    EXPECT_EQ(form.clicks, Clicks{"optA2"});
}

TEST(OptionButtonGroup, ChoosingOneClearsTheOthersOfItsFrameOnlyAndDesignValuesRaiseNothing) {
    ChoicesForm form;  // design chose optA1
    EXPECT_TRUE(form.clicks.empty());
    form.optB2.setValue(true);
    form.optTop1.setValue(true);
    EXPECT_TRUE(form.optA1.value() && form.optB2.value() && form.optTop1.value());
    form.optTop2.setValue(true);
    form.optA2.setValue(true);
    EXPECT_FALSE(form.optTop1.value() || form.optA1.value());
    EXPECT_TRUE(form.optB2.value());
}

}  // namespace
}  // namespace corvane::testing
