// cvRemoveSpamMarks: the subject of a new reply or forward, cleaned of anti-spam marks and
// repeated prefixes.
#include "corvane/checks/basCorvane_subject.h"
#include "corvane/checks/entry_points.h"
#include "corvane/checks/frmRemoveSpam.h"
#include "corvane/checks/spam_marks.h"
#include "corvane/checks/tag_file.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

namespace {

// Tags.txt is read afresh at every reply, so an edit takes effect at once.
std::optional<std::vector<std::string>> CurrentTags(core::AddinProcess& process) {
    const std::string path = platform::JoinPath(process.host.system.addinFolder(), kTagFileName);
    return ReadTagFile(process.host.files, path);
}

// The user's answer to the offered subject: the edited proposal, or the subject as it
// came (repeated prefixes included).
std::string AskAboutCleanedSubject(core::AddinProcess& process, const CleanedSubject& cleaned) {
    frmRemoveSpam frm(process.host.ui, process.store(), process.appTitle);
    frm.fill(cleaned.before, cleaned.subject);
    settings::PlayPromptSound(process.store(), process.host.ui);
    frm.show(process.host.ui);
    std::string answer = frm.accepted ? text::trim(frm.txtNewSubject.text()) : cleaned.before;
    frm.unload();
    return answer;
}

}  // namespace

std::string cvRemoveSpamMarks(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item) {
    try {
        const auto& response = core::vb::Need(item);
        // The reply to all that replaces a plain reply keeps the subject it was given.
        if (process.gblnReplyReplacing) return response->Subject();

        const auto keys = process.regKeys();
        SubjectCleaningSettings settings;
        settings.removeSpamWords = keys.RemoveSpamWords();
        settings.spamKeyWords = keys.SpamKeyWords();
        settings.checkMultipleReFwd = keys.CheckMultipleReFwd();
        std::optional<std::vector<std::string>> tags;
        if (settings.checkMultipleReFwd) tags = CurrentTags(process);

        const CleanedSubject cleaned = CleanSubject(response->Subject(), settings, tags);
        std::string subject = cleaned.subject;
        if (OfferCleanedSubject(keys.AutoRemoveSpamWords(), settings.removeSpamWords, cleaned.marksRemoved))
            subject = AskAboutCleanedSubject(process, cleaned);
        // Written even when unchanged, as the classic routine did.
        response->SetSubject(subject);
        return subject;
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(process.host.ui, process.appTitle, "basCorvane", "cvRemoveSpamMarks", e);
        // Nothing was written; the reply check must not put an empty subject on the reply.
        return std::string(checks::NoSubjectChange);
    }
}

}  // namespace corvane::checks::basCorvane
