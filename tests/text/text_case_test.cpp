// Case mapping and comparison beyond ASCII. Expectations marked ICU hold for the Linux
// build; Windows keeps one-to-one mappings (see text.h).
#include <gtest/gtest.h>

#include "corvane/text/text.h"

namespace text = corvane::text;

TEST(TextCase, AsciiMapsLettersOnly) {
    EXPECT_EQ(text::toUpper("Re: fw 1@[x]`{"), "RE: FW 1@[X]`{");
    EXPECT_EQ(text::toLower("RE: FW 1@[X]`{"), "re: fw 1@[x]`{");
    EXPECT_EQ(text::toUpper("i"), "I");  // invariant, never the Turkish dotted capital
}

TEST(TextCase, AccentedCyrillicAndGreekLettersChangeCase) {
    EXPECT_EQ(text::toUpper("élève à l'école"), "ÉLÈVE À L'ÉCOLE");
    EXPECT_EQ(text::toLower("ÄRGER ÖL ÜBER"), "ärger öl über");
    EXPECT_EQ(text::toUpper("привет, мир"), "ПРИВЕТ, МИР");
    EXPECT_EQ(text::toLower("ΑΘΗΝΑ"), "αθηνα");
}

TEST(TextCase, CjkTextIsUnchanged) {
    const std::string cjk = "日本語のテキスト 中文 한국어";
    EXPECT_EQ(text::toUpper(cjk), cjk);
    EXPECT_EQ(text::toLower(cjk), cjk);
    EXPECT_TRUE(text::equalsNoCase(cjk, cjk));
}

TEST(TextCase, IcuUppercasesSharpSAsTwoLetters) { EXPECT_EQ(text::toUpper("straße"), "STRASSE"); }

TEST(TextCase, IcuWritesWordFinalSigma) { EXPECT_EQ(text::toLower("ΟΔΟΣ ΟΔΟΣ"), "οδος οδος"); }

TEST(TextCase, InvalidUtf8BytesStayAndTheRestIsMapped) {
    EXPECT_EQ(text::toUpper("ab\xFF"
                            "cd"),
              "AB\xFF"
              "CD");
    EXPECT_EQ(text::toUpper("ä\xFF"
                            "ö"),
              "Ä\xFF"
              "Ö");
    EXPECT_EQ(text::toLower("Ä\xC3"), "ä\xC3");  // sequence cut short
    EXPECT_EQ(text::toLower("\xED\xA0\x80"
                            "A"),
              "\xED\xA0\x80"
              "a");                                    // encoded surrogate
    EXPECT_EQ(text::toUpper("\xC0\xAF"), "\xC0\xAF");  // overlong "/"
}

TEST(TextEqualsNoCase, SharpSEqualsDoubleS) {
    EXPECT_TRUE(text::equalsNoCase("straße", "STRASSE"));
    EXPECT_TRUE(text::equalsNoCase("STRAẞE", "strasse"));
    EXPECT_FALSE(text::equalsNoCase("straße", "strase"));
}

TEST(TextEqualsNoCase, AllSigmaFormsAreEqual) {
    EXPECT_TRUE(text::equalsNoCase("ΟΔΟΣ", "οδος"));
    EXPECT_TRUE(text::equalsNoCase("ΟΔΟΣ", "οδοσ"));
}

TEST(TextEqualsNoCase, AccentsAndLengthStillMatter) {
    EXPECT_TRUE(text::equalsNoCase("ÉCOLE", "école"));
    EXPECT_TRUE(text::equalsNoCase("Привет", "пРИВЕТ"));
    EXPECT_FALSE(text::equalsNoCase("école", "ecole"));
    EXPECT_FALSE(text::equalsNoCase("Ä", "A"));
    EXPECT_FALSE(text::equalsNoCase("abc", "abcd"));
    EXPECT_FALSE(text::equalsNoCase("@", "`"));
    EXPECT_TRUE(text::equalsNoCase("", ""));
    EXPECT_FALSE(text::equalsNoCase("", "ä"));
}

TEST(TextEqualsNoCase, InvalidUtf8ComparesByteForByteOutsideLetters) {
    EXPECT_TRUE(text::equalsNoCase("a\xFF", "A\xFF"));
    EXPECT_FALSE(text::equalsNoCase("\xFF", "\xFE"));
    EXPECT_FALSE(text::equalsNoCase("\xC3", "\xC3\xA4"));
}
