// Delayed sending: which messages get a deferred delivery time, what the question before
// delaying decides, and a delivery time the user chose being left alone.
#include "corvane/checks/basCorvane_send.h"
#include "send_checks_fixture.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
namespace act = simhost::action;
using platform::DateTime;

class DelayedSending : public SendChecksTest {
protected:
    DelayedSending() {
        set(keys::DelayEmails, "True");
        set(keys::NotifyBeforeDelaying, "False");
    }
    // Runs the delay on the message and gives its deferred delivery time.
    DateTime delay(const std::shared_ptr<sim::SimMailItem>& mail) {
        bool cancel = false;
        cv::cvDelayEmailSending(*process, mail->asItem(), cancel);
        EXPECT_FALSE(cancel);
        return mail->DeferredDeliveryTime();
    }
    std::shared_ptr<sim::SimMailItem> deferredTo(DateTime when, std::vector<sim::RecipientSpec> to) {
        auto mail = draft(std::move(to));
        mail->SetDeferredDeliveryTime(when);
        return mail;
    }
    void onlyListed(std::string_view list) {
        set(keys::AutoDelayAll, "0");
        set(keys::DelayedEmailAddrs, list);
        set(keys::NotifyBeforeDelaying, "True");
    }

    const DateTime now = clock.now();
};

TEST_F(DelayedSending, HoldsEveryMessageBackByDelayTimeSecondsWhileSwitchedOn) {
    EXPECT_EQ(delay(draft({ann})), now.addSeconds(60));
    set(keys::DelayTime, "300.9");
    EXPECT_EQ(delay(draft({bob})), now.addSeconds(300));
    set(keys::DelayEmails, "False");
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

TEST_F(DelayedSending, LeavesADeliveryTimeTheUserChoseAloneButNotOneInThePast) {
    set(keys::NotifyBeforeDelaying, "True");  // not even asked
    EXPECT_EQ(delay(deferredTo(now.addDays(1), {ann})), now.addDays(1));
    expectDelayPrompt({act::Click{"cmdYes"}});
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-3600), {ann})), now.addSeconds(60));
}

TEST_F(DelayedSending, TheQuestionDecidesForEveryMessageAndNoLeavesItUntouched) {
    set(keys::NotifyBeforeDelaying, "True");
    set(keys::PlaySound, "True");
    expectDelayPrompt({act::Click{"cmdYes"}});
    EXPECT_EQ(delay(draft({ann})), now.addSeconds(60));
    EXPECT_EQ(delayStatus(), "all e-mails by 60 seconds");
    EXPECT_EQ(ui.beeps(), 1);
    expectDelayPrompt({act::Click{"cmdNo"}});
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-10), {ann})), now.addSeconds(-10));
    EXPECT_FALSE(process->delayDecision);
}

TEST_F(DelayedSending, ListedAddressesDelayOnlyMessagesToThemAndNoSendsNow) {
    onlyListed("boss@example.com;ann@example.com");
    EXPECT_EQ(delay(draft({bob, john})), DateTime::none());  // no question either
    expectDelayPrompt({act::Click{"cmdYes"}});
    EXPECT_EQ(delay(draft({bob}, {ann})), now.addSeconds(60));
    EXPECT_EQ(delayStatus(), "e-mails to ann@example.com by 60 seconds");
    expectDelayPrompt({act::Click{"cmdNo"}});
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-3600), {ann})), now);
    onlyListed("");
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

TEST_F(DelayedSending, DoNotShowAgainWithNoSkipsThisMessageAndDelaysTheNextWithoutAsking) {
    set(keys::NotifyBeforeDelaying, "True");
    expectDelayPrompt({act::Tick{"chkNotifyB4Delaying"}, act::Click{"cmdNo"}});
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
    EXPECT_EQ(setting(keys::NotifyBeforeDelaying), "False");
    EXPECT_EQ(delay(draft({ann})), now.addSeconds(60));
}

TEST_F(DelayedSending, EachQuestionStartsFromDelaying) {
    set(keys::NotifyBeforeDelaying, "True");
    expectDelayPrompt({act::Click{"cmdNo"}});
    delay(draft({ann}));
    expectDelayPrompt({act::Close{}});  // the window's X decides nothing
    EXPECT_EQ(delay(draft({ann})), now.addSeconds(60));
    process->delayDecision = false;
    set(keys::NotifyBeforeDelaying, "False");
    EXPECT_TRUE(cv::DelayPrompt(*process, 60, ""));
    EXPECT_TRUE(process->delayDecision);
}

TEST_F(DelayedSending, ADelayTimeThatIsNoNumberIsReportedAndTheMessageGoesAtOnce) {
    set(keys::DelayTime, "a minute");
    expectBox("cvDelayEmailSending - Corvane", "Error: 13 Type mismatch", platform::mb::InformationOk);
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
    set(keys::DelayTime, "99999999999");
    expectBox("cvDelayEmailSending - Corvane", "Error: 6 Overflow", platform::mb::InformationOk);
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

}  // namespace
}  // namespace corvane::testing
