// From the user's Send click to the Outbox: the confirmation, the recipient count and the
// delay run through the add-in's own hooks on the simulated Outlook, every prompt answered
// from a script.
#include <gtest/gtest.h>

#include "addin_fixture.h"
#include "corvane/access/factory.h"
#include "corvane/addin/buttons.h"
#include "corvane/addin/product_hooks.h"
#include "corvane/addin/word_macro.h"
#include "corvane/sim/word.h"
#include "corvane/simhost/sim_ui.h"
#include "support/send_scene.h"

namespace corvane::addin::testing {
namespace {

namespace keys = settings::keys;
namespace act = simhost::action;
using platform::DateTime;
using platform::mb::IdNo;
using platform::mb::IdYes;

// The add-in's own hooks, with a preferred-account list that loads and knows no
// account, so that the account steps after the delay leave every message alone.
class SendHooks final : public ProductHooks {
public:
    std::shared_ptr<core::SendAcct> NewSendAcct(core::AddinProcess&) override { return std::make_shared<FakeSendAcct>(log); }
    std::vector<std::string> log;
};

class SendChecksEndToEnd : public ::testing::Test, protected corvane::testing::SendScene {
protected:
    explicit SendChecksEndToEnd(OutlookSetup setup = {}) : SendScene(setup.version, setup.wordEditor) {
        app->registerClass(ConnectProgId, [p = std::weak_ptr<core::AddinProcess>(process)] {
            return std::shared_ptr<ol::Dispatch>(Connect::Create(p.lock()));
        });
        set(keys::ShowStartupWizard, "False");
        set(keys::LastCheckUpdateDate, "DoNotCheck");
        set(keys::blnMoveCV, "1");
        app->openExplorer(folder(ol::olfolder::Inbox));
        app->connectAddin(ConnectProgId, connect, ol::extconnect::Startup);
    }
    ~SendChecksEndToEnd() override { app->disconnectAddin(ConnectProgId, ol::extdisconnect::HostShutdown); }
    void TearDown() override { EXPECT_NO_THROW(ui.finish()) << ui.transcriptText(); }

    // Opens a new message to these recipients and clicks its Send.
    sim::SendOutcome send(std::vector<sim::RecipientSpec> to, std::optional<DateTime> deferred = std::nullopt) {
        auto mail = draft(std::move(to));
        if (deferred) mail->SetDeferredDeliveryTime(*deferred);
        window = app->openItem(mail);
        return window->clickSend();
    }
    void expectDelayPrompt(std::string status, std::vector<simhost::FormAction> actions) {
        SendScene::expectDelayPrompt(std::move(actions));
        statuses.push_back("  label lblDelayStatus \"" + std::move(status) + "\"");
    }
    // Every delay question showed what was scripted for it.
    void checkStatuses() const {
        for (const auto& line : statuses)
            EXPECT_NE(std::find(ui.transcript().begin(), ui.transcript().end(), line), ui.transcript().end()) << line;
    }
    DateTime outboxDelivery() const {
        const auto& items = folder(ol::olfolder::Outbox)->items();
        if (items.size() != 1) return DateTime();
        return std::dynamic_pointer_cast<ol::MailItem>(items.front()->asItem())->DeferredDeliveryTime();
    }

    const DateTime sendTime = clock.now();
    std::shared_ptr<core::AddinProcess> process = std::make_shared<core::AddinProcess>(host, std::make_shared<SendHooks>(),
                                              std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
    std::shared_ptr<Connect> connect = Connect::Create(process);
    std::shared_ptr<sim::SimInspector> window;
    std::vector<std::string> statuses;
};

// ---- confirmation and count
TEST_F(SendChecksEndToEnd, TwentyRecipientsWithBothConfirmationsAreAskedOnce) {
    set(keys::DisplayConfirmation, "1");
    set(keys::ConfirmForXRecipients, "True");
    expectConfirmation("Do you wish to send this email to person1?", IdYes);
    EXPECT_EQ(send(people(20)), sim::SendOutcome::Sent);
    EXPECT_EQ(app->sentLog().size(), 1u);
}

TEST_F(SendChecksEndToEnd, NoToTheConfirmationKeepsTheMessageOpen) {
    set(keys::DisplayConfirmation, "1");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdNo);
    EXPECT_EQ(send({ann}), sim::SendOutcome::Cancelled);
    EXPECT_FALSE(window->closed());
    EXPECT_TRUE(folder(ol::olfolder::Outbox)->items().empty());
}

TEST_F(SendChecksEndToEnd, WithoutAListedRecipientTheCountIsStillAsked) {
    set(keys::DisplayConfirmation, "2");
    set(keys::ConfirmEmailAddrs, "boss@example.com");
    set(keys::ConfirmForXRecipients, "True");
    set(keys::XRecipients, "3");
    expectConfirmation("Do you wish to send this email to person1?", IdNo);
    EXPECT_EQ(send(people(4)), sim::SendOutcome::Cancelled);
    // A distribution list is one recipient however many members it has.
    EXPECT_EQ(send({team, ann, friends}), sim::SendOutcome::Sent);
}

// ---- delay
TEST_F(SendChecksEndToEnd, ADelayedMessageWaitsInTheOutboxUntilItsTimeComes) {
    set(keys::DelayEmails, "True");
    set(keys::NotifyBeforeDelaying, "False");
    EXPECT_EQ(send({ann}), sim::SendOutcome::Queued);
    EXPECT_EQ(outboxDelivery(), sendTime.addSeconds(60));
    clock.advanceSeconds(59);
    app->runTransport();
    EXPECT_TRUE(app->sentLog().empty());
    clock.advanceSeconds(1);
    app->runTransport();
    ASSERT_EQ(app->sentLog().size(), 1u);
    EXPECT_EQ(app->sentLog()[0].deferredDelivery, sendTime.addSeconds(60));
    EXPECT_EQ(folder(ol::olfolder::SentMail)->items().size(), 1u);
}

TEST_F(SendChecksEndToEnd, AMessageTheUserDeferredToTomorrowKeepsItsTime) {
    set(keys::DelayEmails, "True");
    EXPECT_EQ(send({ann}, sendTime.addDays(1)), sim::SendOutcome::Queued);
    EXPECT_EQ(outboxDelivery(), sendTime.addDays(1));
}

TEST_F(SendChecksEndToEnd, TheConfirmationThenTheDelayQuestionDecide) {
    set(keys::DisplayConfirmation, "1");
    set(keys::DelayEmails, "True");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    expectDelayPrompt("all e-mails by 60 seconds", {act::Click{"cmdNo"}});
    EXPECT_EQ(send({ann}), sim::SendOutcome::Sent);
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    expectDelayPrompt("all e-mails by 60 seconds", {act::Click{"cmdYes"}});
    EXPECT_EQ(send({bob}), sim::SendOutcome::Queued);
    checkStatuses();
}

TEST_F(SendChecksEndToEnd, OnlyMessagesToListedAddressesAreDelayedAndNoSendsThemNow) {
    set(keys::DelayEmails, "True");
    set(keys::AutoDelayAll, "0");
    set(keys::DelayedEmailAddrs, "ann@example.com");
    EXPECT_EQ(send({bob}), sim::SendOutcome::Sent);
    expectDelayPrompt("e-mails to ann@example.com by 60 seconds", {act::Click{"cmdNo"}});
    EXPECT_EQ(send({bob, ann}, sendTime.addSeconds(-600)), sim::SendOutcome::Sent);
    EXPECT_EQ(app->sentLog().back().deferredDelivery, sendTime);
    checkStatuses();
}

TEST_F(SendChecksEndToEnd, DoNotShowAgainHoldsForTheMessagesThatFollow) {
    set(keys::DelayEmails, "True");
    expectDelayPrompt("all e-mails by 60 seconds", {act::Tick{"chkNotifyB4Delaying"}, act::Click{"cmdNo"}});
    EXPECT_EQ(send({ann}), sim::SendOutcome::Sent);
    EXPECT_EQ(send({bob}), sim::SendOutcome::Queued);
}

class SendChecksOnOutlook2002 : public SendChecksEndToEnd {
protected:
    SendChecksOnOutlook2002() : SendChecksEndToEnd({"10.0.0.6515", false}) {}
};

TEST_F(SendChecksOnOutlook2002, ConfirmsAndDelays) {
    set(keys::DisplayConfirmation, "1");
    set(keys::DelayEmails, "True");
    set(keys::NotifyBeforeDelaying, "False");
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    EXPECT_EQ(send({ann}), sim::SendOutcome::Queued);
}

// Word edits the message: the confirmation is still the add-in's box, the delay runs
// inside Word, whose template calls Buttons.
class SendChecksWithWord : public SendChecksEndToEnd {
protected:
    explicit SendChecksWithWord(OutlookSetup setup = {"11.0.0.8010", true}) : SendChecksEndToEnd(std::move(setup)) {
        wordProcess = std::make_shared<core::AddinProcess>(host, std::make_shared<SendHooks>(),
                                              std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
        wordProcess->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
        const std::string path = system.addinFolder() + "\\Corvane.dot";
        files.files[path] = "template";
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
        set(keys::DisplayConfirmation, "1");
        set(keys::DelayEmails, "True");
    }
    std::shared_ptr<core::AddinProcess> wordProcess;
    std::vector<std::string> macros;
};

TEST_F(SendChecksWithWord, TheAddinConfirmsAndWordDelays) {
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    expectDelayPrompt("all e-mails by 60 seconds", {act::Click{"cmdYes"}});
    EXPECT_EQ(send({ann}), sim::SendOutcome::Queued);
    EXPECT_EQ(outboxDelivery(), sendTime.addSeconds(60));
    EXPECT_EQ(macros, (std::vector<std::string>{"cvEmptySubjectCheckWord", "cvDelayEmailSendingWord"}));
    checkStatuses();
}

TEST_F(SendChecksWithWord, WordFindsListedAddressesThroughOutlooksSession) {
    set(keys::AutoDelayAll, "0");
    set(keys::DelayedEmailAddrs, "ann@example.com");
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    expectDelayPrompt("e-mails to ann@example.com by 60 seconds", {act::Click{"cmdYes"}});
    EXPECT_EQ(send({bob, ann}), sim::SendOutcome::Queued);
    expectConfirmation("Do you wish to send this email to Bob Ray?", IdYes);
    EXPECT_EQ(send({bob}), sim::SendOutcome::Sent);
    checkStatuses();
}

class SendChecksWithWordOnOutlook2000 : public SendChecksWithWord {
protected:
    SendChecksWithWordOnOutlook2000() : SendChecksWithWord({"9.0.0.2711", true}) {}
};

TEST_F(SendChecksWithWordOnOutlook2000, ConfirmsButDoesNotDelay) {
    expectConfirmation("Do you wish to send this email to Ann Lee?", IdYes);
    EXPECT_EQ(send({ann}), sim::SendOutcome::Sent);
    EXPECT_TRUE(macros.empty());
}

}  // namespace
}  // namespace corvane::addin::testing
