#include <gtest/gtest.h>

#include "corvane/resources/resource_script.h"

using corvane::resources::ParseResourceScript;

namespace {

std::string errorOf(std::string_view script, int& line) {
    auto parsed = ParseResourceScript(script);
    if (!parsed.error) return "no error";
    line = parsed.error->line;
    return parsed.error->what;
}

}  // namespace

TEST(ResourceScriptFormat, QuotesAndEscapesInsideTexts) {
    auto parsed = ParseResourceScript(
        "STRINGTABLE\nBEGIN\n"
        "  1, \"Say \"\"hi\"\"\"\n"
        "  2, \"Say \\\"hi\\\"\"\n"
        "  3, \"C:\\\\Temp\\tTab\\r\\nNext\"\n"
        "  4 \"no comma, // not a comment\"\n"
        "END\n");
    ASSERT_FALSE(parsed.error) << parsed.error->what;
    EXPECT_EQ(parsed.script.strings.at(1), "Say \"hi\"");
    EXPECT_EQ(parsed.script.strings.at(2), "Say \"hi\"");
    EXPECT_EQ(parsed.script.strings.at(3), "C:\\Temp\tTab\r\nNext");
    EXPECT_EQ(parsed.script.strings.at(4), "no comma, // not a comment");
}

TEST(ResourceScriptFormat, AcceptsBracesLowerCaseKeywordsCommentsCrLfAndBom) {
    auto parsed = ParseResourceScript(
        "\xEF\xBB\xBF/* brand\r\n texts */\r\nstringtable {\r\n 515, \"A\" // title\r\n}\r\n"
        "STRINGTABLE begin 520, \"B\" end\r\n604 bitmap \"w.bmp\"\r\n");
    ASSERT_FALSE(parsed.error) << parsed.error->what;
    EXPECT_EQ(parsed.script.strings.at(515), "A");
    EXPECT_EQ(parsed.script.strings.at(520), "B");
    EXPECT_EQ(parsed.script.bitmaps.at(604).fileName, "w.bmp");
    EXPECT_EQ(parsed.script.bitmaps.at(604).line, 7);
}

TEST(ResourceScriptFormat, ErrorsNameTheLineAndTheProblem) {
    struct Case {
        const char* script;
        int line;
        const char* what;
    };
    const Case cases[] = {
        {"STRINGTABLE\nBEGIN\n 515, \"open\nEND\n", 3, "a text in double quotes is not closed on its line"},
        {"STRINGTABLE\nBEGIN\n 515, \"C:\\Temp\"\nEND\n", 3,
         "unknown escape \\T in a text (write \\\\ for a backslash)"},
        {"STRINGTABLE { 515, \"caf\\\xC3\xA9\" }", 1,
         "unknown escape \\\xC3\xA9 in a text (write \\\\ for a backslash)"},
        {"STRINGTABLE { 515, \"end\\\n\" }", 1, "a text in double quotes is not closed on its line"},
        {"\nSTRINGTABLE\nBEGIN\n 515, \"A\"\n", 2, "the STRINGTABLE that starts here is not closed with END"},
        {"STRINGTABLE\n 515, \"A\"\nEND\n", 2, "expected BEGIN after STRINGTABLE, found '515'"},
        {"STRINGTABLE {\n 515, \"A\"\n\n 515, \"B\" }", 4, "string 515 is defined twice (first on line 2)"},
        {"STRINGTABLE { title, \"A\" }", 1, "expected a string id or END, found 'title'"},
        {"STRINGTABLE { 70000, \"A\" }", 1, "string id 70000 is out of range (0 to 65535)"},
        {"\n\nLANGUAGE 9, 1\n", 3, "expected STRINGTABLE or a statement '<id> BITMAP \"file\"', found 'LANGUAGE'"},
        {"604 ICON \"a.ico\"", 1, "expected BITMAP after 604, found 'ICON'"},
        {"604 BITMAP \"\"", 1, "expected the file name of bitmap 604, found an empty text"},
        {"604 BITMAP", 1, "expected the file name of bitmap 604, found the end of the file"},
        {"604 BITMAP a.bmp\n\n604 BITMAP b.bmp", 3, "bitmap 604 is defined twice (first on line 1)"},
        {"/* open\n\n", 1, "a comment opened with /* is not closed with */"},
        {"STRINGTABLE {\n 515, \"caf\xC3\"\n}", 2, "the text is not valid UTF-8"},
    };
    for (const Case& c : cases) {
        int line = 0;
        EXPECT_EQ(errorOf(c.script, line), c.what) << c.script;
        EXPECT_EQ(line, c.line) << c.script;
    }
}

TEST(ResourceScriptFormat, AnErrorLeavesNothingOfTheScript) {
    auto parsed = ParseResourceScript("STRINGTABLE { 515, \"A\" }\n604 BITMAP a.bmp\n?");
    ASSERT_TRUE(parsed.error);
    EXPECT_TRUE(parsed.script.strings.empty());
    EXPECT_TRUE(parsed.script.bitmaps.empty());
}
