// The subject cleaning of a new reply or forward: spam marks deleted wherever they stand,
// repeated prefixes collapsed (the built-in ones or the tag file's), the blanks after the
// first one tidied, and when the cleaned subject is offered.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "corvane/checks/spam_marks.h"

using namespace corvane::checks::basCorvane;

namespace {

const std::string kDefaultMarks = "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:";
const SubjectCleaningSettings kDefaults{true, kDefaultMarks, true};

std::string clean(const std::string& subject, const SubjectCleaningSettings& settings = kDefaults,
                  const std::optional<std::vector<std::string>>& tags = std::nullopt) {
    return CleanSubject(subject, settings, tags).subject;
}

}  // namespace

TEST(SpamMarks, AreDeletedWhereverTheyStandIgnoringCaseButNotTrimmed) {
    const CleanedSubject c = CleanSubject("RE: [SPAM-LOW:] offer", kDefaults, std::nullopt);
    EXPECT_EQ(c.before, "RE: [SPAM-LOW:] offer");
    EXPECT_EQ(c.subject, "RE: [] offer");
    EXPECT_TRUE(c.marksRemoved);
    EXPECT_EQ(clean("Spam-High: Cheap spam-med: pills"), " Cheap  pills");  // the blanks around them stay
    EXPECT_EQ(clean("RE: spam-low:Straße"), "RE: Straße");
    const SubjectCleaningSettings blanks{true, " [SPAM] ;;", true};
    EXPECT_EQ(clean("Offer [SPAM]now", blanks), "Offer [SPAM]now");
    EXPECT_EQ(clean("Offer [SPAM] now", blanks), "Offernow");
    EXPECT_EQ(clean("SPAM-LOW: offer", {true, "", true}), "SPAM-LOW: offer");
}

TEST(SpamMarks, OnlyDeletingAMarkCountsAsMarksRemoved) {
    const CleanedSubject collapsed = CleanSubject("RE: RE:   Hello", kDefaults, std::nullopt);
    EXPECT_EQ(collapsed.subject, "RE: Hello");
    EXPECT_FALSE(collapsed.marksRemoved);
    const CleanedSubject off = CleanSubject("RE: RE: SPAM-LOW: offer", {false, kDefaultMarks, true}, std::nullopt);
    EXPECT_EQ(off.subject, "RE: SPAM-LOW: offer");
    EXPECT_FALSE(off.marksRemoved);
}

TEST(RepeatedPrefixes, CollapseToTheFirstUnlessSwitchedOff) {
    EXPECT_EQ(clean("RE: RE: FW: RE: Hello"), "RE: Hello");
    EXPECT_EQ(clean("FW: Fw: FW: Report"), "FW: Report");
    EXPECT_EQ(clean("RE: Hi RE: again"), "RE: Hi again");
    EXPECT_EQ(clean("RE: Fw: Hello"), "RE: Fw: Hello");  // a mixed-case tag after the first stays
    EXPECT_EQ(clean("RE: re: ÄRGER"), "RE: ÄRGER");
    EXPECT_EQ(clean("RE:   RE: Hello", {true, kDefaultMarks, false}), "RE: RE: Hello");
}

TEST(RepeatedPrefixes, TagFileLinesReplaceTheBuiltInPrefixesButALeadingRunOfReAndFwStillGoes) {
    const std::vector<std::string> tags{"AW: ", "WG: "};
    EXPECT_EQ(clean("AW: aw: AW: Grüße", kDefaults, tags), "AW: Grüße");
    EXPECT_EQ(clean("RE: Hi RE: again", kDefaults, tags), "RE: Hi RE: again");
    EXPECT_EQ(clean("FW: Report fw: x", kDefaults, tags), "FW: Report fw: x");
    EXPECT_EQ(clean("RE: FW: RE: Hello", kDefaults, tags), "RE: Hello");
}

TEST(SubjectCleaning, BlanksAfterTheFirstAreAlwaysTidiedAndABlankSubjectBecomesEmpty) {
    EXPECT_EQ(clean("RE:    Hello", {false, kDefaultMarks, false}), "RE: Hello");
    EXPECT_EQ(clean("   "), "");
    EXPECT_EQ(clean(""), "");
    EXPECT_EQ(clean("SPAM-LOW:"), "");
}

TEST(SubjectCleaning, LongSubjectOfRepeatedPrefixesAndMarks) {
    // The marks leave a run of blanks behind each "FW: "; the prefixes collapse and the
    // final tidying removes the run.
    std::string subject;
    for (int i = 0; i < 4000; ++i) subject += "RE: spam-low: FW: ";
    subject += "Offer";
    const CleanedSubject c = CleanSubject(subject, kDefaults, std::nullopt);
    EXPECT_EQ(c.subject, "RE: Offer");
    EXPECT_TRUE(c.marksRemoved);
}

TEST(OfferCleanedSubject, OnlyWhenAskingAndMarksWereRemoved) {
    EXPECT_TRUE(OfferCleanedSubject(0, true, true));
    EXPECT_FALSE(OfferCleanedSubject(1, true, true));
    EXPECT_FALSE(OfferCleanedSubject(0, false, true));
    EXPECT_FALSE(OfferCleanedSubject(0, true, false));
}
