// Tags.txt: its lines as written, read afresh at each use, absent when blank.
#include "corvane/checks/tag_file.h"
#include "support/platform_error.h"
#include "support/world.h"

using namespace corvane::checks::basCorvane;
using Lines = std::vector<std::string>;

namespace corvane::testing {
namespace {

TEST(TagFileLines, KeepTrailingBlanksAndDropLineBreaksAndTheByteOrderMark) {
    EXPECT_EQ(TagFileLines("AW: \r\nWG: \r\n"), (Lines{"AW: ", "WG: "}));
    EXPECT_EQ(TagFileLines("AW: \nWG:"), (Lines{"AW: ", "WG:"}));
    EXPECT_EQ(TagFileLines("AW:\r\n\r\n  \nSV: "), (Lines{"AW:", "", "  ", "SV: "}));
    EXPECT_EQ(TagFileLines("\xEF\xBB\xBFRE: \r\n"), (Lines{"RE: "}));
}

class TagFile : public WorldTest {
protected:
    void write(std::string_view text) { host().files().writeFile(tags, text); }
    std::optional<Lines> read() { return ReadTagFile(host().files(), tags); }
    const std::string tags = addinFile("Tags.txt");
};

TEST_F(TagFile, AMissingFileOrOneOfBlankLinesIsAbsent) {
    EXPECT_FALSE(read());
    write("");
    EXPECT_FALSE(read());
    write("   \r\n\r\n \n");
    EXPECT_FALSE(read());
}

TEST_F(TagFile, IsReadAgainAtEachUseAndAnUnreadableOneIsAnError) {
    write("AW: \r\n");
    EXPECT_EQ(read(), (Lines{"AW: "}));
    write("SV: \r\n");
    EXPECT_EQ(read(), (Lines{"SV: "}));
    makeUnreadable(tags);
    EXPECT_THAT([&] { read(); }, FailsWith(75));
}

TEST_F(TagFile, EveryLineIsAppliedInOrderAndAbsenceClearsFound) {
    bool found = true;
    EXPECT_EQ(FindReFwFromFile(host().files(), "RE: RE: Hi", tags, found), "RE: RE: Hi");
    EXPECT_FALSE(found);
    write("AW: \r\nWG: \r\n");
    EXPECT_EQ(FindReFwFromFile(host().files(), "AW: WG: aw: Grüße wg: x", tags, found), "AW: WG: Grüße x");
    EXPECT_TRUE(found);
    write("AW:");  // without its blank: another tag
    EXPECT_EQ(FindReFwFromFile(host().files(), "AW: AW: Hi", tags, found), "AW:  Hi");
}

}  // namespace
}  // namespace corvane::testing
