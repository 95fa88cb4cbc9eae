// Case-insensitive search and replacement. Expectations marked ICU hold for the Linux
// build; Windows matches linguistically (see text.h).
#include <gtest/gtest.h>

#include <random>

#include "corvane/text/text.h"

namespace text = corvane::text;
using text::Match;
using Matches = std::vector<Match>;
constexpr auto npos = std::string_view::npos;

TEST(TextFindNoCase, AsciiIgnoresCaseOfLettersOnly) {
    EXPECT_EQ(text::findNoCase("Please find ATTACHED", "attached"), 12u);
    EXPECT_EQ(text::findNoCase("a@b", "`"), npos);
    EXPECT_EQ(text::findNoCase("a`b", "@"), npos);
    EXPECT_EQ(text::findNoCase("x{y", "["), npos);
    EXPECT_EQ(text::findNoCase("x[y", "["), 1u);
    EXPECT_EQ(text::findNoCase("short", "much longer"), npos);
    EXPECT_EQ(text::findNoCase("", "a"), npos);
}

TEST(TextFindNoCase, EmptyNeedleMatchesAtStartAndFromBeyondEndFindsNothing) {
    EXPECT_EQ(text::findNoCaseSpan("abc", "", 2), (Match{2, 0}));
    EXPECT_EQ(text::findNoCaseSpan("abc", "", 3), (Match{3, 0}));
    EXPECT_FALSE(text::findNoCaseSpan("abc", "", 4));
    EXPECT_FALSE(text::findNoCaseSpan("abc", "a", 4));
    EXPECT_TRUE(text::findAllNoCase("abc", "").empty());
}

TEST(TextFindNoCase, FindsEveryPositionAcrossBlockEdges) {
    // Positions around the sixteen-byte blocks of the fast path, the text's last bytes
    // included.
    for (std::size_t at = 0; at < 40; ++at) {
        for (std::size_t after = 0; after < 20; ++after) {
            const std::string hay = std::string(at, 'x') + "AttacH" + std::string(after, 'y');
            ASSERT_EQ(text::findNoCase(hay, "aTTACh"), at) << at << ' ' << after;
            ASSERT_EQ(text::findNoCase(hay, "h"), at + 5) << at << ' ' << after;
            ASSERT_EQ(text::findNoCase(hay, "attachy"), after > 0 ? at : npos) << at << ' ' << after;
        }
    }
}

TEST(TextFindNoCase, StartsAtTheGivenOffset) {
    EXPECT_EQ(text::findNoCase("abcABC", "abc", 1), 3u);
    EXPECT_EQ(text::findNoCase("ÄaÄa", "ä", 1), 3u);
    EXPECT_EQ(text::findNoCase("abc", "abc", 1), npos);
}

TEST(TextFindNoCase, OffsetsCountBytesAfterMultiByteCharacters) {
    EXPECT_EQ(text::findNoCase("Grüße an alle", "AN"), 8u);
    EXPECT_EQ(text::findNoCase("Привет мир", "МИР"), 13u);
    EXPECT_EQ(text::findNoCase("日本語のテキスト", "テキスト"), 12u);
    EXPECT_EQ(text::findNoCase("ΟΔΟΣ", "ς"), 6u);
    EXPECT_EQ(text::findNoCase("école ÉCOLE", "ÉCOLE"), 0u);
    EXPECT_EQ(text::findNoCase("ecole ÉCOLE", "école"), 6u);
}

TEST(TextFindNoCaseSpan, SharpSMatchesDoubleSWithTheSourceLength) {
    EXPECT_EQ(text::findNoCaseSpan("STRASSE", "ß"), (Match{4, 2}));
    EXPECT_EQ(text::findNoCaseSpan("Straße", "SS"), (Match{4, 2}));
    EXPECT_EQ(text::findNoCaseSpan("GROẞ", "ss"), (Match{3, 3}));     // capital sharp s: 3 bytes
    EXPECT_EQ(text::findNoCaseSpan("5 \u212A", "k"), (Match{2, 3}));  // Kelvin sign
}

TEST(TextFindNoCaseSpan, NeverMatchesPartOfACharacter) {
    EXPECT_EQ(text::findNoCase("aß", "s"), npos);
    EXPECT_EQ(text::findAllNoCase("ßs", "s"), (Matches{{2, 1}}));
    EXPECT_EQ(text::findNoCase("\u0130", "i"), npos);  // capital I with dot folds to i + dot
}

TEST(TextFindNoCaseSpan, NonAsciiBeforeAnAsciiMatchComesFirst) {
    // A byte search would report the later plain "ss"; the sharp s comes first.
    EXPECT_EQ(text::findNoCaseSpan("xxßxx ss", "SS"), (Match{2, 2}));
    EXPECT_EQ(text::findNoCaseSpan(std::string(100, 'a') + "ẞ ss", "ss"), (Match{100, 3}));
    EXPECT_EQ(text::findNoCaseSpan("\u212A k", "K"), (Match{0, 3}));
    // A match that begins in ASCII and ends in a folded character.
    EXPECT_EQ(text::findNoCaseSpan("xxsß", "sss"), (Match{2, 3}));
    EXPECT_EQ(text::findNoCaseSpan(std::string(20, 'x') + "sß", "SSS"), (Match{20, 3}));
}

TEST(TextFindNoCase, InvalidUtf8IsSearchedWithoutCrashing) {
    EXPECT_EQ(text::findNoCase("ab\xFF"
                               "cdÄ",
                               "CDä"),
              3u);
    EXPECT_EQ(text::findNoCase("\xFF\xFE", "\xFE"), 1u);
    EXPECT_EQ(text::findNoCase("ä\xC3", "\xC3"), 2u);  // not the first byte of "ä"
    EXPECT_EQ(text::findNoCase("\xC3\xA4", "\xA4"), npos);
    EXPECT_EQ(text::findNoCase("abc", "\xC3"), npos);
    EXPECT_EQ(text::findNoCase("x\xFFy", "Y"), 2u);
}

TEST(TextContainsNoCase, FindsKeywordsAnywhere) {
    EXPECT_TRUE(text::containsNoCase("See the ENCLOSED file", "enclosed"));
    EXPECT_TRUE(text::containsNoCase("Fußball", "FUSSBALL"));
    EXPECT_FALSE(text::containsNoCase("attachement", "attachment"));
    EXPECT_TRUE(text::containsNoCase("anything", ""));
}

TEST(TextStartsWithNoCase, ComparesOnlyTheBeginning) {
    EXPECT_TRUE(text::startsWithNoCase("RE: hello", "re:"));
    EXPECT_FALSE(text::startsWithNoCase("hello RE:", "re:"));
    EXPECT_FALSE(text::startsWithNoCase("RE", "re:"));
    EXPECT_TRUE(text::startsWithNoCase("AW: Grüße", "aw:"));
    EXPECT_TRUE(text::startsWithNoCase("SSE-Bericht", "ß"));
    EXPECT_TRUE(text::startsWithNoCase("Ärger", "ä"));
    EXPECT_FALSE(text::startsWithNoCase("xÄrger", "ä"));
    EXPECT_TRUE(text::startsWithNoCase("", ""));
}

TEST(TextReplaceAll, BinaryIsCaseSensitiveAndNonOverlapping) {
    EXPECT_EQ(text::replaceAll("RE: re: RE:", "RE:", "X"), "X re: X");
    EXPECT_EQ(text::replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(text::replaceAll("aa", "a", "aa"), "aaaa");
    EXPECT_EQ(text::replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(text::replaceAll("", "a", "x"), "");
    EXPECT_EQ(text::replaceAll("ßSS", "ß", "ss"), "ssSS");
}

TEST(TextReplaceAll, TextIgnoresCaseAndReplacesTheMatchedSource) {
    EXPECT_EQ(text::replaceAll("RE: re: Re: rE:", "re:", "X", text::Compare::Text), "X X X X");
    EXPECT_EQ(text::replaceAll("[SPAM-LOW:] Hi", "spam-low:", "", text::Compare::Text), "[] Hi");
    EXPECT_EQ(text::replaceAll("ÄRGER ärger", "ä", "ae", text::Compare::Text), "aeRGER aerger");
    EXPECT_EQ(text::replaceAll("Straße STRASSE", "ss", "s", text::Compare::Text), "Strase STRAsE");
    EXPECT_EQ(text::replaceAll("GROẞ groß", "SS", "ss", text::Compare::Text), "GROss gross");
    EXPECT_EQ(text::replaceAll("aß", "s", "x", text::Compare::Text), "aß");
    EXPECT_EQ(text::replaceAll("AaA", "a", "aa", text::Compare::Text), "aaaaaa");
    EXPECT_EQ(text::replaceAll("x\xFF"
                               "AB",
                               "ab", "-", text::Compare::Text),
              "x\xFF-");
}

TEST(TextReplaceAll, TextHandlesManyMatchesInLongMixedText) {
    std::string hay, expected;
    for (int i = 0; i < 20000; ++i) {
        hay += "Grüße STRASSE ";
        expected += "Grüß Straße ";
    }
    std::string once = text::replaceAll(hay, "e ", " ", text::Compare::Text);
    once = text::replaceAll(once, "STRASS", "Straße", text::Compare::Text);
    EXPECT_EQ(once, expected);
}

// Compares the search with a brute-force one built on equalsNoCase over random texts of
// ASCII runs, folded characters (ß, ẞ, Kelvin sign, long s, ligatures, dotted I), sigma
// forms and an invalid byte.
namespace {

bool isBoundary(const std::string& s, std::size_t i) {
    return i == s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
}

Matches bruteForce(const std::string& hay, const std::string& needle, std::size_t from, std::size_t limit) {
    Matches out;
    for (std::size_t s = from; s < hay.size() && out.size() < limit; ++s) {
        if (!isBoundary(hay, s)) continue;
        for (std::size_t e = s + 1; e <= hay.size(); ++e) {
            if (!isBoundary(hay, e) || !text::equalsNoCase(std::string_view(hay).substr(s, e - s), needle)) continue;
            out.push_back({s, e - s});
            s = e - 1;
            break;
        }
    }
    return out;
}

}  // namespace

TEST(TextFindNoCaseSpan, AgreesWithBruteForceOnMixedText) {
    const std::vector<std::string> pieces = {
        "a",      "S", "s", "k", "K",      "f", "i", "I", " ", "@", "`",   "xxxxxxxxxxxxxxxx", "ss", "ß", "ẞ",
        "\u212A", "ſ", "ﬀ", "ﬁ", "\u0130", "é", "É", "Σ", "σ", "ς", "\xFF"};
    std::mt19937 rng(20240611);
    auto pick = [&](std::size_t count) {
        std::string s;
        for (std::size_t i = 0; i < count; ++i) s += pieces[rng() % pieces.size()];
        return s;
    };
    for (int round = 0; round < 1500; ++round) {
        const std::string hay = pick(rng() % 24);
        const std::string needle = pick(1 + rng() % 3);
        ASSERT_EQ(text::findAllNoCase(hay, needle), bruteForce(hay, needle, 0, SIZE_MAX))
            << '"' << hay << "\" / \"" << needle << '"';
        for (std::size_t from = 0; from <= hay.size(); ++from) {
            if (!isBoundary(hay, from)) continue;
            const Matches first = bruteForce(hay, needle, from, 1);
            const auto found = text::findNoCaseSpan(hay, needle, from);
            ASSERT_EQ(found.has_value(), !first.empty()) << '"' << hay << "\" / \"" << needle << "\" from " << from;
            if (found) {
                ASSERT_EQ(*found, first.front()) << '"' << hay << "\" / \"" << needle << "\" from " << from;
            }
        }
    }
}
