#include <gtest/gtest.h>

#include "corvane/text/text.h"

namespace text = corvane::text;

TEST(TextNumber, SettingsCountsReadTheirWholePart) {
    EXPECT_EQ(text::wholeNumber(" 14 "), 14);
    EXPECT_EQ(text::wholeNumber("7.9"), 7);
    EXPECT_EQ(text::wholeNumber("-3"), -3);
    EXPECT_EQ(text::wholeNumber("-3.5"), -4);
    EXPECT_EQ(text::wholeNumber("0"), 0);
    EXPECT_EQ(text::wholeNumber("-0"), 0);
}

TEST(TextNumber, MalformedTextIsNotANumber) {
    for (const char* s : {"abc",  "",    "   ",         "1.2.3", "12abc", "abc12", "1 2", "-",   "+",   ".",
                          "1e",   "1e+", "--1",         "+-1",   "1,5",   "$5",    "(5)", "5-",  "\t5", "5\t",
                          "0x10", "&H",  "&H123456789", "&HG",   "&O17",  "-&H10", "1d3", "inf", "nan", "1e400"}) {
        EXPECT_FALSE(text::parseNumber(s)) << '"' << s << '"';
        EXPECT_FALSE(text::wholeNumber(s)) << '"' << s << '"';
    }
}

TEST(TextNumber, AcceptsSignedFractionalAndExponentForms) {
    EXPECT_EQ(text::parseNumber("+5"), 5.0);
    EXPECT_EQ(text::parseNumber(".5"), 0.5);
    EXPECT_EQ(text::parseNumber("5."), 5.0);
    EXPECT_EQ(text::parseNumber("1e3"), 1000.0);
    EXPECT_EQ(text::parseNumber("2.5E-1"), 0.25);
    EXPECT_EQ(text::wholeNumber(".5"), 0);
    EXPECT_EQ(text::wholeNumber("1e3"), 1000);
}

TEST(TextNumber, HexFormOfAPresetDwordReadsAsItsValue) {
    EXPECT_EQ(text::wholeNumber("&H0000000E"), 14);
    EXPECT_EQ(text::wholeNumber("&h10"), 16);
    EXPECT_EQ(text::wholeNumber(" &H00000001 "), 1);
    EXPECT_EQ(text::wholeNumber("&HFFFF"), -1);  // four digits: 16-bit
    EXPECT_EQ(text::wholeNumber("&H0000FFFF"), 65535);
    EXPECT_EQ(text::wholeNumber("&HFFFFFFFF"), -1);  // eight digits: 32-bit
    EXPECT_EQ(text::wholeNumber("&H7FFFFFFF"), 2147483647);
}

TEST(TextNumber, HugeValuesAreOutOfRangeForWholeNumbers) {
    EXPECT_TRUE(text::parseNumber("1e300"));
    EXPECT_FALSE(text::wholeNumber("1e300"));
    EXPECT_EQ(text::wholeNumber("9000000000000000000"), 9000000000000000000LL);
}
