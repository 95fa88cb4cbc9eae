#include <gtest/gtest.h>

#include "corvane/platform/conventions.h"
#include "support/fake_ui.h"

namespace platform = corvane::platform;
using corvane::testing::FakeUi;
using platform::PlatformError;

namespace {

// A message box that takes the foreground while it is open, as a real one does.
class StealingUi : public FakeUi {
public:
    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle owner) override {
        foreground = 0xBEEF;
        return FakeUi::messageBox(prompt, buttons, title, owner);
    }
};

const PlatformError kUnexpected{platform::errors::Unexpected};

}  // namespace

TEST(ShowMessageBox, OwnedByTheForegroundWindowWhichGetsItBack) {
    StealingUi ui;
    ui.foreground = 0x4711;
    ui.answers.push_back(platform::mb::IdNo);
    const int answer = platform::ShowMessageBox(ui, "Send anyway?", platform::mb::QuestionYesNo, "Confirm - Corvane");
    EXPECT_EQ(answer, platform::mb::IdNo);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Send anyway?");
    EXPECT_EQ(ui.boxes[0].buttons, 36);
    EXPECT_EQ(ui.boxes[0].title, "Confirm - Corvane");
    EXPECT_EQ(ui.owners[0], 0x4711u);
    EXPECT_EQ(ui.foreground, 0x4711u);
}

TEST(ErrorWordings, ModuleProcedureShowsNumberAndTextCritical) {
    FakeUi ui;
    platform::ReportModuleError(ui, "Corvane", "modRegKeys", "InitializeSetup", PlatformError{5, "Invalid procedure call"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error 5: Invalid procedure call");
    EXPECT_EQ(ui.boxes[0].buttons, 16);
    EXPECT_EQ(ui.boxes[0].title, "modRegKeys.InitializeSetup - Corvane");
}

TEST(ErrorWordings, SendCheckShowsNumberAfterColonWithInformationIcon) {
    FakeUi ui;
    platform::ReportCheckError(ui, "Corvane", "cvCheckSubject", kUnexpected);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error: -2147418113 Catastrophic failure");
    EXPECT_EQ(ui.boxes[0].buttons, 64);
    EXPECT_EQ(ui.boxes[0].title, "cvCheckSubject - Corvane");
}

TEST(ErrorWordings, ReplyCheckNamesProcedureAndModuleWithExclamation) {
    FakeUi ui;
    platform::ReportReplyCheckError(ui, "Corvane", "cvReplyCheck", PlatformError{91, "Object variable not set"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt,
              "Error 91 (Object variable not set) in procedure cvReplyCheck of Module basCorvane");
    EXPECT_EQ(ui.boxes[0].buttons, 48);
    EXPECT_EQ(ui.boxes[0].title, "Corvane");
}

TEST(ErrorWordings, SendEventPutsNumberAndDescriptionOnTwoLines) {
    FakeUi ui;
    platform::ReportSendEventError(ui, "Corvane", kUnexpected);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error Number : -2147418113\r\nError Description : Catastrophic failure");
    EXPECT_EQ(ui.boxes[0].buttons, 16);
    EXPECT_EQ(ui.boxes[0].title, "Corvane");
}

TEST(ErrorWordings, EveryReportGivesTheForegroundBack) {
    StealingUi ui;
    ui.foreground = 0x77;
    platform::ReportModuleError(ui, "C", "m", "p", kUnexpected);
    platform::ReportCheckError(ui, "C", "p", kUnexpected);
    platform::ReportReplyCheckError(ui, "C", "p", kUnexpected);
    platform::ReportSendEventError(ui, "C", kUnexpected);
    EXPECT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.owners, (std::vector<platform::WindowHandle>(4, 0x77)));
    EXPECT_EQ(ui.foreground, 0x77u);
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
