// The missing-attachment check as the message window's send event calls it, for what the
// end-to-end runs do not reach.
#include "corvane/access/progids.h"
#include "corvane/checks/attach_missing.h"
#include "corvane/checks/basCorvane_attach.h"
#include "corvane/settings/setting_keys.h"
#include "subject_check_fixture.h"

namespace corvane::testing {
namespace {

namespace keys = settings::keys;
using checks::basCorvane::cvAttachMissingCheck;

class AttachMissingOnSend : public SubjectCheckTest {
protected:
    // Runs the check on a message being written; true when it cancelled the send.
    bool check(const std::shared_ptr<outlook::MailItem>& item) {
        bool cancel = false;
        cvAttachMissingCheck(process, item, cancel);
        return cancel;
    }
    void reported(std::string text) { expectBox("cvAttachMissingCheck - Corvane", text, platform::mb::InformationOk); }
};

TEST_F(AttachMissingOnSend, ASubjectMentionIsAskedAboutUnlessSwitchedOffOrAttached) {
    expectBox("Attachment(s) missing - Corvane", std::string(checks::basCorvane::kAttachMissingPrompt),
              platform::mb::QuestionYesNo, platform::mb::IdYes);
    EXPECT_FALSE(check(draft("Attachment follows", "")));
    EXPECT_FALSE(check(draft("Report", "See attached.", {{"report.pdf", "", ""}})));
    set(keys::CheckAttachMissing, "False");
    EXPECT_FALSE(check(draft("Report", "See attached.")));
}

TEST_F(AttachMissingOnSend, AnEmptyKeywordQuestionsEveryMessageWithoutAttachments) {
    set(keys::AttachKeyWords, "enclosed;");
    expectBox("Attachment(s) missing - Corvane", std::string(checks::basCorvane::kAttachMissingPrompt),
              platform::mb::QuestionYesNo, platform::mb::IdNo);
    EXPECT_TRUE(check(draft("Hello", "Nothing to see.")));
}

TEST_F(AttachMissingOnSend, FailuresAreReportedAndTheSendGoesOn) {
    reported("Error: 5 Invalid procedure call or argument");  // a header block cut short
    EXPECT_FALSE(check(draft("Re", "attached\r\nFrom: Ann\r\nSent: Monday")));
    process.access->SetRegistered(access::progid::SafeMailItem, false);
    reported("Error: 429 ActiveX component can't create object");
    EXPECT_FALSE(check(draft("Report", "attached")));
}

}  // namespace
}  // namespace corvane::testing
