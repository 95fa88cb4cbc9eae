#pragma once
// The subject cleaning cvRemoveSpamMarks applies to a new reply or forward: anti-spam marks
// deleted, repeated "RE:"/"FW:" prefixes collapsed, the blanks after the first one tidied.
// The wiring reads the item, the settings and the tag file, shows frmRemoveSpam when
// OfferCleanedSubject says so, and writes the result back.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::checks::basCorvane {

struct SubjectCleaningSettings {
    bool removeSpamWords = true;     // RemoveSpamWords
    std::string spamKeyWords;        // SpamKeyWords, marks joined by ";"
    bool checkMultipleReFwd = true;  // CheckMultipleReFwd
};

struct CleanedSubject {
    std::string before;         // the subject as it came
    std::string subject;        // the proposed subject
    bool marksRemoved = false;  // deleting the spam marks changed the subject
};

// tagLines: the lines of the tag file when it is present (ReadTagFile), nothing otherwise;
// without it "RE: " and "FW: " are the prefixes collapsed.
CleanedSubject CleanSubject(std::string_view subject, const SubjectCleaningSettings& settings,
                            const std::optional<std::vector<std::string>>& tagLines);

// Whether to ask with frmRemoveSpam before the cleaned subject is written: only when the
// user chose to be asked (AutoRemoveSpamWords 0) and spam marks were actually deleted.
bool OfferCleanedSubject(int autoRemoveSpamWords, bool removeSpamWords, bool marksRemoved);

}  // namespace corvane::checks::basCorvane
