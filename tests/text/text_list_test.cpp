#include <gtest/gtest.h>

#include "corvane/text/text.h"

namespace text = corvane::text;
using Items = std::vector<std::string>;

TEST(TextTrim, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(text::trim("  a b  "), "a b");
    EXPECT_EQ(text::trim("\ta\t"), "\ta\t");
    EXPECT_EQ(text::trim(" \r\nx\r\n "), "\r\nx\r\n");
    EXPECT_EQ(text::trim("    "), "");
    EXPECT_EQ(text::trim(""), "");
    EXPECT_EQ(text::trim("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0");  // no-break spaces stay
}

TEST(TextSplit, EmptyTextGivesNoItem) { EXPECT_TRUE(text::split("").empty()); }

TEST(TextSplit, AdjacentAndOuterSeparatorsGiveEmptyItems) {
    EXPECT_EQ(text::split("a;;b"), (Items{"a", "", "b"}));
    EXPECT_EQ(text::split("a;"), (Items{"a", ""}));
    EXPECT_EQ(text::split(";a"), (Items{"", "a"}));
    EXPECT_EQ(text::split(";"), (Items{"", ""}));
}

TEST(TextSplit, KeepsBlanksInsideItems) { EXPECT_EQ(text::split(" a ; b"), (Items{" a ", " b"})); }

TEST(TextSplit, MultiByteSeparatorAndNoSeparator) {
    EXPECT_EQ(text::split("a\r\nb\r\n", "\r\n"), (Items{"a", "b", ""}));
    EXPECT_EQ(text::split("abc", ""), (Items{"abc"}));
    EXPECT_EQ(text::split("abc"), (Items{"abc"}));
}

TEST(TextJoin, JoinsWithSemicolonAndRoundTripsSplit) {
    EXPECT_EQ(text::join({"a", "b", "c"}), "a;b;c");
    EXPECT_EQ(text::join({}), "");
    EXPECT_EQ(text::join({""}), "");
    EXPECT_EQ(text::join({"a", "", "b"}, ", "), "a, , b");
    const std::string stored = "x;;y;";
    EXPECT_EQ(text::join(text::split(stored)), stored);
}
