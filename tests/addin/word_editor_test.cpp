// Word as the editor (Outlook 2000 to 2003): the prompts run as template macros inside
// Word, which reach the add-in through Buttons and Connect objects.
#include "addin_fixture.h"
#include "corvane/access/factory.h"
#include "corvane/addin/buttons.h"
#include "corvane/addin/word_macro.h"
#include "corvane/sim/word.h"
#include "corvane/simhost/sim_ui.h"
#include "support/world.h"

namespace corvane::addin::testing {
namespace {

class WordEditor : public AddinTest {
protected:
    explicit WordEditor(OutlookSetup setup = {"11.0.0.8010", true}) : AddinTest(std::move(setup)) {
        wordProcess = std::make_shared<Process>(sim->host(), wordHooks->subsystems());
        wordProcess->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
    }
    void start() {
        openExplorer();
        connectAddin();
        hooks->log.clear();
    }
    // The template in the add-in's folder, loaded into Word, its macros calling Buttons.
    void installTemplate() {
        const std::string path = addinFile("Corvane.dot");
        sim->files().writeFile(path, "template");
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
    std::shared_ptr<sim::SimInspector> openDraft() {
        sim::ItemSpec spec;
        spec.subject = "Hello";
        spec.sent = false;
        spec.to = {ann};
        return app->openItem(app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec));
    }
    sim::SendOutcome sendToAnn() { return openDraft()->clickSend(); }
    // The message window comes to the front a second time.
    void activateAgain(const std::shared_ptr<sim::SimInspector>& inspector) {
        openExplorer();
        inspector->Activate();
    }

    std::shared_ptr<Recorder> wordHooks = std::make_shared<Recorder>();
    std::shared_ptr<Process> wordProcess;
    std::vector<std::string> macros;
    bool cancelSubject = false;
};

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
    EXPECT_EQ(macros,
              (std::vector<std::string>{"cvEmptySubjectCheckWord", "cvDelayEmailSendingWord", "cvSelQuenlow"}));
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

class WordOnOutlook2000 : public WordEditor {
protected:
    WordOnOutlook2000() : WordEditor({"9.0.0.2711", true}) {}
};

TEST_F(WordOnOutlook2000, LoadsNoTemplate) {
    start();
    activateAgain(openDraft());
    EXPECT_EQ(hooks->count("LoadAddin \\Corvane.dot"), 0);
    EXPECT_EQ(hooks->count("TemplateMarkSaved \\Corvane.dot"), 0);
}

class WordOnLateOutlook2002 : public WordEditor {
protected:
    WordOnLateOutlook2002() : WordEditor({"10.0.0.6515", true}) {}
};

TEST_F(WordOnLateOutlook2002, LoadsTheTemplateAtTheFirstActivationAndMarksItSavedEachTime) {
    hooks->lateBuild = true;
    start();
    activateAgain(openDraft());
    EXPECT_EQ(hooks->count("LoadAddin \\Corvane.dot"), 1);
    EXPECT_EQ(hooks->count("TemplateMarkSaved \\Corvane.dot"), 2);
}

// The delay run by Word's template through Buttons, with the product's own checks on both
// sides: the add-in in Outlook confirms, the code in Word finds the listed recipient
// through Outlook's session and sets the delivery time on Outlook's item.
class WordDelaysThroughButtons : public corvane::testing::WorldTest {
protected:
    struct ListFolder final : accounts::MailFolder {
        std::shared_ptr<core::SendAcct> NewSendAcct(core::AddinProcess&) override {
            return std::make_shared<FakeSendAcct>(log);
        }
        std::vector<std::string> log;
    };
    // The recipients have no preferred account: the account steps end at once.
    struct NoPreference final : accounts::PreferredAccount {
        bool IsFirstRecipientListed(core::AddinProcess&, const std::shared_ptr<ol::Item>&, std::string&) override {
            return true;
        }
        std::string PrefAccountFor(core::AddinProcess&, const std::string&) override { return "No Account Selected"; }
    };
    std::shared_ptr<Process> newProcess() {
        Subsystems s;
        s.mailFolder = std::make_shared<ListFolder>();
        s.prefAccount = std::make_shared<NoPreference>();
        auto p = std::make_shared<Process>(host().host(), s,
                                           std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
        p->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
        return p;
    }
    WordDelaysThroughButtons() : WorldTest(corvane::testing::OutlookSetup{"11.0.0.8010", true}) {
        app->registerClass(ConnectProgId, [p = std::weak_ptr<Process>(process)] {
            return std::shared_ptr<ol::Dispatch>(Connect::Create(p.lock()));
        });
        for (auto [key, value] : {std::pair{settings::keys::ShowStartupWizard, "False"},
                                  {settings::keys::LastCheckUpdateDate, "DoNotCheck"},
                                  {settings::keys::blnMoveCV, "1"},
                                  {settings::keys::DisplayConfirmation, "1"},
                                  {settings::keys::DelayEmails, "True"},
                                  {settings::keys::AutoDelayAll, "0"},
                                  {settings::keys::DelayedEmailAddrs, "ann@example.com"}})
            set(key, value);
        const std::string path = addinFile("Corvane.dot");
        host().files().writeFile(path, "template");
        app->word().addAddIn(path, true);
        app->word().setTemplateMacros("Corvane.dot", [this](std::string_view name, std::vector<ol::Variant>& args) {
            macros.emplace_back(name);
            if (name == "cvEmptySubjectCheckWord") return true;
            if (name != "cvDelayEmailSendingWord") return false;
            auto item = std::dynamic_pointer_cast<ol::Item>(std::get<std::shared_ptr<ol::Dispatch>>(args[0]));
            bool cancel = VariantBool(args[1]);
            Buttons(wordProcess).DelayEmailSending(item, cancel);
            args[1] = cancel;
            return true;
        });
        app->openExplorer(folder(ol::olfolder::Inbox));
        app->connectAddin(ConnectProgId, connect, ol::extconnect::Startup);
    }
    ~WordDelaysThroughButtons() override { app->disconnectAddin(ConnectProgId, ol::extdisconnect::HostShutdown); }

    void expectConfirmationToBob() {
        expectBoxContaining("Confirm Email Send - Corvane", "Do you wish to send this email to Bob Ray?",
                            platform::mb::InformationYesNo, platform::mb::IdYes);
    }
    std::shared_ptr<sim::SimInspector> writeTo(std::vector<sim::RecipientSpec> to) {
        sim::ItemSpec spec;
        spec.subject = "Hello";
        spec.to = std::move(to);
        return app->openItem(draft(spec));
    }

    std::shared_ptr<Process> process = newProcess();
    std::shared_ptr<Process> wordProcess = newProcess();
    std::shared_ptr<Connect> connect = Connect::Create(process);
    std::vector<std::string> macros;
};

TEST_F(WordDelaysThroughButtons, OnlyAMessageToAListedAddress) {
    const auto sendTime = clock().now();
    expectConfirmationToBob();
    expectForm("frmNotifyB4Delay", {simhost::action::Click{"cmdYes"}});
    EXPECT_EQ(writeTo({entry("Bob Ray"), entry("Ann Lee")})->clickSend(), sim::SendOutcome::Queued);
    EXPECT_TRUE(shows("label lblDelayStatus \"e-mails to ann@example.com by 60 seconds\""));
    const auto& outbox = folder(ol::olfolder::Outbox)->items();
    ASSERT_EQ(outbox.size(), 1u);
    EXPECT_EQ(std::dynamic_pointer_cast<ol::MailItem>(outbox.front()->asItem())->DeferredDeliveryTime(),
              sendTime.addSeconds(60));
    EXPECT_EQ(macros, (std::vector<std::string>{"cvEmptySubjectCheckWord", "cvDelayEmailSendingWord"}));

    expectConfirmationToBob();
    EXPECT_EQ(writeTo({entry("Bob Ray")})->clickSend(), sim::SendOutcome::Sent);
}

}  // namespace
}  // namespace corvane::addin::testing
