// The subject and missing-attachment checks on the real path: the user's clicks in the
// simulated Outlook reach the add-in's window wrappers, which call the product's checks;
// every prompt is answered by the scripted Ui.
#include <gtest/gtest.h>

#include "../checks/dialog_test_support.h"
#include "addin_fixture.h"
#include "corvane/access/factory.h"
#include "corvane/addin/product_hooks.h"
#include "corvane/checks/attach_missing.h"
#include "corvane/simhost/sim_ui.h"

namespace corvane::addin::testing {
namespace {

namespace act = simhost::action;
namespace keys = settings::keys;
using corvane::testing::boxStep;
using corvane::testing::formStep;

class SubjectChecksE2E : public ::testing::Test {
protected:
    SubjectChecksE2E() {
        sim::OutlookOptions options;
        options.files = &files;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto profile = app->profile();
        me = profile->addressBook().addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {}, ""});
        ann = profile->addressBook().addSmtp("Ann Lee", "ann@example.com");
        profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
        profile->setCurrentUser(me);
        profile->addAccount({"Kelderon", "john@kelderon.example", ol::olaccount::Exchange, "John Smith"});

        process = std::make_shared<core::AddinProcess>(host, std::make_shared<ProductHooks>(),
                                                 std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
        process->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
        connect = Connect::Create(process);
        // Past the first start; the checks of the other groups stay quiet.
        for (auto [key, value] : {std::pair{keys::ShowStartupWizard, "False"}, {keys::LastCheckUpdateDate, "DoNotCheck"},
                                  {keys::blnMoveCV, "1"}, {keys::ReplyMultiple, "False"}, {keys::ReplyALL_BCC, "False"},
                                  {keys::ReplyAllAny, "False"}, {keys::ReplyAllAutoRemove, "False"},
                                  {keys::MsgAddAddress, "1"}})
            set(key, value);
        explorer = app->openExplorer(app->profile()->defaultFolder(ol::olfolder::Inbox));
        app->connectAddin(ConnectProgId, connect, ol::extconnect::Startup);
    }
    ~SubjectChecksE2E() override {
        if (app->isConnected(ConnectProgId)) app->disconnectAddin(ConnectProgId, ol::extdisconnect::HostShutdown);
    }
    void TearDown() override { EXPECT_NO_THROW(ui.finish()); }

    void set(std::string_view key, std::string_view value) { settings::SettingStore(registry).SaveSetting(key, value); }
    std::shared_ptr<sim::SimMailItem> receive(std::string subject, std::string body = "Let us meet.",
                                              int daysAgo = 0, std::string html = "") {
        sim::ItemSpec spec;
        spec.subject = std::move(subject);
        spec.body = std::move(body);
        spec.html = std::move(html);
        spec.from = ann;
        spec.to = {me};
        spec.received = clock.now().addDays(-daysAgo).addSeconds(-600);
        auto mail = app->profile()->defaultFolder(ol::olfolder::Inbox)->addMail(spec);
        explorer->select({mail});
        return mail;
    }
    // Opens a message to Ann and clicks Send in its window.
    sim::SendOutcome send(std::string subject, std::string body, std::string html = "",
                          std::vector<sim::AttachmentSpec> attachments = {}) {
        sim::ItemSpec spec;
        spec.subject = std::move(subject);
        spec.body = std::move(body);
        spec.html = std::move(html);
        spec.sent = false;
        spec.to = {ann};
        spec.attachments = std::move(attachments);
        window = app->openItem(app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec));
        return window->clickSend();
    }
    static std::string subjectOf(const std::shared_ptr<sim::SimInspector>& window) {
        return window->CurrentItem()->Subject();
    }
    void expectForm(std::string form, std::vector<simhost::FormAction> actions) {
        ui.addStep(formStep(std::move(form), std::move(actions)));
    }
    void expectAttachQuestion(int answer) {
        auto step = boxStep("Attachment(s) missing - Corvane", std::string(checks::basCorvane::kAttachMissingPrompt),
                            platform::mb::QuestionYesNo);
        step.answer = answer;
        ui.addStep(step);
    }
    bool transcriptHas(std::string_view line) const { return ui.transcriptText().find(line) != std::string::npos; }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    corvane::testing::MemoryFileSystem files;
    simhost::SimRegistry registry;
    simhost::ScriptedUi ui;
    StubShell shell;
    StubHttp http;
    StubSystem system;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> me, ann;
    std::shared_ptr<core::AddinProcess> process;
    std::shared_ptr<Connect> connect;
    std::shared_ptr<sim::SimExplorer> explorer;
    std::shared_ptr<sim::SimInspector> window;
};

// ---- when a reply or forward is created

TEST_F(SubjectChecksE2E, AReplyToAnOldMessageTakesTheSubjectTheUserTyped) {
    receive("Old plans", "Let us meet.", 40);
    expectForm("frmOldSubject", {act::Type{"txtSubject", "New  plans"}, act::Click{"mdOK"}});
    EXPECT_EQ(subjectOf(explorer->clickReply()), "New plans");  // the blanks are tidied afterwards
    EXPECT_TRUE(transcriptHas("more than 28 days old."));
}

TEST_F(SubjectChecksE2E, AReplyToAnOldMessageKeepsItsSubjectWhenTheUserChangesNothing) {
    receive("Old plans", "Let us meet.", 29);
    expectForm("frmOldSubject", {act::Click{"mdOK"}});
    EXPECT_EQ(subjectOf(explorer->clickReplyAll()), "RE: Old plans");
    receive("Recent plans", "Let us meet.", 28);
    EXPECT_EQ(subjectOf(explorer->clickReply()), "RE: Recent plans");
}

TEST_F(SubjectChecksE2E, SpamMarksAreRemovedWithYesAndKeptWithNo) {
    receive("[SPAM-LOW:] Offer");
    expectForm("frmRemoveSpam", {act::Click{"cmdYes"}});
    EXPECT_EQ(subjectOf(explorer->clickReply()), "RE: [] Offer");
    EXPECT_TRUE(transcriptHas("text txtNewSubject \"RE: [] Offer\""));
    expectForm("frmRemoveSpam", {act::Click{"cmdNo"}});
    EXPECT_EQ(subjectOf(explorer->clickReplyAll()), "RE: [SPAM-LOW:] Offer");
}

TEST_F(SubjectChecksE2E, TickingDoNotDisplayAgainCleansLaterForwardsSilently) {
    receive("SPAM-HIGH: Offer");
    expectForm("frmRemoveSpam", {act::Tick{"chkAutoCorrect"}, act::Click{"cmdYes"}});
    EXPECT_EQ(subjectOf(explorer->clickReply()), "RE: Offer");
    EXPECT_EQ(subjectOf(explorer->clickForward()), "FW: Offer");
}

TEST_F(SubjectChecksE2E, AForwardFromTheMessageWindowCollapsesItsPrefixesOnce) {
    auto mail = receive("FW: Fw: FW: Report");
    auto opened = app->openItem(mail);
    EXPECT_EQ(subjectOf(opened->clickForward()), "FW: Report");
}

// ---- when the message window sends

TEST_F(SubjectChecksE2E, AMessageWithoutSubjectIsSentAsConfirmedOrKeptOpen) {
    expectForm("frmNoSubject", {act::Click{"cmdCancel"}});
    EXPECT_EQ(send("", "Hello Ann"), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(window->closed());
    expectForm("frmNoSubject", {act::Click{"cmdOK"}});
    EXPECT_EQ(window->clickSend(), sim::SendOutcome::Sent);
    EXPECT_EQ(app->sentLog().back().subject, "");
}

TEST_F(SubjectChecksE2E, OnlyTheNewTextOfAReplyCountsForTheAttachmentQuestion) {
    receive("Report", "", 0, "<html><body><p>Please see attached.</p></body></html>");
    // Typed into the HTML editor: the plain text Outlook derives keeps the quoted header's
    // line breaks.
    auto reply = explorer->clickReply();
    const auto item = std::dynamic_pointer_cast<ol::MailItem>(reply->CurrentItem());
    std::string html = item->HTMLBody();
    item->SetHTMLBody(html.insert(html.find("<body>") + 6, "<p>Thanks, I will read it.</p>"));
    EXPECT_EQ(reply->clickSend(), sim::SendOutcome::Sent);

    auto second = explorer->clickReply();
    second->CurrentItem()->SetBody("The attachment you asked for." + second->CurrentItem()->Body());
    expectAttachQuestion(platform::mb::IdNo);
    EXPECT_EQ(second->clickSend(), sim::SendOutcome::Cancelled);
}

TEST_F(SubjectChecksE2E, AnInlineLogoIsNoAttachment) {
    expectAttachQuestion(platform::mb::IdYes);
    EXPECT_EQ(send("Logo", "", "<html><body><p>Enclosed is our logo.</p><img src=\"cid:Logo@01D2\"></body></html>",
                   {{"logo.png", "logo@01d2", ""}}),
              sim::SendOutcome::Sent);
}

TEST_F(SubjectChecksE2E, AnIgnoredVCardDoesNotCountButAnotherAttachmentDoes) {
    set(keys::IgnoreAttach, "True");
    set(keys::IgnoreAttachValue, "card.vcf");
    expectAttachQuestion(platform::mb::IdNo);
    EXPECT_EQ(send("Card", "My card is attached.", "", {{"Card.VCF", "", ""}}), sim::SendOutcome::Cancelled);
    EXPECT_EQ(send("Card", "attached", "", {{"Card.VCF", "", ""}, {"plan.xlsx", "", ""}}), sim::SendOutcome::Sent);
}

TEST_F(SubjectChecksE2E, ASignatureBlockWithNonBreakingSpacesIsIgnored) {
    const std::string html =
        "<html><body><p>See you Monday.</p><p>Kelderon&nbsp;Ltd&nbsp;- enclosed files are confidential</p>"
        "</body></html>";
    set(keys::IgnoreTextValue, " KELDERON LTD - Enclosed files are confidential ");
    expectAttachQuestion(platform::mb::IdYes);
    EXPECT_EQ(send("Monday", "", html), sim::SendOutcome::Sent);  // IgnoreText is off
    set(keys::IgnoreText, "True");
    EXPECT_EQ(send("Monday", "", html), sim::SendOutcome::Sent);
}

}  // namespace
}  // namespace corvane::addin::testing
