#include <gtest/gtest.h>

#include "corvane/text/utf8.h"

namespace text = corvane::text;

TEST(Utf8Validity, WellFormedTextIsValidToTheEnd) {
    const std::string s = "aä€😀";
    EXPECT_EQ(text::validUtf8Length(s), s.size());
    EXPECT_EQ(text::validUtf8Length(""), 0u);
}

TEST(Utf8Validity, StopsBeforeTheFirstIllFormedSequence) {
    EXPECT_EQ(text::validUtf8Length("ab\xFF"
                                    "c"),
              2u);
    EXPECT_EQ(text::validUtf8Length("a\xC3"), 1u);              // cut short
    EXPECT_EQ(text::validUtf8Length("a\xC0\xAF"), 1u);          // overlong
    EXPECT_EQ(text::validUtf8Length("a\xE0\x80\xAF"), 1u);      // overlong
    EXPECT_EQ(text::validUtf8Length("a\xED\xA0\x80"), 1u);      // surrogate
    EXPECT_EQ(text::validUtf8Length("a\xF4\x90\x80\x80"), 1u);  // above U+10FFFF
    EXPECT_EQ(text::validUtf8Length("a\x80"), 1u);              // stray continuation
    EXPECT_EQ(text::validUtf8Length("\xED\x9F\xBF"), 3u);       // U+D7FF is fine
    EXPECT_EQ(text::validUtf8Length("\xF4\x8F\xBF\xBF"), 4u);   // U+10FFFF is fine
}

TEST(Utf16Offsets, CountsSurrogatePairsAsTwoUnits) {
    const std::string s = "aä€😀b";  // bytes 1+2+3+4+1, units 1+1+1+2+1
    text::Utf16Offsets offsets(s);
    EXPECT_EQ(offsets.byteOffset(0), 0u);
    EXPECT_EQ(offsets.byteOffset(1), 1u);
    EXPECT_EQ(offsets.byteOffset(2), 3u);
    EXPECT_EQ(offsets.byteOffset(3), 6u);
    EXPECT_EQ(offsets.byteOffset(5), 10u);
    EXPECT_EQ(offsets.byteOffset(6), 11u);
    EXPECT_EQ(offsets.byteOffset(99), 11u);
}

TEST(Utf16Offsets, OffsetInsideASurrogatePairGivesItsEnd) {
    text::Utf16Offsets offsets("😀x");
    EXPECT_EQ(offsets.byteOffset(1), 4u);
}
