// The text presenter's format is what transcripts are compared by: these tests pin it.
#include <gtest/gtest.h>

#include "corvane/ui/text_presenter.h"
#include "test_forms.h"

namespace corvane::testing {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

class PagesForm : public ui::Form {
public:
    ui::TabStrip TabStripWizard{*this, "TabStripWizard"};
    ui::ControlArray<ui::Frame> fraStep{*this, "fraStep", 2};
    ui::CheckBox chkDelay{*this, "chkDelay"};
    ui::OptionButton optAutoDelay{*this, "optAutoDelay"};
    ui::OptionButton optDelayToEmails{*this, "optDelayToEmails"};
    ui::ListBox lstDelayToEAddr{*this, "lstDelayToEAddr"};
    ui::TextBox txtPassword{*this, "txtPassword"};
    ui::ListView lstVSettings{*this, "lstVSettings"};
    ui::ComboBox cboYes{*this, "cboYes"};
    ui::PictureBox ShowTabs{*this, "ShowTabs"};
    ui::Timer tmrCheck{*this, "tmrCheck"};

    PagesForm() : Form("frmPages") { applyDesign(); }

protected:
    void design() override {
        setCaption("Settings");
        TabStripWizard.move(0, 0, 6000, 300);
        TabStripWizard.addTab("Delay Vane");
        TabStripWizard.addTab("My Email Accounts");
        fraStep[0].setCaption("Page 0");
        fraStep[0].move(80, 400, 5800, 3000);
        fraStep[1].setCaption("Page 1");
        fraStep[1].move(-10000, 400, 5800, 3000);  // out of sight
        for (ui::Control* c :
             std::initializer_list<ui::Control*>{&chkDelay, &optAutoDelay, &optDelayToEmails, &lstDelayToEAddr})
            c->setContainer(fraStep[0]);
        // Declared before the options but placed below them: reading order wins.
        chkDelay.move(100, 2000, 2000, 240);
        chkDelay.setCaption("Delay E-mails by: ");
        chkDelay.setValue(2);
        optAutoDelay.move(100, 200, 2000, 240);
        optAutoDelay.setCaption("Delay Emails to Everyone");
        optDelayToEmails.move(2200, 200, 2000, 240);
        optDelayToEmails.setCaption("Delay E-mails only to these E-mail Addresses");
        optDelayToEmails.setValue(true);
        lstDelayToEAddr.move(100, 600, 2000, 1000);
        lstDelayToEAddr.setSorted(true);
        lstDelayToEAddr.setMultiSelect(ui::MultiSelect::Extended);
        lstDelayToEAddr.addItem("zed@example.com");
        lstDelayToEAddr.addItem("ann@example.com");
        lstDelayToEAddr.setSelected(1, true);
        lstDelayToEAddr.setEnabled(false);
        txtPassword.move(100, 3500, 2000, 300);
        txtPassword.setPasswordChar("*");
        txtPassword.setText("s3cret");
        txtPassword.setTag("False");
        lstVSettings.move(100, 4000, 5000, 1200);
        lstVSettings.setCheckboxes(true);
        lstVSettings.addColumn("Settings", 4800).setIcon(2);
        lstVSettings.addItem("Notify if Subject is empty").setTag("Notify_Subject_Empty");
        ui::ListItem& row = lstVSettings.addItem("Say \"hi\"\r\nthen go");
        row.setChecked(true);
        row.setSelected(true);
        cboYes.move(100, 5400, 800, 300);
        cboYes.setStyle(ui::ComboStyle::DropDownList);
        cboYes.addItem("7");
        cboYes.addItem("30");
        cboYes.setText("30");
        ShowTabs.move(5000, 5400, 500, 500);
    }
};

TEST(TextPresenter, RendersASmallFormExactly) {
    SubjectForm form;
    form.load();
    form.txtSubject.setText("Weekly report");
    form.txtSubject.setFocus();
    form.txtSubject.selectAll();
    form.chkRemember.setValue(1);
    form.cmdCancel.setEnabled(false);
    EXPECT_EQ(joined(ui::renderForm(form)),
              "form frmSubject \"Empty Subject - Corvane\"\n"
              "  label lblLine1 \"We recommend that you enter a Subject for the email.\"\n"
              "  image imgCorner \"question\"\n"
              "  label lblSubject \"Subject:\"\n"
              "  text txtSubject \"Weekly report\" (focus) (selection 0+13)\n"
              "  check chkRemember [x] \"Remember\"\n"
              "  button cmdOK \"&OK\" (default)\n"
              "  button cmdCancel \"&Cancel\" (disabled) (cancel)\n");
}

TEST(TextPresenter, RendersContainersListsAndMarksInReadingOrder) {
    PagesForm form;
    EXPECT_EQ(joined(ui::renderForm(form)),
              "form frmPages \"Settings\"\n"
              "  tabs TabStripWizard\n"
              "    tab \"Delay Vane\" (selected)\n"
              "    tab \"My Email Accounts\"\n"
              "  frame fraStep(0) \"Page 0\"\n"
              "    option optAutoDelay ( ) \"Delay Emails to Everyone\"\n"
              "    option optDelayToEmails (o) \"Delay E-mails only to these E-mail Addresses\"\n"
              "    list lstDelayToEAddr (multi-select) (disabled)\n"
              "      \"ann@example.com\"\n"
              "      \"zed@example.com\" (selected)\n"
              "    check chkDelay [-] \"Delay E-mails by: \"\n"
              "  text txtPassword \"******\" tag \"False\"\n"
              "  listview lstVSettings\n"
              "    column 1 \"Settings\" width 4800 icon 2\n"
              "    [ ] \"Notify if Subject is empty\" tag \"Notify_Subject_Empty\"\n"
              "    [x] \"Say \\\"hi\\\"\\nthen go\" (selected)\n"
              "  combo cboYes \"30\"\n"
              "    \"7\"\n"
              "    \"30\" (selected)\n"
              "  picture ShowTabs (no picture)\n");
}

TEST(TextPresenter, HiddenControlsAndTheirContentsAreLeftOut) {
    PagesForm form;
    form.fraStep[0].setVisible(false);
    form.lstVSettings.setVisible(false);
    const std::string text = joined(ui::renderForm(form));
    EXPECT_EQ(text.find("optAutoDelay"), std::string::npos);
    EXPECT_EQ(text.find("lstVSettings"), std::string::npos);
    EXPECT_NE(text.find("cboYes"), std::string::npos);
}

TEST(TextPresenter, RendersAMessageBoxLineByLine) {
    EXPECT_EQ(joined(ui::renderMessageBox("Do you wish to send this email?\r\n\r\n(If you do not...)", 68,
                                          "Confirm Email Send - Corvane")),
              "message box \"Confirm Email Send - Corvane\" buttons 68 (Yes No, information)\n"
              "  | Do you wish to send this email?\n"
              "  |\n"
              "  | (If you do not...)\n");
}

TEST(TextPresenter, NamesButtonsAndAnswers) {
    EXPECT_EQ(ui::describeButtons(16), "OK, critical");
    EXPECT_EQ(ui::describeButtons(36), "Yes No, question");
    EXPECT_EQ(ui::describeButtons(0), "OK");
    EXPECT_EQ(ui::answerName(7), "No");
    EXPECT_TRUE(ui::buttonsOffer(36, 6));
    EXPECT_FALSE(ui::buttonsOffer(36, 1));
    EXPECT_FALSE(ui::buttonsOffer(64, 2));
}

TEST(TextPresenter, QuotesControlCharacters) { EXPECT_EQ(ui::quote("a\\b\tc\rd\ne"), "\"a\\\\b\\x09c\\rd\\x0Ae\""); }

}  // namespace
}  // namespace corvane::testing
