#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "corvane/checks/spam_marks.h"

using namespace corvane::checks::basCorvane;

namespace {

const std::string kDefaultMarks = "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:";

SubjectCleaningSettings defaults() { return {true, kDefaultMarks, true}; }

std::string clean(const std::string& subject, const SubjectCleaningSettings& settings = defaults(),
                  const std::optional<std::vector<std::string>>& tags = std::nullopt) {
    return CleanSubject(subject, settings, tags).subject;
}

}  // namespace

TEST(SpamMarks, MarkIsRemovedWhereverItStands) {
    const CleanedSubject c = CleanSubject("RE: [SPAM-LOW:] offer", defaults(), std::nullopt);
    EXPECT_EQ(c.before, "RE: [SPAM-LOW:] offer");
    EXPECT_EQ(c.subject, "RE: [] offer");
    EXPECT_TRUE(c.marksRemoved);
}

TEST(SpamMarks, MarksAreMatchedIgnoringCase) {
    // Only the marks go; the blanks around them stay.
    EXPECT_EQ(clean("Spam-High: Cheap spam-med: pills"), " Cheap  pills");
}

TEST(SpamMarks, MarksAreNotTrimmed) {
    SubjectCleaningSettings s = defaults();
    s.spamKeyWords = " [SPAM] ;;";
    EXPECT_EQ(clean("Offer [SPAM]now", s), "Offer [SPAM]now");
    EXPECT_EQ(clean("Offer [SPAM] now", s), "Offernow");
}

TEST(SpamMarks, OnlyMarkDeletionCountsAsMarksRemoved) {
    const CleanedSubject c = CleanSubject("RE: RE:   Hello", defaults(), std::nullopt);
    EXPECT_EQ(c.subject, "RE: Hello");
    EXPECT_FALSE(c.marksRemoved);
}

TEST(SpamMarks, SwitchedOffLeavesMarks) {
    SubjectCleaningSettings s = defaults();
    s.removeSpamWords = false;
    const CleanedSubject c = CleanSubject("RE: RE: SPAM-LOW: offer", s, std::nullopt);
    EXPECT_EQ(c.subject, "RE: SPAM-LOW: offer");
    EXPECT_FALSE(c.marksRemoved);
}

TEST(SpamMarks, EmptyMarkListRemovesNothing) {
    SubjectCleaningSettings s = defaults();
    s.spamKeyWords = "";
    EXPECT_EQ(clean("SPAM-LOW: offer", s), "SPAM-LOW: offer");
}

TEST(RepeatedPrefixes, CollapsedWithoutTagFile) {
    EXPECT_EQ(clean("RE: RE: FW: RE: Hello"), "RE: Hello");
    EXPECT_EQ(clean("FW: Fw: FW: Report"), "FW: Report");
    EXPECT_EQ(clean("RE: Hi RE: again"), "RE: Hi again");
}

TEST(RepeatedPrefixes, MixedCaseTagAfterFirstIsKept) {
    EXPECT_EQ(clean("RE: Fw: Hello"), "RE: Fw: Hello");
}

TEST(RepeatedPrefixes, LeftAloneWhenSwitchedOff) {
    SubjectCleaningSettings s = defaults();
    s.checkMultipleReFwd = false;
    EXPECT_EQ(clean("RE:   RE: Hello", s), "RE: RE: Hello");
}

TEST(RepeatedPrefixes, TagFileLinesReplaceTheBuiltInPrefixes) {
    const std::vector<std::string> tags{"AW: ", "WG: "};
    EXPECT_EQ(clean("AW: aw: AW: Grüße", defaults(), tags), "AW: Grüße");
    EXPECT_EQ(clean("RE: Hi RE: again", defaults(), tags), "RE: Hi RE: again");
    EXPECT_EQ(clean("FW: Report fw: x", defaults(), tags), "FW: Report fw: x");
}

TEST(RepeatedPrefixes, LeadingRunOfReAndFwIsStillDroppedWithTagFile) {
    const std::vector<std::string> tags{"AW: ", "WG: "};
    EXPECT_EQ(clean("RE: FW: RE: Hello", defaults(), tags), "RE: Hello");
}

TEST(SubjectCleaning, NonAsciiSubjects) {
    EXPECT_EQ(clean("RE: re: ÄRGER"), "RE: ÄRGER");
    EXPECT_EQ(clean("AW: Grüße"), "AW: Grüße");
    EXPECT_EQ(clean("RE: spam-low:Straße"), "RE: Straße");
}

TEST(SubjectCleaning, BlanksAfterFirstBlankAreAlwaysTidied) {
    SubjectCleaningSettings s{false, kDefaultMarks, false};
    EXPECT_EQ(clean("RE:    Hello", s), "RE: Hello");
}

TEST(SubjectCleaning, BlankSubjectBecomesEmpty) {
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
    const CleanedSubject c = CleanSubject(subject, defaults(), std::nullopt);
    EXPECT_EQ(c.subject, "RE: Offer");
    EXPECT_TRUE(c.marksRemoved);
}

TEST(OfferCleanedSubject, OnlyWhenAskingAndMarksWereRemoved) {
    EXPECT_TRUE(OfferCleanedSubject(0, true, true));
    EXPECT_FALSE(OfferCleanedSubject(1, true, true));
    EXPECT_FALSE(OfferCleanedSubject(0, false, true));
    EXPECT_FALSE(OfferCleanedSubject(0, true, false));
}
