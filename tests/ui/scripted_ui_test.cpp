// The simulated Ui answers prompts from its script, refuses prompts it does not expect,
// drives forms by control name and writes a transcript.
#include <gtest/gtest.h>

#include "corvane/platform/conventions.h"
#include "corvane/simhost/sim_ui.h"
#include "test_forms.h"

namespace corvane::testing {
namespace {

using simhost::FolderStep;
using simhost::FormStep;
using simhost::MessageBoxStep;
using simhost::ScriptedUi;
using simhost::ScriptError;
namespace act = simhost::action;
namespace mb = platform::mb;

// Runs `body` and returns the ScriptError's message ("" when none was thrown).
template <class Body>
std::string scriptError(Body&& body) {
    try {
        body();
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "";
}

MessageBoxStep box(std::string title, int answer) {
    MessageBoxStep step;
    step.title = std::move(title);
    step.answer = answer;
    return step;
}

TEST(ScriptedMessageBoxes, AreAnsweredInScriptOrder) {
    ScriptedUi ui({box("Confirm Email Send - Corvane", mb::IdNo), box("Delay - Corvane", mb::IdYes)});
    EXPECT_EQ(platform::ShowMessageBox(ui, "Send?", mb::InformationYesNo, "Confirm Email Send - Corvane"), mb::IdNo);
    EXPECT_EQ(platform::ShowMessageBox(ui, "Delay?", mb::QuestionYesNo, "Delay - Corvane"), mb::IdYes);
    ui.finish();
    EXPECT_EQ(ui.foregroundChanges().size(), 2u);  // the shared box gives the foreground back
}

TEST(ScriptedMessageBoxes, TextIsMatchedWholeOrInPart) {
    MessageBoxStep whole;
    whole.text = "No text entered.";
    MessageBoxStep part;
    part.textContains = "BCCed";
    part.buttons = 36;
    part.answer = mb::IdYes;
    ScriptedUi ui({whole, part});
    ui.messageBox("No text entered.", 64, "Ignore text missing - Corvane", 0);
    EXPECT_EQ(ui.messageBox("It appears that you were BCCed on this e-mail", 36, "BCCed e-mail - Corvane", 0),
              mb::IdYes);
    ui.finish();
}

TEST(ScriptedPrompts, APromptOfAnotherKindIsRefused) {
    ScriptedUi ui({box("Delay - Corvane", mb::IdOk)});
    SubjectForm form;
    form.load();
    const std::string error = scriptError([&] { form.show(ui); });
    EXPECT_NE(error.find("unexpected form frmSubject \"Empty Subject - Corvane\""), std::string::npos) << error;
    EXPECT_NE(error.find("expects message box titled \"Delay - Corvane\""), std::string::npos) << error;
}

TEST(ScriptedPrompts, FinishReportsAFailureTheCodeSwallowed) {
    ScriptedUi ui;
    try {
        ui.messageBox("Hi", 0, "Surprise", 0);
    } catch (const std::exception&) {
        // the code under test hides the failure
    }
    const std::string error = scriptError([&] { ui.finish(); });
    EXPECT_NE(error.find("\"Surprise\""), std::string::npos) << error;
}

TEST(ScriptedForms, AFormLeftOpenAfterItsActionsIsAnErrorNotAHang) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Type{"txtSubject", "x"}}}});
    SubjectForm form;
    const std::string error = scriptError([&] { form.show(ui); });
    EXPECT_NE(error.find("still open after its 1 scripted actions"), std::string::npos) << error;
}

TEST(ScriptedForms, ActionsLeftAfterTheFormClosedAreAnError) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Click{"cmdOK"}, act::Click{"cmdCancel"}}}});
    SubjectForm form;
    const std::string error = scriptError([&] { form.show(ui); });
    EXPECT_NE(error.find("action 2 (click cmdCancel): the form has closed already"), std::string::npos) << error;
}

TEST(ScriptedForms, ActingOnAControlTheUserCannotReachIsAnError) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Click{"cmdCancel"}}}});
    SubjectForm form;
    form.load();
    form.cmdCancel.setEnabled(false);
    EXPECT_NE(scriptError([&] { form.show(ui); }).find("cmdCancel is disabled"), std::string::npos);

    ScriptedUi ui2({FormStep{"frmChoices", {}, {act::Choose{"optB1"}}}});
    ChoicesForm choices;
    choices.load();
    choices.fraB.setVisible(false);
    EXPECT_NE(scriptError([&] { choices.show(ui2); }).find("optB1 is inside fraB, which is hidden"),
              std::string::npos);
}

TEST(ScriptedForms, AnUnknownControlIsAnErrorListingTheFormsControls) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Click{"cmdYes"}}}});
    SubjectForm form;
    const std::string error = scriptError([&] { form.show(ui); });
    EXPECT_NE(error.find("the form has no control cmdYes; it has lblLine1, lblSubject"), std::string::npos) << error;
}

TEST(ScriptedForms, TickingATickedBoxIsAnError) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Tick{"chkRemember"}, act::Tick{"chkRemember"}}}});
    SubjectForm form;
    EXPECT_NE(scriptError([&] { form.show(ui); }).find("chkRemember is ticked already"), std::string::npos);
}

TEST(ScriptedForms, ClosingTheWindowGoesThroughQueryUnload) {
    ScriptedUi ui({FormStep{"frmSubject", {}, {act::Close{}, act::Tick{"chkRemember"}, act::Close{}}}});
    SubjectForm form;
    form.load();
    form.refuseClose = true;
    form.chkRemember.onClick = [&] { form.refuseClose = false; };
    form.show(ui);
    ui.finish();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.queryModes,
              (std::vector<ui::UnloadMode>{ui::UnloadMode::FormControlMenu, ui::UnloadMode::FormControlMenu}));
    const auto& t = ui.transcript();
    EXPECT_NE(std::find(t.begin(), t.end(), "  (the form stayed open)"), t.end());
    EXPECT_EQ(t.back(), "  button cmdCancel \"&Cancel\" (cancel)");  // the unloaded form as the user left it
}

class ScriptedListsForm : public ui::Form {
public:
    ui::TabStrip TabStripWizard{*this, "TabStripWizard"};
    ui::ListBox lstKeywords{*this, "lstKeywords"};
    ui::ListView lstVRecipients{*this, "lstVRecipients"};
    ui::ComboBox cboYes{*this, "cboYes"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    std::vector<std::string> events;

    ScriptedListsForm() : Form("frmLists") {
        TabStripWizard.onClick = [this] { events.push_back("tab " + TabStripWizard.selectedTab()->caption()); };
        lstKeywords.onDblClick = [this] { events.push_back("dbl " + lstKeywords.text()); };
        lstVRecipients.onItemCheck = [this](ui::ListItem& i) { events.push_back("check " + i.tag()); };
        lstVRecipients.onColumnClick = [this](ui::ColumnHeader& c) {
            events.push_back("column " + std::to_string(c.index()));
        };
        lstVRecipients.onDblClick = [this] { events.push_back("dbl row " + lstVRecipients.selectedItem()->tag()); };
        cboYes.onClick = [this] { events.push_back("combo " + cboYes.text()); };
        cmdOK.onClick = [this] { hide(); };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Lists");
        TabStripWizard.addTab("Reply Vane");
        TabStripWizard.addTab("Subject Vane");
        lstKeywords.setTop(400);
        lstKeywords.setSorted(true);
        lstKeywords.setMultiSelect(ui::MultiSelect::Extended);
        for (const char* k : {"enclosed", "attach", "attached"}) lstKeywords.addItem(k);
        lstVRecipients.setTop(1400);
        lstVRecipients.setCheckboxes(true);
        lstVRecipients.addColumn("", 300);
        lstVRecipients.addColumn("Recipient", 4000);
        for (const char* r : {"Ann (ann@example.com)", "Bob (bob@example.com)"}) {
            ui::ListItem& item = lstVRecipients.addItem("");
            item.setSubItem(1, r);
            item.setTag(std::to_string(item.index()));
        }
        cboYes.setTop(2400);
        cboYes.setStyle(ui::ComboStyle::DropDownList);
        for (const char* d : {"7", "30"}) cboYes.addItem(d);
        cmdOK.setTop(3000);
    }
};

TEST(ScriptedForms, DriveListsListViewsTabsAndCombosByRowText) {
    ScriptedUi ui({FormStep{"frmLists",
                            "Lists",
                            {act::SelectTab{"TabStripWizard", "Subject Vane"},
                             act::Select{"lstKeywords", {"attached", "#3"}}, act::DoubleClick{"lstKeywords", "attach"},
                             act::TickRows{"lstVRecipients", {"Bob (bob@example.com)", "#1"}},
                             act::ClickColumn{"lstVRecipients", 1}, act::DoubleClick{"lstVRecipients", "#2"},
                             act::Select{"cboYes", {"30"}}, act::Click{"cmdOK"}}}});
    ScriptedListsForm form;
    form.show(ui);
    ui.finish();
    EXPECT_EQ(form.events, (std::vector<std::string>{"tab Subject Vane", "dbl attach", "check 2", "check 1",
                                                     "column 1", "dbl row 2", "combo 30"}));
    EXPECT_EQ(form.lstKeywords.selectedIndexes(), std::vector<int>{0});
}

TEST(ScriptedForms, ARowNameThatFitsNoRowOrSeveralIsAnError) {
    ScriptedListsForm form;
    ScriptedUi ui({FormStep{"frmLists", {}, {act::Select{"lstKeywords", {"zip"}}}}});
    EXPECT_NE(scriptError([&] { form.show(ui); }).find("lstKeywords: no row reads \"zip\""), std::string::npos);

    ScriptedListsForm twins;
    twins.lstVRecipients.item(2).setSubItem(1, "Ann (ann@example.com)");
    ScriptedUi ui2({FormStep{"frmLists", {}, {act::TickRows{"lstVRecipients", {"Ann (ann@example.com)"}}}}});
    EXPECT_NE(scriptError([&] { twins.show(ui2); }).find("more than one row reads"), std::string::npos);
}

TEST(ScriptedUiRecords, BeepsFoldersAndModelessForms) {
    ScriptedUi ui({FolderStep{"Export Settings", "C:\\Corvane"}, FolderStep{{}, {}}});
    ui.beep();
    EXPECT_EQ(ui.browseForFolder("Export Settings"), std::optional<std::string>("C:\\Corvane"));
    EXPECT_EQ(ui.browseForFolder("Other"), std::nullopt);
    SubjectForm progress;
    progress.showModeless(ui);
    progress.unload();
    ui.finish();
    EXPECT_EQ(ui.beeps(), 1);
    const auto& t = ui.transcript();
    EXPECT_EQ(t[0], "beep");
    EXPECT_EQ(t[1], "folder chooser \"Export Settings\" -> \"C:\\\\Corvane\"");
    EXPECT_EQ(t[2], "folder chooser \"Other\" -> cancelled");
    EXPECT_EQ(t[3], "form frmSubject \"Empty Subject - Corvane\" shown (modeless)");
    EXPECT_NE(std::find(t.begin(), t.end(), "form frmSubject \"Empty Subject - Corvane\" unloaded"), t.end());
}

// One short session: a prompt, a form filled in and closed, a confirmation.
std::string runSession() {
    MessageBoxStep confirm = box("Confirm Email Send - Corvane", mb::IdYes);
    confirm.buttons = 68;
    ScriptedUi ui({FormStep{"frmSubject",
                            {},
                            {act::Type{"txtSubject", "Weekly report"}, act::Tick{"chkRemember"},
                             act::PressKey{"txtSubject", 13}}},
                   confirm});
    SubjectForm form;
    form.load();
    ui.beep();
    form.show(ui);
    form.unload();
    platform::ShowMessageBox(ui, "Do you wish to send this email?\r\n\r\n(If you do not...)", 68,
                             "Confirm Email Send - Corvane");
    ui.finish();
    return ui.transcriptText();
}

TEST(ScriptedUiTranscript, IsTheSameOnEveryRunWithTheAnswersAmongTheFormsAndBoxes) {
    const std::string first = runSession();
    EXPECT_EQ(first, runSession());
    // The forms are rendered by the text presenter; around them come the user's actions
    // and the answers.
    for (const char* line : {"beep\nform frmSubject \"Empty Subject - Corvane\" shown\n",
                             "> type txtSubject \"Weekly report\"\n> tick chkRemember\n> press Enter in txtSubject\n"
                             "form frmSubject \"Empty Subject - Corvane\" hidden\n",
                             "  check chkRemember [x] \"Remember\"\n  button cmdOK \"&OK\" (default) (focus)\n",
                             "  | (If you do not...)\n  answer Yes\n"})
        EXPECT_NE(first.find(line), std::string::npos) << line << "\nin\n" << first;
}

}  // namespace
}  // namespace corvane::testing
