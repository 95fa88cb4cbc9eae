#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "corvane/checks/subject_tags.h"

using namespace corvane::checks::basCorvane;

namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

}  // namespace

TEST(MultipleRemove, KeepsFirstTagAndDeletesLaterOnes) {
    EXPECT_EQ(MultipleRemove("RE: RE: FW: RE: Hello", "RE: "), "RE: FW: Hello");
}

TEST(MultipleRemove, IgnoresCaseOfLaterTags) {
    EXPECT_EQ(MultipleRemove("FW: Fw: FW: Report", "FW: "), "FW: Report");
    EXPECT_EQ(MultipleRemove("fw: FW: Report", "FW: "), "fw: Report");
}

TEST(MultipleRemove, FirstTagMayStandAnywhere) {
    EXPECT_EQ(MultipleRemove("Hello RE: you RE: there", "RE: "), "Hello RE: you there");
}

TEST(MultipleRemove, LeavesTextWithoutTagAlone) {
    EXPECT_EQ(MultipleRemove("Budget  2024 ", "RE: "), "Budget  2024 ");
    EXPECT_EQ(MultipleRemove("RE:Hello", "RE: "), "RE:Hello");
}

TEST(MultipleRemove, BlankTextBecomesEmpty) {
    EXPECT_EQ(MultipleRemove("", "RE: "), "");
    EXPECT_EQ(MultipleRemove("   ", "RE: "), "");
}

TEST(MultipleRemove, EmptyTagChangesNothing) {
    EXPECT_EQ(MultipleRemove("RE: RE: Hi", ""), "RE: RE: Hi");
}

TEST(MultipleRemove, NonAsciiTagsAndSubjects) {
    EXPECT_EQ(MultipleRemove("AW: aw: Grüße", "AW: "), "AW: Grüße");
    EXPECT_EQ(MultipleRemove("ÄW: äw: Ärger", "äw: "), "ÄW: Ärger");
    EXPECT_EQ(MultipleRemove("RE: ÄRGER re: Ärger", "RE: "), "RE: ÄRGER Ärger");
}

TEST(TrimSpaceAfterFirstSpace, StripsBlanksAfterFirstBlankOnly) {
    EXPECT_EQ(TrimSpaceAfterFirstSpace("RE:   Hello"), "RE: Hello");
    EXPECT_EQ(TrimSpaceAfterFirstSpace("RE:   Hello   world  "), "RE: Hello   world  ");
}

TEST(TrimSpaceAfterFirstSpace, TextWithoutBlankIsUnchanged) {
    EXPECT_EQ(TrimSpaceAfterFirstSpace("Hello"), "Hello");
}

TEST(TrimSpaceAfterFirstSpace, LeadingBlankCountsAsTheFirst) {
    EXPECT_EQ(TrimSpaceAfterFirstSpace("   Hello"), " Hello");
}

TEST(TrimSpaceAfterFirstSpace, BlankTextBecomesEmpty) {
    EXPECT_EQ(TrimSpaceAfterFirstSpace("    "), "");
    EXPECT_EQ(TrimSpaceAfterFirstSpace(""), "");
}

TEST(RemoveLastTagIfMultipleTogether, DropsTagsDirectlyAfterTheFirst) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: FW: RE: Hello world"), "RE: Hello world");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: FW: Hello"), "RE: Hello");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("FW: RE: Hello"), "FW: Hello");
}

TEST(RemoveLastTagIfMultipleTogether, LastWordWithoutBlankAfterItStays) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: FW:"), "RE: FW:");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: FW: RE:"), "RE: RE:");
}

TEST(RemoveLastTagIfMultipleTogether, ComparesTagsExactly) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("Re: FW: Hello"), "Re: FW: Hello");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: Fw: Hello"), "RE: Fw: Hello");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: FW:: Hello"), "RE: FW:: Hello");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("AW: RE: Hello"), "AW: RE: Hello");
}

TEST(RemoveLastTagIfMultipleTogether, StopsAtFirstOtherWord) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE: Hello RE: world"), "RE: Hello RE: world");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE:  FW: Hello"), "RE:  FW: Hello");
}

TEST(RemoveLastTagIfMultipleTogether, BlankOrSingleWordTextIsUnchanged) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("   "), "   ");
    EXPECT_EQ(RemoveLastTagIfMultipleTogether("RE:"), "RE:");
}

TEST(RemoveLastTagIfMultipleTogether, LongRunOfTags) {
    EXPECT_EQ(RemoveLastTagIfMultipleTogether(repeat("RE: FW: ", 5000) + "Hello"), "RE: Hello");
}

TEST(WordInArray, MatchesWholeElementsExactly) {
    const std::vector<std::string> list{"RE:", "FW:"};
    EXPECT_TRUE(WordInArray(list, "FW:"));
    EXPECT_FALSE(WordInArray(list, "fw:"));
    EXPECT_FALSE(WordInArray(list, "FW"));
    EXPECT_FALSE(WordInArray(std::vector<std::string>{}, ""));
    const std::array<std::string_view, 1> views{""};
    EXPECT_TRUE(WordInArray(views, ""));
}
