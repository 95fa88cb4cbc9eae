#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvane/checks/attach_missing.h"
#include "corvane/platform/error.h"

using namespace corvane::checks::basCorvane;
using corvane::platform::PlatformError;

namespace {

const std::string kDefaultKeywords = "attach;attached;attachment;enclose;enclosed;enclosing";
const std::string kHeader = "From: Bob Smith\r\nSent: Monday, 3 June 2013 10:12\r\nTo: Alice\r\nSubject: Report\r\n";

AttachCheckSettings defaults() {
    AttachCheckSettings s;
    s.attachKeyWords = kDefaultKeywords;
    return s;
}

AttachCheckOutcome analyse(const std::string& subject, const std::string& body,
                           const std::vector<AttachmentInfo>& attachments = {}, const std::string& html = {},
                           const AttachCheckSettings& settings = defaults()) {
    return AnalyseAttachMissing(subject, body, attachments, html, settings);
}

int errorNumber(const std::string& body) {
    try {
        FindHeaderBlock(body);
    } catch (const PlatformError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(HeaderBlock, FoundAtTheQuotedMessagesFrom) {
    const std::string body = "Thanks.\r\n\r\n" + kHeader + "\r\nOld text\r\n";
    EXPECT_EQ(FindHeaderBlock(body), std::optional<std::size_t>(11));
    EXPECT_EQ(CutQuotedMessage(body), "Thanks.\r\n\r\nF");
}

TEST(HeaderBlock, AbsentWithoutFrom) {
    EXPECT_EQ(FindHeaderBlock("Hello\r\nSent: x\r\nTo: y\r\n"), std::nullopt);
    EXPECT_EQ(CutQuotedMessage("Hello"), "Hello");
    EXPECT_EQ(CutQuotedMessage(""), "");
}

TEST(HeaderBlock, SearchGoesOnPastFromWithoutSentAndTo) {
    const std::string body = "From: the desk of Bob\r\nHello\r\nthere\r\n"  // no "Sent:"
                             "From: Carol\r\nSent: today\r\nCc: Dan\r\n"       // no "To:"
                             "Hi\r\n" + kHeader;
    EXPECT_EQ(FindHeaderBlock(body), body.find(kHeader));
}

TEST(HeaderBlock, WordsAreEnglishAndExactCase) {
    EXPECT_EQ(FindHeaderBlock("from: a\r\nSent: b\r\nTo: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("From: a\r\nsent: b\r\nTo: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("Von: a\r\nGesendet: b\r\nAn: c\r\n"), std::nullopt);
    EXPECT_EQ(FindHeaderBlock("x From: a\r\nwas Sent: b\r\nCC To: c\r\n"), std::optional<std::size_t>(2));
}

TEST(HeaderBlock, LinesCutShortAreAnError) {
    EXPECT_EQ(errorNumber("Hi\r\nFrom: Bob"), 5);
    EXPECT_EQ(errorNumber("From: Bob\r\nHello"), 5);
    EXPECT_EQ(errorNumber("From: Bob\r\nSent: today"), 5);
    EXPECT_EQ(errorNumber("From: Bob\r\nSent: today\r\nTo: Alice"), 5);
    EXPECT_EQ(errorNumber("From: Bob\r\nSent: today\r\nTo: Alice\r\n"), 0);
    // The third line is only read when the second one holds "Sent:".
    EXPECT_EQ(errorNumber("From: Bob\r\nHello\r\nTo: Alice"), 0);
}

TEST(SearchText, SubjectAndBodyUpperCasedOnTwoLines) {
    EXPECT_EQ(BuildSearchText("Report", "see attached", false, ""), "REPORT\r\nSEE ATTACHED");
    EXPECT_EQ(BuildSearchText("", "", false, ""), "\r\n");
}

TEST(SearchText, NonAsciiIsUpperCased) {
    EXPECT_EQ(BuildSearchText("Grüße", "straße ärger", false, ""), "GRÜSSE\r\nSTRASSE ÄRGER");
    const std::string longAscii(150, 'a');
    EXPECT_EQ(BuildSearchText("x", longAscii + "ä" + longAscii, false, ""),
              "X\r\n" + std::string(150, 'A') + "Ä" + std::string(150, 'A'));
}

TEST(SearchText, NonBreakingSpacesBecomeSpaces) {
    EXPECT_EQ(BuildSearchText("a\xC2\xA0" "b", "Kind\xC2\xA0\xC2\xA0regards", false, ""), "A B\r\nKIND  REGARDS");
    EXPECT_EQ(BuildSearchText("ä", "x\xC2\xA0", false, ""), "Ä\r\nX ");
}

TEST(SearchText, IgnoredBlockIsReplacedByOneSpace) {
    const std::string signature = "Bob Smith\r\nEnclosed Systems Ltd";
    const std::string body = "Hello\r\n" + signature + "\r\nbye bob smith\r\nenclosed systems ltd";
    EXPECT_EQ(BuildSearchText("s", body, true, "  bob smith\r\nenclosed SYSTEMS ltd "), "S\r\nHELLO\r\n \r\nBYE  ");
    EXPECT_EQ(BuildSearchText("s", body, false, signature), "S\r\n" + std::string("HELLO\r\nBOB SMITH\r\n"
              "ENCLOSED SYSTEMS LTD\r\nBYE BOB SMITH\r\nENCLOSED SYSTEMS LTD"));
}

TEST(SearchText, IgnoredBlockMatchesAcrossNonBreakingSpaces) {
    // Text taken from an HTML message carries non-breaking spaces where the block has
    // ordinary ones, and the other way round.
    EXPECT_EQ(BuildSearchText("s", "Hi\r\nfiles\xC2\xA0" "enclosed here", true, "Files enclosed\xC2\xA0HERE"),
              "S\r\nHI\r\n ");
}

TEST(SearchText, BlankIgnoredBlockIgnoresNothing) {
    EXPECT_EQ(BuildSearchText("s", "a  b", true, "   "), "S\r\nA  B");
}

TEST(Attachments, InlinePictureReferencedByHtmlIsSkipped) {
    const std::string html = "<img src=\"cid:LOGO.PNG@01CE6\">";
    EXPECT_EQ(ClassifyAttachment({"logo.png", "logo.png@01ce6"}, html, false, {}), AttachmentKind::InlinePicture);
    EXPECT_EQ(ClassifyAttachment({"logo.png", "other@01"}, html, false, {}), AttachmentKind::Real);
    EXPECT_EQ(ClassifyAttachment({"logo.png", ""}, html, false, {}), AttachmentKind::Real);
}

TEST(Attachments, ListedNamesAreIgnoredOnlyWhenSwitchedOn) {
    const std::vector<std::string> names{"logo.png", " card.vcf "};
    EXPECT_EQ(ClassifyAttachment({"Card.VCF", ""}, "", true, names), AttachmentKind::Ignored);
    EXPECT_EQ(ClassifyAttachment({" Card.VCF  ", ""}, "", true, names), AttachmentKind::Ignored);
    EXPECT_EQ(ClassifyAttachment({"Card.VCF", ""}, "", false, names), AttachmentKind::Real);
    EXPECT_EQ(ClassifyAttachment({"card.vcf.zip", ""}, "", true, names), AttachmentKind::Real);
}

TEST(Attachments, AnyRealAttachmentCounts) {
    const std::vector<AttachmentInfo> cardOnly{{"Card.VCF", ""}};
    const std::vector<AttachmentInfo> cardAndReport{{"Card.VCF", ""}, {"report.pdf", ""}};
    EXPECT_FALSE(HasRealAttachment(cardOnly, "", true, "card.vcf"));
    EXPECT_TRUE(HasRealAttachment(cardAndReport, "", true, "card.vcf"));
    EXPECT_TRUE(HasRealAttachment(cardOnly, "", false, "card.vcf"));
    EXPECT_FALSE(HasRealAttachment({}, "", false, ""));
}

TEST(Keywords, AnyKeywordOfTheListCounts) {
    EXPECT_TRUE(ContainsAttachKeyword("PLEASE FIND ENCLOSED", kDefaultKeywords));
    EXPECT_TRUE(ContainsAttachKeyword("ENCLOSING THE FILE", kDefaultKeywords));
    EXPECT_TRUE(ContainsAttachKeyword("ATTACHMENT", "attachments;enclose;attach"));
    EXPECT_FALSE(ContainsAttachKeyword("NOTHING HERE", kDefaultKeywords));
    EXPECT_FALSE(ContainsAttachKeyword("ATTACHMEN", "attachment;enclosed"));
}

TEST(Keywords, PlainSubstringMatches) {
    EXPECT_TRUE(ContainsAttachKeyword("I REATTACHED IT", kDefaultKeywords));
}

TEST(Keywords, KeywordsAreUpperCasedButNotTrimmed) {
    EXPECT_TRUE(ContainsAttachKeyword("SEE ATTACHED", " attach"));
    EXPECT_FALSE(ContainsAttachKeyword("ATTACHED", " attach"));
    EXPECT_TRUE(ContainsAttachKeyword("ANBEI BEIGEFÜGT", "anlage;beigefügt"));
    EXPECT_FALSE(ContainsAttachKeyword("see attached", "attach"));
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
}

TEST(Keywords, OneLetterKeyword) {
    EXPECT_TRUE(ContainsAttachKeyword(std::string(40, '-') + "Q" + std::string(40, '-'), "attach;q"));
    EXPECT_FALSE(ContainsAttachKeyword(std::string(81, '-'), "attach;q"));
}

TEST(Keywords, EmptyEntryMatchesEveryText) {
    EXPECT_TRUE(ContainsAttachKeyword("HELLO", "attach;;enclose"));
    EXPECT_TRUE(ContainsAttachKeyword("HELLO", "attach;"));
    EXPECT_TRUE(ContainsAttachKeyword("", ";"));
}

TEST(Keywords, EmptyListMatchesNothing) {
    EXPECT_FALSE(ContainsAttachKeyword("ATTACHED", ""));
}

TEST(AttachMissing, KeywordOnlyInQuotedMessageDoesNotPrompt) {
    const std::string body = "Thanks, will do.\r\n\r\n" + kHeader + "\r\nPlease see attached.\r\n";
    EXPECT_EQ(analyse("RE: Report", body), AttachCheckOutcome::NoKeyword);
}

TEST(AttachMissing, KeywordInNewTextOrSubjectPrompts) {
    EXPECT_EQ(analyse("RE: Report", "I attach the file.\r\n\r\n" + kHeader), AttachCheckOutcome::Prompt);
    EXPECT_EQ(analyse("Report attached", "Hi"), AttachCheckOutcome::Prompt);
    EXPECT_EQ(analyse("Bericht", "Im Anhang, ENCLOSED wie besprochen"), AttachCheckOutcome::Prompt);
}

TEST(AttachMissing, InlineLogoDoesNotCountAsAttachment) {
    const std::vector<AttachmentInfo> logo{{"logo.png", "logo.png@01CE6"}};
    EXPECT_EQ(analyse("Offer", "Price list enclosed", logo, "<img src=\"cid:logo.png@01CE6\">"),
              AttachCheckOutcome::Prompt);
}

TEST(AttachMissing, ListedVCardDoesNotCountUnlessAnotherAttachmentComes) {
    AttachCheckSettings s = defaults();
    s.ignoreAttach = true;
    s.ignoreAttachValue = "card.vcf";
    EXPECT_EQ(analyse("x", "see attached", {{"Card.VCF", ""}}, "", s), AttachCheckOutcome::Prompt);
    EXPECT_EQ(analyse("x", "see attached", {{"Card.VCF", ""}, {"plan.xlsx", ""}}, "", s),
              AttachCheckOutcome::RealAttachmentPresent);
}

TEST(AttachMissing, SignatureEqualToIgnoredBlockDoesNotPrompt) {
    AttachCheckSettings s = defaults();
    s.ignoreText = true;
    s.ignoreTextValue = "Legal notice: anything enclosed is confidential.";
    const std::string body = "Lunch at noon?\r\n\r\nLEGAL\xC2\xA0NOTICE: Anything enclosed is\xC2\xA0" "confidential.";
    EXPECT_EQ(analyse("Lunch", body, {}, "", s), AttachCheckOutcome::NoKeyword);
    s.ignoreText = false;
    EXPECT_EQ(analyse("Lunch", body, {}, "", s), AttachCheckOutcome::Prompt);
}

TEST(AttachMissing, EmptyKeywordQuestionsEveryMessageWithoutAttachments) {
    AttachCheckSettings s = defaults();
    s.attachKeyWords = "attach;;enclose";
    EXPECT_EQ(analyse("Hello", "Nothing to see", {}, "", s), AttachCheckOutcome::Prompt);
    EXPECT_EQ(analyse("Hello", "Nothing to see", {{"a.pdf", ""}}, "", s), AttachCheckOutcome::RealAttachmentPresent);
}

TEST(AttachMissing, HeaderCutShortFailsEvenWithAttachment) {
    EXPECT_THROW(analyse("x", "Hi\r\nFrom: Bob", {{"a.pdf", ""}}), PlatformError);
}
