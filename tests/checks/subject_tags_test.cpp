// The prefix procedures behind the subject cleaning: a tag removed after its first
// occurrence ignoring case, blanks tidied after the first, tags side by side dropped.
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

TEST(MultipleRemove, KeepsTheFirstTagWhereverItStandsAndDeletesLaterOnesIgnoringCase) {
    const std::vector<std::tuple<const char*, const char*, const char*>> cases{
        {"RE: RE: FW: RE: Hello", "RE: ", "RE: FW: Hello"},
        {"FW: Fw: FW: Report", "FW: ", "FW: Report"},
        {"fw: FW: Report", "FW: ", "fw: Report"},
        {"Hello RE: you RE: there", "RE: ", "Hello RE: you there"},
        {"Budget  2024 ", "RE: ", "Budget  2024 "},
        {"RE:Hello", "RE: ", "RE:Hello"},
        {"", "RE: ", ""},
        {"   ", "RE: ", ""},
        {"RE: RE: Hi", "", "RE: RE: Hi"},
        {"AW: aw: Grüße", "AW: ", "AW: Grüße"},
        {"ÄW: äw: Ärger", "äw: ", "ÄW: Ärger"},
        {"RE: ÄRGER re: Ärger", "RE: ", "RE: ÄRGER Ärger"},
        {"ﬁle FILE file", "FI", "ﬁle LE le"},  // "ﬁ" (three bytes) equals "FI" ignoring case
        {"ßx s", "s", "ßx s"},                 // part of a character's folding is no match
        {"s ß s", "s", "s ß "},
        {"ẞA ẞa ssa", "SSA", "ẞA  "},  // "ẞ" (three bytes) and "a" match the three bytes "SSA"
    };
    for (const auto& [text, tag, expected] : cases) EXPECT_EQ(MultipleRemove(text, tag), expected) << text;
}

TEST(MultipleRemove, LongSubjectsLoseEveryLaterTagWhereverTheSearchStepsFall) {
    const std::string subject = "Re: " + repeat("Grüße ÄRGER re: ", 3000) + "Ende";
    EXPECT_EQ(MultipleRemove(subject, "RE: "), "Re: " + repeat("Grüße ÄRGER ", 3000) + "Ende");
    EXPECT_EQ(MultipleRemove(repeat("RE: ", 10000) + "Hello", "re: "), "RE: Hello");
    // Gaps of every size put later tags at every place relative to the search's steps.
    std::string sparse = "Re: ", sparseExpected = "Re: ";
    for (int gap = 1; gap < 700; gap += 13) {
        std::string filler;
        for (int i = 0; i < gap; ++i) filler += (i % 3 == 0) ? "ä" : "x";
        sparse += filler + "rE: ";
        sparseExpected += filler;
    }
    EXPECT_EQ(MultipleRemove(sparse, "RE: "), sparseExpected);
    std::string ligatures = "FI", ligaturesExpected = "FI";
    for (int gap = 1; gap < 500; gap += 11) {
        ligatures += repeat("ä", gap) + "ﬁ";
        ligaturesExpected += repeat("ä", gap);
    }
    EXPECT_EQ(MultipleRemove(ligatures, "fi"), ligaturesExpected);
}

TEST(TrimSpaceAfterFirstSpace, StripsBlanksAfterTheFirstBlankOnly) {
    EXPECT_EQ(TrimSpaceAfterFirstSpace("RE:   Hello"), "RE: Hello");
    EXPECT_EQ(TrimSpaceAfterFirstSpace("RE:   Hello   world  "), "RE: Hello   world  ");
    EXPECT_EQ(TrimSpaceAfterFirstSpace("Hello"), "Hello");
    EXPECT_EQ(TrimSpaceAfterFirstSpace("   Hello"), " Hello");  // a leading blank counts as the first
    EXPECT_EQ(TrimSpaceAfterFirstSpace("    "), "");
    EXPECT_EQ(TrimSpaceAfterFirstSpace(""), "");
}

TEST(RemoveLastTagIfMultipleTogether, DropsExactTagsDirectlyAfterTheFirstUpToTheFirstOtherWord) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"RE: FW: RE: Hello world", "RE: Hello world"},
        {"RE: FW: Hello", "RE: Hello"},
        {"FW: RE: Hello", "FW: Hello"},
        {"RE: FW:", "RE: FW:"},  // the last word, with no blank after it, stays
        {"RE: FW: RE:", "RE: RE:"},
        {"Re: FW: Hello", "Re: FW: Hello"},
        {"RE: Fw: Hello", "RE: Fw: Hello"},
        {"RE: FW:: Hello", "RE: FW:: Hello"},
        {"AW: RE: Hello", "AW: RE: Hello"},
        {"RE: Hello RE: world", "RE: Hello RE: world"},
        {"RE:  FW: Hello", "RE:  FW: Hello"},
        {"   ", "   "},
        {"RE:", "RE:"},
        {repeat("RE: FW: ", 5000) + "Hello", "RE: Hello"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(RemoveLastTagIfMultipleTogether(text), expected) << text.substr(0, 40);
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
