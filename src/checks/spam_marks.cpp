#include "corvane/checks/spam_marks.h"

#include "corvane/checks/subject_tags.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

CleanedSubject CleanSubject(std::string_view subject, const SubjectCleaningSettings& settings,
                            const std::optional<std::vector<std::string>>& tagLines) {
    CleanedSubject result{std::string(subject), std::string(subject), false};
    std::string& s = result.subject;
    if (settings.removeSpamWords) {
        for (const auto& mark : text::split(settings.spamKeyWords, ";"))
            s = text::replaceAll(s, mark, "", text::Compare::Text);
        result.marksRemoved = s != result.before;
    }
    if (settings.checkMultipleReFwd) {
        if (tagLines) {
            for (const auto& tag : *tagLines) s = MultipleRemove(s, tag);
        } else {
            s = MultipleRemove(s, "RE: ");
            s = MultipleRemove(s, "FW: ");
        }
        s = RemoveLastTagIfMultipleTogether(TrimSpaceAfterFirstSpace(s));
    }
    s = TrimSpaceAfterFirstSpace(s);
    return result;
}

bool OfferCleanedSubject(int autoRemoveSpamWords, bool removeSpamWords, bool marksRemoved) {
    return autoRemoveSpamWords == 0 && removeSpamWords && marksRemoved;
}

}  // namespace corvane::checks::basCorvane
