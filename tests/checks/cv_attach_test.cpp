// The missing-attachment check as the message window's send event calls it, for what the
// end-to-end runs do not reach.
#include "corvane/access/progids.h"
#include "corvane/checks/attach_missing.h"
#include "corvane/checks/basCorvane_attach.h"
#include "corvane/settings/setting_keys.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace keys = settings::keys;
using checks::basCorvane::cvAttachMissingCheck;

class AttachMissingOnSend : public WorldTest {
protected:
    // Runs the check on a message being written to Ann; true when it cancelled the send.
    bool check(std::string subject, std::string body, std::vector<sim::AttachmentSpec> attachments = {}) {
        bool cancel = false;
        cvAttachMissingCheck(
            process(), draft({.subject = subject, .body = body, .to = {ann}, .attachments = attachments})->asItem(),
            cancel);
        return cancel;
    }
    void asked(int answer) {
        expectBox("Attachment(s) missing - Corvane", std::string(checks::basCorvane::kAttachMissingPrompt),
                  platform::mb::QuestionYesNo, answer);
    }
    void reported(std::string text) { expectBox("cvAttachMissingCheck - Corvane", text, platform::mb::InformationOk); }

    const std::shared_ptr<sim::SimAddressEntry> ann = entry("Ann Lee");
};

TEST_F(AttachMissingOnSend, ASubjectMentionIsAskedAboutUnlessSwitchedOffOrAttached) {
    asked(platform::mb::IdYes);
    EXPECT_FALSE(check("Attachment follows", ""));
    EXPECT_FALSE(check("Report", "See attached.", {{"report.pdf", "", ""}}));
    set(keys::CheckAttachMissing, "False");
    EXPECT_FALSE(check("Report", "See attached."));
}

TEST_F(AttachMissingOnSend, AnEmptyKeywordQuestionsEveryMessageWithoutAttachments) {
    set(keys::AttachKeyWords, "enclosed;");
    asked(platform::mb::IdNo);
    EXPECT_TRUE(check("Hello", "Nothing to see."));
}

TEST_F(AttachMissingOnSend, FailuresAreReportedAndTheSendGoesOn) {
    reported("Error: 5 Invalid procedure call or argument");  // a header block cut short
    EXPECT_FALSE(check("Re", "attached\r\nFrom: Ann\r\nSent: Monday"));
    process().access->SetRegistered(access::progid::SafeMailItem, false);
    reported("Error: 429 ActiveX component can't create object");
    EXPECT_FALSE(check("Report", "attached"));
}

}  // namespace
}  // namespace corvane::testing
