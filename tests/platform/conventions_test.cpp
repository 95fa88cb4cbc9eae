// The message box conventions: owned by the foreground window, which gets it back, and the
// wordings of the error reports.
#include <gtest/gtest.h>

#include "corvane/platform/conventions.h"
#include "corvane/simhost/sim_ui.h"

namespace platform = corvane::platform;
using platform::PlatformError;

namespace {

// A message box that takes the foreground while it is open, as a real one does, and
// remembers its owner.
class StealingUi : public corvane::simhost::ScriptedUi {
public:
    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle owner) override {
        owners.push_back(owner);
        setForegroundWindow(0xBEEF);
        return ScriptedUi::messageBox(prompt, buttons, title, owner);
    }
    // The next box: its text, buttons and title, answered with `answer`.
    void expect(std::string text, int buttons, std::string title, int answer = platform::mb::IdOk) {
        addStep(corvane::simhost::MessageBoxStep{std::move(title), std::move(text), {}, buttons, answer});
    }
    std::vector<platform::WindowHandle> owners;
};

const PlatformError kUnexpected{platform::errors::Unexpected};

}  // namespace

TEST(ShowMessageBox, OwnedByTheForegroundWindowWhichGetsItBack) {
    StealingUi ui;
    ui.setInitialForeground(0x4711);
    ui.expect("Send anyway?", 36, "Confirm - Corvane", platform::mb::IdNo);
    EXPECT_EQ(platform::ShowMessageBox(ui, "Send anyway?", platform::mb::QuestionYesNo, "Confirm - Corvane"),
              platform::mb::IdNo);
    EXPECT_EQ(ui.owners, std::vector<platform::WindowHandle>{0x4711});
    EXPECT_EQ(ui.foregroundWindow(), 0x4711u);
    ui.finish();
}

TEST(ErrorWordings, EachReportHasItsTextIconAndTitleAndGivesTheForegroundBack) {
    StealingUi ui;
    ui.setInitialForeground(0x77);
    ui.expect("Error 5: Invalid procedure call", 16, "modRegKeys.InitializeSetup - Corvane");
    platform::ReportModuleError(ui, "Corvane", "modRegKeys", "InitializeSetup",
                                PlatformError{5, "Invalid procedure call"});
    ui.expect("Error: -2147418113 Catastrophic failure", 64, "cvCheckSubject - Corvane");
    platform::ReportCheckError(ui, "Corvane", "cvCheckSubject", kUnexpected);
    ui.expect("Error 91 (Object variable not set) in procedure cvReplyCheck of Module basCorvane", 48, "Corvane");
    platform::ReportReplyCheckError(ui, "Corvane", "cvReplyCheck", PlatformError{91, "Object variable not set"});
    ui.expect("Error Number : -2147418113\r\nError Description : Catastrophic failure", 16, "Corvane");
    platform::ReportSendEventError(ui, "Corvane", kUnexpected);
    ui.finish();
    EXPECT_EQ(ui.owners, (std::vector<platform::WindowHandle>(4, 0x77)));
    EXPECT_EQ(ui.foregroundWindow(), 0x77u);
}

TEST(IgnoreErrors, PlatformFailureIsSwallowedAndReported) {
    int ran = 0;
    EXPECT_TRUE(platform::IgnoreErrors([&] { ++ran; }));
    EXPECT_FALSE(platform::IgnoreErrors([&] {
        ++ran;
        throw PlatformError{platform::errors::Fail};
    }));
    EXPECT_EQ(ran, 2);
}

TEST(IgnoreErrors, OtherExceptionsStillPropagate) {
    EXPECT_THROW(platform::IgnoreErrors([] { throw std::logic_error("bug"); }), std::logic_error);
}
