// The simulated file system: Windows paths onto real folders, and whole-file replacement.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "corvane/platform/error.h"
#include "corvane/simhost/atomic_file.h"
#include "corvane/simhost/file_system.h"
#include "support/platform_error.h"
#include "support/temp_dir.h"

using corvane::platform::PlatformError;
using corvane::simhost::SimFileSystem;
using corvane::testing::FailsWith;
using corvane::testing::readAll;
using corvane::testing::TempDir;
using corvane::testing::writeAll;

namespace {

struct Profile {
    TempDir dir;
    SimFileSystem fs;
    Profile() {
        std::filesystem::create_directories(dir / "addin" / "Help");
        std::filesystem::create_directories(dir / "docs");
        fs.mount("C:\\Program Files\\Corvane", dir / "addin");
        fs.mount("C:\\Users\\Ann\\Documents\\", dir / "docs");
    }
};

}  // namespace

TEST(SimFileSystem, MapsWindowsPathsOntoTheMountedFolderIgnoringCaseOfThePrefix) {
    Profile p;
    writeAll(p.dir / "addin" / "Tags.txt", "RE:\nFW:\n");
    EXPECT_EQ(p.fs.readFile("C:\\Program Files\\Corvane\\Tags.txt"), "RE:\nFW:\n");
    EXPECT_EQ(p.fs.readFile("c:\\PROGRAM FILES\\corvane\\Tags.txt"), "RE:\nFW:\n");
    EXPECT_EQ(p.fs.readFile("C:/Program Files/Corvane//Tags.txt"), "RE:\nFW:\n");
    EXPECT_EQ(*p.fs.realPath("C:\\Program Files\\Corvane\\Help\\Corvane.chm"),
              p.dir / "addin" / "Help" / "Corvane.chm");
    EXPECT_EQ(*p.fs.realPath("C:\\Users\\Ann\\Documents\\Corvane_Settings.ini"),
              p.dir / "docs" / "Corvane_Settings.ini");
}

TEST(SimFileSystem, NamesBelowTheMountFindExistingEntriesWithoutRegardToCase) {
    Profile p;
    writeAll(p.dir / "addin" / "Help" / "Corvane.chm", "help");
    EXPECT_EQ(p.fs.readFile("C:\\Program Files\\Corvane\\HELP\\corvane.CHM"), "help");
    EXPECT_TRUE(p.fs.fileExists("C:\\Program Files\\Corvane\\help\\CORVANE.chm"));
    p.fs.writeFile("C:\\Program Files\\Corvane\\help\\CORVANE.chm", "new");
    EXPECT_EQ(readAll(p.dir / "addin" / "Help" / "Corvane.chm"), "new");
    EXPECT_FALSE(std::filesystem::exists(p.dir / "addin" / "help"));
}

TEST(SimFileSystem, TheLongestMatchingPrefixWinsAndOnlyWholeComponentsMatch) {
    Profile p;
    std::filesystem::create_directories(p.dir / "res");
    p.fs.mount("C:\\Program Files\\Corvane\\Resources", p.dir / "res");
    EXPECT_EQ(*p.fs.realPath("C:\\Program Files\\Corvane\\Resources\\Resource.dll"), p.dir / "res" / "Resource.dll");
    EXPECT_EQ(*p.fs.realPath("C:\\Program Files\\Corvane\\Resource.dll"), p.dir / "addin" / "Resource.dll");
    EXPECT_FALSE(p.fs.realPath("C:\\Program Files\\CorvaneX\\Tags.txt"));
}

TEST(SimFileSystem, APathOutsideEveryMountIsPathNotFoundNamingThePath) {
    Profile p;
    EXPECT_THAT([&] { p.fs.readFile("D:\\Elsewhere\\Tags.txt"); },
                FailsWith(76, "Path not found: D:\\Elsewhere\\Tags.txt"));
    EXPECT_THAT([&] { p.fs.writeFile("D:\\x.txt", "x"); }, FailsWith(76));
    EXPECT_THAT([&] { p.fs.readFile("C:\\Program Files\\Corvane\\..\\..\\etc\\passwd"); }, FailsWith(76));
    EXPECT_FALSE(p.fs.fileExists("D:\\Elsewhere\\Tags.txt"));
}

TEST(SimFileSystem, MissingFilesReadAsNothingAndRemovingOneIsFileNotFound) {
    Profile p;
    EXPECT_EQ(p.fs.readFile("C:\\Program Files\\Corvane\\Tags.txt"), std::nullopt);
    EXPECT_EQ(p.fs.readFile("C:\\Program Files\\Corvane\\NoFolder\\Tags.txt"), std::nullopt);
    EXPECT_FALSE(p.fs.fileExists("C:\\Program Files\\Corvane\\Tags.txt"));
    EXPECT_FALSE(p.fs.fileExists("C:\\Program Files\\Corvane\\Help"));  // a folder is no file
    EXPECT_THAT([&] { p.fs.removeFile("C:\\Program Files\\Corvane\\Tags.txt"); },
                FailsWith(53, "File not found: C:\\Program Files\\Corvane\\Tags.txt"));
}

TEST(SimFileSystem, WritingIntoAMissingFolderIsPathNotFound) {
    Profile p;
    EXPECT_THAT([&] { p.fs.writeFile("C:\\Program Files\\Corvane\\NoFolder\\a.txt", "x"); }, FailsWith(76));
}

TEST(SimFileSystem, WriteReadExistRemoveWorkTogether) {
    Profile p;
    const std::string path = "C:\\Users\\Ann\\Documents\\Corvane_Settings.ini";
    p.fs.writeFile(path, "[Settings]\r\nSettingsID=7\r\n");
    EXPECT_TRUE(p.fs.fileExists(path));
    EXPECT_EQ(p.fs.readFile(path), "[Settings]\r\nSettingsID=7\r\n");
    p.fs.removeFile(path);
    EXPECT_FALSE(p.fs.fileExists(path));
}

TEST(AtomicFile, ReplacingGivesANewFileSoAReaderOfTheOldOneSeesItWhole) {
    TempDir dir;
    const auto file = dir / "settings.ini";
    writeAll(file, "old content");
    ::chmod(file.c_str(), 0640);
    int oldReader = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(oldReader, 0);

    corvane::simhost::replaceFileAtomically(file, "new");

    char buf[32] = {};
    ASSERT_EQ(::read(oldReader, buf, sizeof buf), 11);
    ::close(oldReader);
    EXPECT_EQ(std::string(buf), "old content");
    EXPECT_EQ(readAll(file), "new");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // permissions kept
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              1);
}

TEST(AtomicFile, AFailedReplacementLeavesNoTemporaryBehind) {
    TempDir dir;
    std::filesystem::create_directories(dir / "taken");
    // Renaming a file over a folder fails after the temporary file was written.
    EXPECT_THROW(corvane::simhost::replaceFileAtomically(dir / "taken", "x"), std::system_error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              1);
}
