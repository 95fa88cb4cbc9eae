#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvane/checks/tag_file.h"
#include "corvane/platform/error.h"
#include "support/memory_file_system.h"

using namespace corvane::checks::basCorvane;
using Lines = std::vector<std::string>;

namespace {

const std::string kTags = "C:\\Program Files\\Corvane\\Tags.txt";

}  // namespace

TEST(TagFileLines, KeepTrailingBlanksAndDropLineBreaks) {
    EXPECT_EQ(TagFileLines("AW: \r\nWG: \r\n"), (Lines{"AW: ", "WG: "}));
    EXPECT_EQ(TagFileLines("AW: \nWG:"), (Lines{"AW: ", "WG:"}));
    EXPECT_EQ(TagFileLines("AW:\r\n\r\n  \nSV: "), (Lines{"AW:", "", "  ", "SV: "}));
}

TEST(TagFileLines, DropByteOrderMark) {
    EXPECT_EQ(TagFileLines("\xEF\xBB\xBFRE: \r\n"), (Lines{"RE: "}));
}

TEST(ReadTagFile, MissingFileIsAbsent) {
    corvane::testing::MemoryFileSystem files;
    EXPECT_FALSE(ReadTagFile(files, kTags).has_value());
}

TEST(ReadTagFile, FileOfBlankLinesIsAbsent) {
    corvane::testing::MemoryFileSystem files;
    files.files[kTags] = "";
    EXPECT_FALSE(ReadTagFile(files, kTags).has_value());
    files.files[kTags] = "   \r\n\r\n \n";
    EXPECT_FALSE(ReadTagFile(files, kTags).has_value());
}

TEST(ReadTagFile, IsReadAgainAtEachUse) {
    corvane::testing::MemoryFileSystem files;
    files.files[kTags] = "AW: \r\n";
    EXPECT_EQ(ReadTagFile(files, kTags), (Lines{"AW: "}));
    files.files[kTags] = "SV: \r\n";
    EXPECT_EQ(ReadTagFile(files, kTags), (Lines{"SV: "}));
    EXPECT_EQ(files.readsOf(kTags), 2);
}

TEST(ReadTagFile, UnreadableFileRaisesError) {
    corvane::testing::MemoryFileSystem files;
    files.files[kTags] = "AW: ";
    files.unreadable.insert(kTags);
    EXPECT_THROW(ReadTagFile(files, kTags), corvane::platform::PlatformError);
}

TEST(FindReFwFromFile, AppliesEveryLineInOrder) {
    corvane::testing::MemoryFileSystem files;
    files.files[kTags] = "AW: \r\nWG: \r\n";
    bool found = false;
    EXPECT_EQ(FindReFwFromFile(files, "AW: WG: aw: Grüße wg: x", kTags, found), "AW: WG: Grüße x");
    EXPECT_TRUE(found);
}

TEST(FindReFwFromFile, TagWithoutTrailingBlankIsAnotherTag) {
    corvane::testing::MemoryFileSystem files;
    files.files[kTags] = "AW:";
    bool found = false;
    EXPECT_EQ(FindReFwFromFile(files, "AW: AW: Hi", kTags, found), "AW:  Hi");
}

TEST(FindReFwFromFile, AbsentFileClearsFoundAndKeepsText) {
    corvane::testing::MemoryFileSystem files;
    bool found = true;
    EXPECT_EQ(FindReFwFromFile(files, "RE: RE: Hi", kTags, found), "RE: RE: Hi");
    EXPECT_FALSE(found);
}
