#include "corvane/text/code_page.h"

#include <gtest/gtest.h>

namespace corvane::text {
namespace {

TEST(CodePage, WesternEuropeanTextMakesTheRoundTripAndItsUndefinedBytesAreControls) {
    const std::string bytes =
        "Gr\xFC\xDF"
        "e \x96 \x80 5\r\n\x81";
    const auto utf8 = fromCodePage(bytes, WesternEuropeanCodePage);
    ASSERT_TRUE(utf8);
    EXPECT_EQ(*utf8, "Grüße – € 5\r\n\xC2\x81");
    EXPECT_EQ(toCodePage(*utf8, WesternEuropeanCodePage), bytes);
}

TEST(CodePage, CharactersTheCodePageLacksAndIllFormedTextBecomeQuestionMarksNeverALookAlike) {
    EXPECT_EQ(toCodePage("Āb 日 Ａ", WesternEuropeanCodePage), "?b ? ?");
    EXPECT_EQ(toCodePage("a\xFF"
                         "b",
                         WesternEuropeanCodePage),
              "a?b");
    EXPECT_EQ(toCodePage("Москва", 1251), "\xCC\xEE\xF1\xEA\xE2\xE0");
}

TEST(CodePage, ALeadByteWithoutItsTrailByteOrAnUnknownCodePageGivesNothing) {
    EXPECT_EQ(fromCodePage("\x82\xA0", 932), "あ");
    EXPECT_EQ(fromCodePage("\x82\xA0\x82", 932), std::nullopt);
    EXPECT_EQ(fromCodePage("\xE9", 4), std::nullopt);
    EXPECT_EQ(toCodePage("é", 4), std::nullopt);
    EXPECT_EQ(fromCodePage("plain", 4), "plain");
}

}  // namespace
}  // namespace corvane::text
