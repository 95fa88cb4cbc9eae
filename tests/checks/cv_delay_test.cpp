// Delayed sending: which messages get a deferred delivery time, what the question before
// delaying decides, and a delivery time the user chose being left alone.
#include "corvane/checks/basCorvane_send.h"
#include "send_checks_fixture.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
namespace act = sim::action;
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
    DateTime in(int seconds) const { return now.addSeconds(seconds); }
    void onlyListed(std::string_view list) {
        set(keys::AutoDelayAll, "0");
        set(keys::DelayedEmailAddrs, list);
    }
    std::shared_ptr<sim::SimMailItem> deferredTo(DateTime when) {
        auto mail = draft({ann});
        mail->SetDeferredDeliveryTime(when);
        return mail;
    }

    const DateTime now = clock.now();
};

TEST(DeliveryTime, OnlyOutlooksNoDateMeansNone) {
    EXPECT_TRUE(cv::IsNoDeliveryTime(DateTime::fromCivil(4501, 1, 1)));
    EXPECT_FALSE(cv::IsNoDeliveryTime(DateTime::fromCivil(4501, 1, 1, 0, 0, 1)));
}

TEST_F(DelayedSending, DoesNothingWhileSwitchedOff) {
    set(keys::DelayEmails, "False");
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

TEST_F(DelayedSending, HoldsEveryMessageBackByDelayTimeSeconds) {
    EXPECT_EQ(delay(draft({ann})), in(60));
    set(keys::DelayTime, "300.9");
    EXPECT_EQ(delay(draft({bob})), in(300));
}

TEST_F(DelayedSending, LeavesADeliveryTimeTheUserChoseAlone) {
    set(keys::NotifyBeforeDelaying, "True");  // not even asked
    EXPECT_EQ(delay(deferredTo(now.addDays(1))), now.addDays(1));
}

TEST_F(DelayedSending, ADeliveryTimeInThePastIsDelayedAsUsual) {
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-3600))), in(60));
}

TEST_F(DelayedSending, TheQuestionDecidesForEveryMessageAndNoLeavesItUntouched) {
    set(keys::NotifyBeforeDelaying, "True");
    set(keys::PlaySound, "True");
    expectDelayPrompt({act::Click{"cmdYes"}});
    EXPECT_EQ(delay(draft({ann})), in(60));
    EXPECT_EQ(delayStatus(), "all e-mails by 60 seconds");
    EXPECT_EQ(ui.beeps(), 1);
    expectDelayPrompt({act::Click{"cmdNo"}});
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-10))), now.addSeconds(-10));
    EXPECT_FALSE(process->delayDecision);
}

TEST_F(DelayedSending, ListedAddressesDelayOnlyMessagesToThem) {
    onlyListed("boss@example.com;ann@example.com");
    set(keys::NotifyBeforeDelaying, "True");
    EXPECT_EQ(delay(draft({bob, john})), DateTime::none());  // no question either
    expectDelayPrompt({act::Click{"cmdYes"}});
    EXPECT_EQ(delay(draft({bob}, {ann})), in(60));
    EXPECT_EQ(delayStatus(), "e-mails to ann@example.com by 60 seconds");
}

TEST_F(DelayedSending, NoForAListedAddressSendsNow) {
    onlyListed("ann@example.com");
    set(keys::NotifyBeforeDelaying, "True");
    expectDelayPrompt({act::Click{"cmdNo"}});
    EXPECT_EQ(delay(deferredTo(now.addSeconds(-3600))), now);
}

TEST_F(DelayedSending, AnEmptyListDelaysNothing) {
    onlyListed("");
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

TEST_F(DelayedSending, DoNotShowAgainWithNoSkipsThisMessageAndDelaysTheNextWithoutAsking) {
    set(keys::NotifyBeforeDelaying, "True");
    expectDelayPrompt({act::Tick{"chkNotifyB4Delaying"}, act::Click{"cmdNo"}});
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
    EXPECT_EQ(setting(keys::NotifyBeforeDelaying), "False");
    EXPECT_EQ(delay(draft({ann})), in(60));
    EXPECT_TRUE(process->delayDecision);
}

TEST_F(DelayedSending, EachQuestionStartsFromDelaying) {
    set(keys::NotifyBeforeDelaying, "True");
    expectDelayPrompt({act::Click{"cmdNo"}});
    delay(draft({ann}));
    expectDelayPrompt({act::Close{}});  // the window's X decides nothing
    EXPECT_EQ(delay(draft({ann})), in(60));
    process->delayDecision = false;
    set(keys::NotifyBeforeDelaying, "False");
    EXPECT_TRUE(cv::DelayPrompt(*process, 60, ""));  // not asked: an earlier No is not left over
    EXPECT_TRUE(process->delayDecision);
}

TEST_F(DelayedSending, ADelayTimeThatIsNoNumberIsReportedAndTheMessageGoesAtOnce) {
    set(keys::DelayTime, "a minute");
    ui.addStep(boxStep("cvDelayEmailSending - Corvane", "Error: 13 Type mismatch", platform::mb::InformationOk));
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
    set(keys::DelayTime, "99999999999");
    ui.addStep(boxStep("cvDelayEmailSending - Corvane", "Error: 6 Overflow", platform::mb::InformationOk));
    EXPECT_EQ(delay(draft({ann})), DateTime::none());
}

}  // namespace
}  // namespace corvane::testing
