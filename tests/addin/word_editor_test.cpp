// Word as the editor (Outlook 2000 to 2003): the prompts run as template macros inside
// Word, which reach the add-in through Buttons and Connect objects.
#include "addin_fixture.h"
#include "corvane/addin/buttons.h"
#include "corvane/addin/word_macro.h"
#include "corvane/sim/word.h"

namespace corvane::addin::testing {
namespace {

class WordEditor : public AddinTest {
protected:
    explicit WordEditor(OutlookSetup setup = {"11.0.0.8010", true}) : AddinTest(std::move(setup)) {
        wordProcess = std::make_shared<core::AddinProcess>(host, wordHooks);
        wordProcess->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
    }
    void start() {
        openExplorer();
        connectAddin();
        hooks->log.clear();
    }
    // The template in the add-in's folder, loaded into Word, its macros calling Buttons.
    void installTemplate() {
        const std::string path = std::string(AddinFolder) + "\\Corvane.dot";
        files.files[path] = "template";
        app->word().addAddIn(path, true);
        app->word().setTemplateMacros("Corvane.dot", [this](std::string_view name, std::vector<ol::Variant>& args) {
            macros.emplace_back(name);
            Buttons buttons(wordProcess);
            if (name == "cvEmptySubjectCheckWord") {
                args[1] = args[1] == ol::Variant{true} || cancelSubject;
                return true;
            }
            if (name == "cvDelayEmailSendingWord") return true;
            if (name == "cvSelQuenlow") {
                std::string change, current = VariantText(args[1]), pref = VariantText(args[2]),
                                    address = VariantText(args[3]);
                buttons.SelQuenlow(change, current, pref, address);
                args[0] = change;
                return true;
            }
            return false;
        });
    }
    sim::SendOutcome sendToAnn() {
        sim::ItemSpec spec;
        spec.subject = "Hello";
        spec.sent = false;
        spec.to = {ann};
        return app->openItem(app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec))->clickSend();
    }

    std::shared_ptr<RecordingHooks> wordHooks = std::make_shared<RecordingHooks>();
    std::shared_ptr<core::AddinProcess> wordProcess;
    std::vector<std::string> macros;
    bool cancelSubject = false;
};

TEST_F(WordEditor, WithoutTheTemplateTheMissingMacroIsReportedByBothStages) {
    start();
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].title, "m_ObjMail_Send - Corvane");
    EXPECT_EQ(ui.boxes[0].prompt, "Error: -2147352573 Unable to run the specified macro");
    EXPECT_EQ(ui.boxes[1].prompt, "Error Number : -2147352573\r\nError Description : Unable to run the specified macro");
    EXPECT_FALSE(hooks->count("cvEmptySubjectCheck"));
}

TEST_F(WordEditor, TheSubjectMacroCanCancelTheSend) {
    installTemplate();
    start();
    cancelSubject = true;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_EQ(macros, std::vector<std::string>{"cvEmptySubjectCheckWord"});
    EXPECT_EQ(hooks->count("cvAttachMissingCheck"), 0);
}

TEST_F(WordEditor, TheAccountQuestionRunsInWordAndItsAnswerIsUsed) {
    installTemplate();
    start();
    wordHooks->selectAnswer = "Home";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_EQ(macros, (std::vector<std::string>{"cvEmptySubjectCheckWord", "cvDelayEmailSendingWord", "cvSelQuenlow"}));
    EXPECT_EQ(wordHooks->count("ShowSelectSendAcct Kelderon/Home"), 1);
    EXPECT_EQ(hooks->count("SendUsingPrefAccount Home"), 1);
    EXPECT_EQ(hooks->count("cvDelayEmailSending"), 0);
}

TEST_F(WordEditor, ButtonsWorksOnTheAddinsOwnListAndHandsTheCancelBack) {
    start();
    auto list = process->gSendAcct;
    wordHooks->dialogCancels = true;
    Buttons buttons(wordProcess);
    std::int16_t mode = 4;
    std::string account = "Kelderon", address = "ann@example.com", message = "gone";
    buttons.PrefAcctExistsFalse(mode, account, address, message);
    EXPECT_EQ(wordProcess->gSendAcct, list);  // the add-in's object, reached across
    EXPECT_EQ(process->gSendAcct, list);
    EXPECT_TRUE(process->gCancelSend);
    EXPECT_EQ(wordProcess->gPrefAcctMode, 4);
    EXPECT_EQ(wordHooks->count("ShowEmailAddressEdit Kelderon/gone"), 1);
    EXPECT_EQ(hooks->count("LoadAccounts"), 1);  // reloaded when handed back
}

TEST_F(WordEditor, ConnectHandsTheListOverAndTakesItBack) {
    start();
    auto other = std::make_shared<core::NeutralSendAcct>();
    std::shared_ptr<core::SendAcct> got;
    connect->WordEditorVariablesGet(got);
    EXPECT_EQ(got, process->gSendAcct);
    std::shared_ptr<core::SendAcct> given = other;
    bool cancel = true;
    connect->WordEditorVariablesSet(given, cancel);
    EXPECT_EQ(process->gSendAcct, other);
    EXPECT_TRUE(process->gCancelSend);
}

class WordOnOutlook2000 : public WordEditor {
protected:
    WordOnOutlook2000() : WordEditor({"9.0.0.2711", true}) {}
};

TEST_F(WordOnOutlook2000, HasNoSubjectCheckNoDelayAndNoTemplate) {
    start();
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(hooks->count("cvEmptySubjectCheck"), 0);
    EXPECT_EQ(hooks->count("cvAttachMissingCheck"), 1);
    EXPECT_EQ(hooks->count("cvDelayEmailSending"), 0);
    EXPECT_EQ(hooks->count("LoadAddin \\Corvane.dot"), 0);
}

class WordOnLateOutlook2002 : public WordEditor {
protected:
    WordOnLateOutlook2002() : WordEditor({"10.0.0.6515", true}) {}
};

TEST_F(WordOnLateOutlook2002, LoadsTheTemplateAtTheFirstActivationAndMarksItSavedEachTime) {
    hooks->lateBuild = true;
    start();
    auto inspector = app->openItem(app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail([&] {
        sim::ItemSpec s;
        s.sent = false;
        return s;
    }()));
    openExplorer();
    inspector->Activate();
    EXPECT_EQ(hooks->count("LoadAddin \\Corvane.dot"), 1);
    EXPECT_EQ(hooks->count("TemplateMarkSaved \\Corvane.dot"), 2);
}

}  // namespace
}  // namespace corvane::addin::testing
