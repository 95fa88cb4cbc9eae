// The text analysis of the missing-attachment check: the quoted message cut off, the text
// searched, the attachments that count, the keywords. What a whole message leads to is in
// the attach-*.yaml scenarios.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvane/checks/attach_missing.h"
#include "support/platform_error.h"

using namespace corvane::checks::basCorvane;
using corvane::testing::FailsWith;

namespace {

const std::string kDefaultKeywords = "attach;attached;attachment;enclose;enclosed;enclosing";
const std::string kHeader = "From: Bob Smith\r\nSent: Monday, 3 June 2013 10:12\r\nTo: Alice\r\nSubject: Report\r\n";

}  // namespace

TEST(HeaderBlock, FoundAtTheQuotedMessagesFrom) {
    const std::string body = "Thanks.\r\n\r\n" + kHeader + "\r\nOld text\r\n";
    EXPECT_EQ(FindHeaderBlock(body), std::optional<std::size_t>(11));
    EXPECT_EQ(CutQuotedMessage(body), "Thanks.\r\n\r\nF");
    EXPECT_EQ(CutQuotedMessage("Hello"), "Hello");
    EXPECT_EQ(CutQuotedMessage(""), "");
}

TEST(HeaderBlock, SearchGoesOnPastFromWithoutSentAndTo) {
    const std::string body =
        "From: the desk of Bob\r\nHello\r\nthere\r\n"  // no "Sent:"
        "From: Carol\r\nSent: today\r\nCc: Dan\r\n"    // no "To:"
        "Hi\r\n" +
        kHeader;
    EXPECT_EQ(FindHeaderBlock(body), body.find(kHeader));
}

TEST(HeaderBlock, WordsAreEnglishAndExactCase) {
    EXPECT_EQ(FindHeaderBlock("Hello\r\nSent: x\r\nTo: y\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("from: a\r\nSent: b\r\nTo: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("From: a\r\nsent: b\r\nTo: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("Von: a\r\nGesendet: b\r\nAn: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("x From: a\r\nwas Sent: b\r\nCC To: c\r\n"), std::optional<std::size_t>(2));
}

TEST(HeaderBlock, LinesCutShortAreAnError) {
    for (const char* body : {"Hi\r\nFrom: Bob", "From: Bob\r\nHello", "From: Bob\r\nSent: today",
                             "From: Bob\r\nSent: today\r\nTo: Alice"})
        EXPECT_THAT([&] { FindHeaderBlock(body); }, FailsWith(5)) << body;
    EXPECT_NO_THROW(FindHeaderBlock("From: Bob\r\nSent: today\r\nTo: Alice\r\n"));
    // The third line is only read when the second one holds "Sent:".
    EXPECT_NO_THROW(FindHeaderBlock("From: Bob\r\nHello\r\nTo: Alice"));
    // Even a message with an attachment fails.
    EXPECT_THAT(
        [] {
            AnalyseAttachMissing("x", "Hi\r\nFrom: Bob", std::vector<AttachmentInfo>{{"a.pdf", ""}}, "", {});
        },
        FailsWith(5));
}

TEST(SearchText, SubjectAndBodyUpperCasedOnTwoLinesWithNonBreakingSpacesAsSpaces) {
    EXPECT_EQ(BuildSearchText("Report", "see attached", false, ""), "REPORT\r\nSEE ATTACHED");
    EXPECT_EQ(BuildSearchText("", "", false, ""), "\r\n");
    EXPECT_EQ(BuildSearchText("Grüße", "straße ärger", false, ""), "GRÜSSE\r\nSTRASSE ÄRGER");
    const std::string longAscii(150, 'a');
    EXPECT_EQ(BuildSearchText("x", longAscii + "ä" + longAscii, false, ""),
              "X\r\n" + std::string(150, 'A') + "Ä" + std::string(150, 'A'));
    EXPECT_EQ(BuildSearchText("a\xC2\xA0"
                              "b",
                              "Kind\xC2\xA0\xC2\xA0regards", false, ""),
              "A B\r\nKIND  REGARDS");
    EXPECT_EQ(BuildSearchText("ä", "x\xC2\xA0", false, ""), "Ä\r\nX ");
}

TEST(SearchText, IgnoredBlockIsReplacedByOneSpace) {
    const std::string signature = "Bob Smith\r\nEnclosed Systems Ltd";
    const std::string body = "Hello\r\n" + signature + "\r\nbye bob smith\r\nenclosed systems ltd";
    EXPECT_EQ(BuildSearchText("s", body, true, "  bob smith\r\nenclosed SYSTEMS ltd "), "S\r\nHELLO\r\n \r\nBYE  ");
    EXPECT_EQ(BuildSearchText("s", body, false, signature),
              "S\r\n" + std::string("HELLO\r\nBOB SMITH\r\n"
                                    "ENCLOSED SYSTEMS LTD\r\nBYE BOB SMITH\r\nENCLOSED SYSTEMS LTD"));
    // Text taken from an HTML message carries non-breaking spaces where the block has
    // ordinary ones, and the other way round.
    EXPECT_EQ(BuildSearchText("s",
                              "Hi\r\nfiles\xC2\xA0"
                              "enclosed here",
                              true, "Files enclosed\xC2\xA0HERE"),
              "S\r\nHI\r\n ");
    EXPECT_EQ(BuildSearchText("s", "a  b", true, "   "), "S\r\nA  B");  // a blank block ignores nothing
}

TEST(Attachments, InlinePicturesAndListedNamesDoNotCount) {
    const std::string html = "<img src=\"cid:LOGO.PNG@01CE6\">";
    EXPECT_EQ(ClassifyAttachment({"logo.png", "logo.png@01ce6"}, html, false, {}), AttachmentKind::InlinePicture);
    EXPECT_EQ(ClassifyAttachment({"logo.png", "other@01"}, html, false, {}), AttachmentKind::Real);
    EXPECT_EQ(ClassifyAttachment({"logo.png", ""}, html, false, {}), AttachmentKind::Real);
    const std::vector<std::string> names{"logo.png", " card.vcf "};
    EXPECT_EQ(ClassifyAttachment({"Card.VCF", ""}, "", true, names), AttachmentKind::Ignored);
    EXPECT_EQ(ClassifyAttachment({" Card.VCF  ", ""}, "", true, names), AttachmentKind::Ignored);
    EXPECT_EQ(ClassifyAttachment({"Card.VCF", ""}, "", false, names), AttachmentKind::Real);
    EXPECT_EQ(ClassifyAttachment({"card.vcf.zip", ""}, "", true, names), AttachmentKind::Real);
    const std::vector<AttachmentInfo> cardOnly{{"Card.VCF", ""}};
    const std::vector<AttachmentInfo> cardAndReport{{"Card.VCF", ""}, {"report.pdf", ""}};
    EXPECT_FALSE(HasRealAttachment(cardOnly, "", true, "card.vcf"));
    EXPECT_TRUE(HasRealAttachment(cardAndReport, "", true, "card.vcf"));
    EXPECT_TRUE(HasRealAttachment(cardOnly, "", false, "card.vcf"));
    EXPECT_FALSE(HasRealAttachment({}, "", false, ""));
}

TEST(Keywords, AnyUpperCasedUntrimmedKeywordCountsAsAPlainSubstring) {
    const std::vector<std::tuple<const char*, std::string, bool>> cases{
        {"PLEASE FIND ENCLOSED", kDefaultKeywords, true},
        {"ENCLOSING THE FILE", kDefaultKeywords, true},
        {"I REATTACHED IT", kDefaultKeywords, true},
        {"NOTHING HERE", kDefaultKeywords, false},
        {"ATTACHMENT", "attachments;enclose;attach", true},
        {"ATTACHMEN", "attachment;enclosed", false},
        {"SEE ATTACHED", " attach", true},
        {"ATTACHED", " attach", false},
        {"ANBEI BEIGEFÜGT", "anlage;beigefügt", true},
        {"see attached", "attach", false},
        {"HELLO", "attach;;enclose", true},  // an empty keyword matches every text
        {"HELLO", "attach;", true},
        {"", ";", true},
        {"ATTACHED", "", false},  // an empty list matches nothing
    };
    for (const auto& [text, keywords, found] : cases)
        EXPECT_EQ(ContainsAttachKeyword(text, keywords), found) << text << " / " << keywords;
}

TEST(Keywords, FoundAtEveryPositionOfALongText) {
    const std::string filler(80, '.');
    for (std::size_t at = 0; at + 9 <= filler.size(); ++at) {
        std::string text = filler;
        text.replace(at, 9, "ENCLOSING");
        EXPECT_TRUE(ContainsAttachKeyword(text, "attach;enclosing;x")) << "at " << at;
        text.replace(at, 9, "ENCLOSXNG");
        EXPECT_FALSE(ContainsAttachKeyword(text, "attach;enclosing")) << "at " << at;
        // Keywords that begin alike are searched together; the shared beginning alone
        // is no match.
        text.replace(at, 9, "ENCLOSURE");
        EXPECT_FALSE(ContainsAttachKeyword(text, "enclose;attach;enclosing")) << "at " << at;
        text.replace(at, 9, "XENCLOSED");
        EXPECT_TRUE(ContainsAttachKeyword(text, "enclosing;enclosed;attach")) << "at " << at;
    }
    EXPECT_TRUE(ContainsAttachKeyword(std::string(40, '-') + "Q" + std::string(40, '-'), "attach;q"));
    EXPECT_FALSE(ContainsAttachKeyword(std::string(81, '-'), "attach;q"));
}
