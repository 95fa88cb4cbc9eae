// Delayed sending: which messages get a deferred delivery time, what the question before
// delaying decides, and a delivery time the user chose being left alone.
#include "corvane/checks/basCorvane_send.h"
#include "corvane/settings/setting_keys.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace cv = checks::basCorvane;
namespace act = simhost::action;
namespace keys = settings::keys;
using platform::DateTime;
using Recipients = std::vector<sim::RecipientSpec>;

class DelayedSending : public WorldTest {
protected:
    DelayedSending() {
        set(keys::DelayEmails, "True");
        set(keys::NotifyBeforeDelaying, "False");
    }
    // Runs the delay on a new message (deferred to `when` by the user when given) and
    // gives its deferred delivery time.
    DateTime delay(Recipients to, Recipients cc = {}, std::optional<DateTime> when = {}) {
        auto mail = draft({.to = to, .cc = cc, .deferredDelivery = when});
        bool cancel = false;
        cv::cvDelayEmailSending(process(), mail->asItem(), cancel);
        EXPECT_FALSE(cancel);
        return mail->DeferredDeliveryTime();
    }
    void onlyListed(std::string_view list) {
        set(keys::AutoDelayAll, "0");
        set(keys::DelayedEmailAddrs, list);
        set(keys::NotifyBeforeDelaying, "True");
    }
    // The question before delaying, and what the user does in it.
    void asked(std::vector<simhost::FormAction> actions) { expectForm("frmNotifyB4Delay", std::move(actions)); }
    // What the last delay question said is delayed.
    std::string delayStatus() const {
        const std::string label = "label lblDelayStatus \"";
        const std::string text = transcript();
        const auto at = text.rfind(label);
        if (at == std::string::npos) return "<no question>";
        const auto from = at + label.size();
        return text.substr(from, text.find('"', from) - from);
    }

    const DateTime now = clock().now();
    const std::shared_ptr<sim::SimAddressEntry> john = entry("John Smith"), ann = entry("Ann Lee"),
                                                bob = entry("Bob Ray");
};

TEST_F(DelayedSending, HoldsEveryMessageBackByDelayTimeSecondsWhileSwitchedOn) {
    EXPECT_EQ(delay({ann}), now.addSeconds(60));
    set(keys::DelayTime, "300.9");
    EXPECT_EQ(delay({bob}), now.addSeconds(300));
    set(keys::DelayEmails, "False");
    EXPECT_EQ(delay({ann}), DateTime::none());
}

TEST_F(DelayedSending, ADeliveryTimeInThePastIsNoChoiceOfTheUser) {
    set(keys::NotifyBeforeDelaying, "True");
    asked({act::Click{"cmdYes"}});
    EXPECT_EQ(delay({ann}, {}, now.addSeconds(-3600)), now.addSeconds(60));
}

TEST_F(DelayedSending, TheQuestionDecidesForEveryMessageAndNoLeavesItUntouched) {
    set(keys::NotifyBeforeDelaying, "True");
    set(keys::PlaySound, "True");
    asked({act::Click{"cmdYes"}});
    EXPECT_EQ(delay({ann}), now.addSeconds(60));
    EXPECT_EQ(delayStatus(), "all e-mails by 60 seconds");
    EXPECT_EQ(ui().beeps(), 1);
    asked({act::Click{"cmdNo"}});
    EXPECT_EQ(delay({ann}, {}, now.addSeconds(-10)), now.addSeconds(-10));
    EXPECT_FALSE(process().delayDecision);
}

TEST_F(DelayedSending, ListedAddressesAreFoundOnTheCcLineAndAnEmptyListDelaysNothing) {
    onlyListed("boss@example.com;ann@example.com");
    asked({act::Click{"cmdYes"}});
    EXPECT_EQ(delay({bob}, {ann}), now.addSeconds(60));
    EXPECT_EQ(delayStatus(), "e-mails to ann@example.com by 60 seconds");
    onlyListed("");
    EXPECT_EQ(delay({ann}), DateTime::none());
}

TEST_F(DelayedSending, EachQuestionStartsFromDelaying) {
    set(keys::NotifyBeforeDelaying, "True");
    asked({act::Click{"cmdNo"}});
    delay({ann});
    asked({act::Close{}});  // the window's X decides nothing
    EXPECT_EQ(delay({ann}), now.addSeconds(60));
    process().delayDecision = false;
    set(keys::NotifyBeforeDelaying, "False");
    EXPECT_TRUE(cv::DelayPrompt(process(), 60, ""));
    EXPECT_TRUE(process().delayDecision);
}

TEST_F(DelayedSending, ADelayTimeThatIsNoNumberIsReportedAndTheMessageGoesAtOnce) {
    set(keys::DelayTime, "a minute");
    expectBox("cvDelayEmailSending - Corvane", "Error: 13 Type mismatch", platform::mb::InformationOk);
    EXPECT_EQ(delay({ann}), DateTime::none());
    set(keys::DelayTime, "99999999999");
    expectBox("cvDelayEmailSending - Corvane", "Error: 6 Overflow", platform::mb::InformationOk);
    EXPECT_EQ(delay({ann}), DateTime::none());
}

}  // namespace
}  // namespace corvane::testing
