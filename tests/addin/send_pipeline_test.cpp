// The send pipeline: the message window's send event, then Outlook's send event with its
// gates, confirmations, delay and preferred-account steps.
#include "addin_fixture.h"
#include "corvane/addin/out_addin.h"

namespace corvane::addin::testing {
namespace {

class SendPipeline : public AddinTest {
protected:
    explicit SendPipeline(OutlookSetup setup = {}) : AddinTest(std::move(setup)) {}
    void start() {
        explorer = openExplorer();
        connectAddin();
        hooks->log.clear();
    }
    std::shared_ptr<sim::SimMailItem> draft(std::vector<sim::RecipientSpec> to, std::string subject = "Hello") {
        sim::ItemSpec spec;
        spec.subject = std::move(subject);
        spec.sent = false;
        spec.to = std::move(to);
        return app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    }
    // Opens a message to Ann and sends it from its window.
    sim::SendOutcome sendToAnn() { return app->openItem(draft({ann}))->clickSend(); }
    bool called(const std::string& what) const { return hooks->count(what) > 0; }

    std::shared_ptr<sim::SimExplorer> explorer;
};

// ---- stage 2 gates
TEST_F(SendPipeline, AMessageSentWithoutAnyMessageWindowIsNotChecked) {
    start();
    EXPECT_EQ(draft({ann})->send(), sim::SendOutcome::Sent);
    EXPECT_FALSE(called("ConfirmSend"));
}

TEST_F(SendPipeline, StopsWhenTheListCannotBeLoaded) {
    hooks->listLoads = false;
    start();
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("LoadList"));
    EXPECT_FALSE(called("ConfirmSend"));
}

TEST_F(SendPipeline, AnItemOtherThanMailPassesUnchecked) {
    start();
    app->openItem(received());
    sim::ItemSpec post;
    post.objectClass = ol::olclass::Post;
    post.subject = "Notice";
    auto item = inbox()->addItem(post);
    bool cancel = false;
    connect->outAddIn()->objOutlook_ItemSend(item->asItem(), cancel);
    EXPECT_FALSE(cancel);
    EXPECT_FALSE(called("ConfirmSend"));
}

TEST_F(SendPipeline, ACancelSetBeforeStopsWithoutPrompting) {
    start();
    app->openItem(received());
    bool cancel = true;
    connect->outAddIn()->objOutlook_ItemSend(draft({ann})->asItem(), cancel);
    EXPECT_TRUE(cancel);
    EXPECT_FALSE(called("ConfirmSend"));
}

TEST_F(SendPipeline, AnErrorBeforeTheAccountStepsIsShownAndStopsTheSend) {
    start();
    hooks->failIn = "ConfirmSend";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error Number : 13\r\nError Description : Type mismatch");
    EXPECT_EQ(ui.boxes[0].buttons, 16);
    EXPECT_EQ(ui.boxes[0].title, "Corvane");
    EXPECT_TRUE(called("ResetMapiUtils"));
    EXPECT_FALSE(called("cvDelayEmailSending"));
}

TEST_F(SendPipeline, NoToTheConfirmationCancels) {
    start();
    hooks->confirmation = core::Confirmation::No;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(called("ConfirmRecipientCount"));
    EXPECT_FALSE(called("cvDelayEmailSending"));
}

TEST_F(SendPipeline, YesToTheConfirmationSkipsTheRecipientCount) {
    start();
    hooks->confirmation = core::Confirmation::Yes;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_FALSE(called("ConfirmRecipientCount"));
    EXPECT_TRUE(called("cvDelayEmailSending"));
}

TEST_F(SendPipeline, NoToTheRecipientCountCancels) {
    start();
    hooks->countAnswer = false;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(called("cvDelayEmailSending"));
}

// ---- stage 1
TEST_F(SendPipeline, TheWindowChecksTheSubjectThenTheAttachments) {
    start();
    sendToAnn();
    std::vector<std::string> checks;
    for (const auto& e : hooks->log)
        if (e.rfind("cv", 0) == 0) checks.push_back(e);
    EXPECT_EQ(checks, (std::vector<std::string>{"cvEmptySubjectCheck", "cvAttachMissingCheck", "cvDelayEmailSending"}));
}

TEST_F(SendPipeline, ACancelledSubjectSkipsTheAttachmentsAndTheSendEvent) {
    start();
    hooks->cancelEmptySubject = true;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(called("cvAttachMissingCheck"));
    EXPECT_FALSE(called("ConfirmSend"));
}

TEST_F(SendPipeline, AGoneItemIsNotCheckedByItsWindow) {
    start();
    hooks->entryIdFails = true;
    sendToAnn();
    EXPECT_FALSE(called("cvEmptySubjectCheck"));
    EXPECT_FALSE(called("cvDelayEmailSending"));
}

TEST_F(SendPipeline, AnErrorInTheWindowsChecksIsShownAndTheSendGoesOn) {
    start();
    hooks->failIn = "cvEmptySubjectCheck";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error: 91 Object variable not set");
    EXPECT_EQ(ui.boxes[0].title, "m_ObjMail_Send - Corvane");
    EXPECT_EQ(ui.boxes[0].buttons, 64);
}

// ---- the preferred-account steps
TEST_F(SendPipeline, ADistributionListFirstSkipsTheAccountSteps) {
    start();
    EXPECT_EQ(app->openItem(draft({team, ann}))->clickSend(), sim::SendOutcome::Sent);
    EXPECT_FALSE(called("IsFirstRecipientListed"));
}

TEST_F(SendPipeline, AnErrorInTheAccountStepsCancelsWithoutAWord) {
    start();
    hooks->failIn = "IsFirstRecipientListed";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SendPipeline, AnUnlistedCorrespondentIsOfferedForTheList) {
    start();
    hooks->listed = false;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("ShowAddEmailToList ann@example.com/Kelderon"));
}

TEST_F(SendPipeline, NoOfferWithoutAnAddressOrWhenTheUserSaidNever) {
    start();
    hooks->listed = false;
    hooks->firstAddress = "";
    sendToAnn();
    hooks->firstAddress = "ann@example.com";
    setSetting(settings::keys::MsgAddAddress, "1");
    sendToAnn();
    EXPECT_FALSE(called("ShowAddEmailToList ann@example.com/Kelderon"));
}

TEST_F(SendPipeline, CancellingTheOfferKeepsTheMessageOpenOnce) {
    start();
    hooks->listed = false;
    hooks->dialogCancels = true;
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(process->gCancelSend);
}

TEST_F(SendPipeline, AnAccountChosenInTheOfferIsUsedAtOnce) {
    start();
    hooks->listed = false;
    hooks->dialogStores = "Home";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("SendUsingPrefAccount Home"));
    EXPECT_EQ(process->gSendAcct->strChangeAcct(), "");
}

TEST_F(SendPipeline, NoQuestionWithoutPreferredAccountOrWithOneAccountOrTheSameAccount) {
    start();
    hooks->prefAccount = " No Account Selected ";
    sendToAnn();
    hooks->prefAccount = "Home";
    hooks->accountCount = 1;
    sendToAnn();
    hooks->accountCount = 2;
    hooks->prefAccount = " KELDERON";
    sendToAnn();
    EXPECT_FALSE(called("ShowSelectSendAcct Kelderon/Home"));
    EXPECT_FALSE(called("ShowSelectSendAcct Kelderon/ KELDERON"));
}

TEST_F(SendPipeline, AGonePreferredAccountAsksForAnother) {
    start();
    hooks->lastList->goneAccount = "Home";
    hooks->dialogStores = "Private";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("ShowEmailAddressEdit Kelderon/gone Home"));
    EXPECT_TRUE(called("SendUsingPrefAccount Private"));
}

TEST_F(SendPipeline, DoNotShowSelectSwitchesWithoutAsking) {
    start();
    setSetting(settings::keys::DoNotShowSelect, "1");
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("SendUsingPrefAccount Home"));
    EXPECT_FALSE(called("ShowSelectSendAcct Kelderon/Home"));
}

TEST_F(SendPipeline, TheSelectionDialogsAnswerIsUsed) {
    start();
    hooks->selectAnswer = "Home";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("ShowSelectSendAcct Kelderon/Home"));
    EXPECT_TRUE(called("SendUsingPrefAccount Home"));
}

TEST_F(SendPipeline, GoBackInTheSelectionDialogCancels) {
    start();
    hooks->selectAnswer = "CANCEL";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(called("SendUsingPrefAccount Home"));
}

class SendOnOutlook2002 : public SendPipeline {
protected:
    SendOnOutlook2002() : SendPipeline({"10.0.0.6515", false}) {}
};

TEST_F(SendOnOutlook2002, ConfirmsAndDelaysButHasNoAccountSteps) {
    start();
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("ConfirmSend"));
    EXPECT_TRUE(called("cvDelayEmailSending"));
    EXPECT_FALSE(called("IsFirstRecipientListed"));
}

}  // namespace
}  // namespace corvane::addin::testing
