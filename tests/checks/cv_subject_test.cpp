// The subject checks as the add-in calls them, for what the end-to-end runs do not reach:
// calendar days, the reply-to-all hand-over, Tags.txt, non-ASCII text and failures.
#include "corvane/checks/basCorvane_subject.h"
#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/sim/item_types.h"
#include "support/world.h"

namespace corvane::testing {
namespace {

namespace act = simhost::action;
namespace keys = settings::keys;
using checks::basCorvane::cvEmptySubjectCheck;
using checks::basCorvane::cvOldSubject;
using checks::basCorvane::cvRemoveSpamMarks;
const std::string kNoChange = "CV_NoChange_CV";

class SubjectProcedures : public WorldTest {
protected:
    // Replies to a message received at 23:50 on the day `days` calendar days back.
    std::string replyToMessageOf(int days, std::shared_ptr<outlook::MailItem>* reply = nullptr) {
        auto answered = received(
            {.subject = "Plans",
             .from = ann,
             .to = {me},
             .received = clock().now().dateOnly().addDays(-days).addSeconds(23 * 3600 + 50 * 60)});
        auto r = answered->Reply();
        if (reply) *reply = r;
        return cvOldSubject(process(), answered, r);
    }
    // Cleans a new item's subject; what was returned must be what was written.
    std::string clean(const std::string& subject) {
        auto item = draft({.subject = subject, .to = {ann}});
        const std::string result = cvRemoveSpamMarks(process(), item);
        EXPECT_EQ(item->Subject(), result == kNoChange ? subject : result);
        return result;
    }
    void writeTags(std::string_view text) { host().files().writeFile(tags, text); }

    const std::string tags = addinFile("Tags.txt");
    const std::shared_ptr<sim::SimAddressEntry> me = entry("John Smith"), ann = entry("Ann Lee");
};

TEST_F(SubjectProcedures, AnOldMessagesNewSubjectIsTakenAsTyped) {
    set(keys::PlaySound, "True");
    expectForm("frmOldSubject", {act::Type{"txtSubject", " Budget für 2027 "}, act::Click{"mdOK"}});
    std::shared_ptr<outlook::MailItem> reply;
    EXPECT_EQ(replyToMessageOf(29, &reply), " Budget für 2027 ");
    EXPECT_EQ(reply->Subject(), " Budget für 2027 ");
    EXPECT_EQ(ui().transcript().front(), "beep");
}

TEST_F(SubjectProcedures, AReplyToAllReplacingAReplyPassesBothReplyTimeChecksUntouched) {
    process().gblnReplyReplacing = true;
    EXPECT_EQ(replyToMessageOf(60), kNoChange);
    EXPECT_EQ(clean("RE: RE: SPAM-LOW: x"), "RE: RE: SPAM-LOW: x");
    process().gblnReplyReplacing = false;
    set(keys::PromptReplyOnOlderEmails, "False");
    EXPECT_EQ(replyToMessageOf(60), kNoChange);
}

TEST_F(SubjectProcedures, YesTakesTheEditedProposalTrimmed) {
    expectForm("frmRemoveSpam", {act::Type{"txtNewSubject", "  RE: Better offer  "}, act::Click{"cmdYes"}});
    EXPECT_EQ(clean("RE: SPAM-MED: Offer"), "RE: Better offer");
    EXPECT_TRUE(shows("text txtNewSubject \"RE: Offer\""));
}

TEST_F(SubjectProcedures, SpamMarksAreFoundIgnoringCaseBeyondAscii) {
    set(keys::SpamKeyWords, "[ÜBERPRÜFT]");
    set(keys::AutoRemoveSpamWords, "1");
    EXPECT_EQ(clean("RE: [überprüft] Straße"), "RE: Straße");
    EXPECT_EQ(clean("AW: Ärger über Größe"), "AW: Ärger über Größe");
}

TEST_F(SubjectProcedures, TagsTxtReplacesTheDefaultPrefixesIsReadAtEveryUseAndOnlyWhenSwitchedOn) {
    writeTags("AW: \r\nWG: \r\n");
    EXPECT_EQ(clean("AW: AW: RE: RE: Hi"), "AW: RE: RE: Hi");
    writeTags("RE: \n");
    EXPECT_EQ(clean("AW: AW: RE: RE: Hi"), "AW: AW: RE: Hi");
    set(keys::CheckMultipleReFwd, "False");
    makeUnreadable(tags);  // a read would be reported
    EXPECT_EQ(clean("RE: RE:  Hi"), "RE: RE:  Hi");
}

TEST_F(SubjectProcedures, ReplyTimeFailuresAreReportedAndLeaveTheSubjectAlone) {
    expectBox("basCorvane.cvOldSubject - Corvane", "Error 13: Type mismatch", platform::mb::CriticalOk);
    auto unsent = draft({.subject = "Notes", .to = {ann}});  // never delivered: no delivery time
    EXPECT_EQ(cvOldSubject(process(), unsent, unsent->Reply()), kNoChange);
    makeUnreadable(tags);
    expectBox("basCorvane.cvRemoveSpamMarks - Corvane", "Error 75: Path/File access error: " + tags,
              platform::mb::CriticalOk);
    EXPECT_EQ(clean("RE: RE: Hi"), kNoChange);
}

TEST_F(SubjectProcedures, ABlankSubjectIsReplacedByTheEnteredOne) {
    auto item = draft({.subject = "   ", .to = {ann}});
    expectForm("frmNoSubject", {act::Type{"txtSubject", "Résumé"}, act::Click{"cmdOK"}});
    bool cancel = false;
    cvEmptySubjectCheck(process(), item, cancel);
    EXPECT_EQ(item->Subject(), "Résumé");
    set(keys::CheckEmptySubject, "False");
    item->SetSubject("");
    cvEmptySubjectCheck(process(), item, cancel);
    EXPECT_FALSE(cancel);
}

TEST_F(SubjectProcedures, AnEmptySubjectCheckFailureIsReportedAndLeavesCancelAsItWas) {
    auto item = draft({.to = {ann}});
    item->Delete();
    const auto& gone = platform::errors::ItemMovedOrDeleted;
    expectBox("cvEmptySubjectCheck - Corvane",
              "Error: " + std::to_string(gone.number) + " " + std::string(gone.description),
              platform::mb::InformationOk);
    bool cancel = true;
    cvEmptySubjectCheck(process(), item, cancel);
    EXPECT_TRUE(cancel);
}

}  // namespace
}  // namespace corvane::testing
