// The send pipeline where the scenarios cannot reach: sends without a message window or of
// other items, failures injected into the steps, and the preferred-account steps, whose
// subsystem stands in through the recording hooks.
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

TEST_F(SendPipeline, AnItemOtherThanMailOrAlreadyCancelledPassesUnchecked) {
    start();
    app->openItem(received());
    sim::ItemSpec post;
    post.objectClass = ol::olclass::Post;
    post.subject = "Notice";
    bool cancel = false;
    connect->outAddIn()->objOutlook_ItemSend(inbox()->addItem(post)->asItem(), cancel);
    EXPECT_FALSE(cancel);
    cancel = true;
    connect->outAddIn()->objOutlook_ItemSend(draft({ann})->asItem(), cancel);
    EXPECT_TRUE(cancel);
    EXPECT_FALSE(called("ConfirmSend"));
}

// ---- stage 1
TEST_F(SendPipeline, AGoneItemIsNotCheckedByItsWindow) {
    start();
    hooks->entryIdFails = true;
    sendToAnn();
    EXPECT_FALSE(called("cvEmptySubjectCheck"));
    EXPECT_FALSE(called("cvDelayEmailSending"));
}

// ---- the preferred-account steps (their dialogs and list are stand-ins here)
TEST_F(SendPipeline, ADistributionListFirstSkipsTheAccountSteps) {
    start();
    EXPECT_EQ(app->openItem(draft({team, ann}))->clickSend(), sim::SendOutcome::Sent);
    EXPECT_FALSE(called("IsFirstRecipientListed"));
}

TEST_F(SendPipeline, AnErrorInTheAccountStepsCancelsWithoutAWord) {
    start();
    hooks->failIn = "IsFirstRecipientListed";
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Cancelled);
    EXPECT_NO_THROW(ui.finish()) << ui.transcriptText();
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

TEST_F(SendOnOutlook2002, HasNoAccountSteps) {
    start();
    EXPECT_EQ(sendToAnn(), sim::SendOutcome::Sent);
    EXPECT_TRUE(called("cvDelayEmailSending"));
    EXPECT_FALSE(called("IsFirstRecipientListed"));
}

}  // namespace
}  // namespace corvane::addin::testing
