// The resource library beside the add-in: its strings and pictures, read once, with the
// defaults where it has none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvane/resources/cls_resource.h"
#include "corvane/resources/resource_defaults.h"
#include "support/world.h"

using corvane::resources::clsResource;
using corvane::resources::LoadResourceString;
using corvane::testing::World;
namespace id = corvane::resources::resource_id;

namespace {

const std::string kPath = World::addinFile("Resource.dll");

struct Library : World {
    std::vector<std::string> reports;
    clsResource resource{host().files(), [this](const std::string& r) { reports.push_back(r); }};

    explicit Library(const std::string& script = {}, bool present = true) : World("{}") {
        if (present) write(kPath, script);
        resource.LibraryFilePath(kPath);
    }
    void write(const std::string& path, const std::string& text) { host().files().writeFile(path, text); }
};

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

}  // namespace

TEST(ResourceStrings, MissingLibraryGivesEveryDefaultWithoutReport) {
    Library lib({}, false);
    std::string s = "stale";
    EXPECT_FALSE(lib.resource.DLL_LoadString(id::ApplicationTitle, s, 256));
    EXPECT_EQ(s, "");
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Corvane");
    EXPECT_EQ(LoadResourceString(lib.resource, id::DataParentFolder), "Brackenfold Settings");
    EXPECT_EQ(LoadResourceString(lib.resource, id::BrandMenuCaption), "Bracken&fold");
    EXPECT_FALSE(lib.resource.DLL_LoadBitmap(id::WizardPicture));
    EXPECT_TRUE(lib.reports.empty());
}

TEST(ResourceStrings, PresentIdIsReadAndMissingIdFallsBack) {
    Library lib("STRINGTABLE\nBEGIN\n  521, \"Kelderon Settings\"\nEND\n");
    std::string s;
    EXPECT_TRUE(lib.resource.DLL_LoadString(id::DataParentFolder, s, 256));
    EXPECT_EQ(s, "Kelderon Settings");
    EXPECT_EQ(LoadResourceString(lib.resource, id::DataParentFolder), "Kelderon Settings");
    EXPECT_EQ(LoadResourceString(lib.resource, id::DataFolder), "Corvane");
}

TEST(ResourceStrings, EmptyStringCountsAsMissing) {
    Library lib("STRINGTABLE { 522, \"\" }");
    std::string s;
    EXPECT_FALSE(lib.resource.DLL_LoadString(id::DataFolder, s, 256));
    EXPECT_EQ(LoadResourceString(lib.resource, id::DataFolder), "Corvane");
}

TEST(ResourceStrings, LongStringIsCutToMaxLenMinusOneCharacters) {
    Library lib("STRINGTABLE { 524, \"" + repeat("a", 300) + "\" }");
    std::string s;
    EXPECT_TRUE(lib.resource.DLL_LoadString(id::NoticeLine, s, 256));
    EXPECT_EQ(s, repeat("a", 255));
    EXPECT_TRUE(lib.resource.DLL_LoadString(id::NoticeLine, s, 2));
    EXPECT_EQ(s, "a");
    EXPECT_FALSE(lib.resource.DLL_LoadString(id::NoticeLine, s, 1));
    EXPECT_EQ(LoadResourceString(lib.resource, id::NoticeLine).size(), 255u);
}

TEST(ResourceStrings, CutCountsCharactersAndNeverSplitsOne) {
    // 254 ASCII letters, then "é" (2 bytes) and "€" (3 bytes): 256 characters.
    Library lib("STRINGTABLE { 524, \"" + repeat("a", 254) + "\xC3\xA9\xE2\x82\xAC\" }");
    std::string s;
    ASSERT_TRUE(lib.resource.DLL_LoadString(id::NoticeLine, s, 256));
    EXPECT_EQ(s, repeat("a", 254) + "\xC3\xA9");
    ASSERT_TRUE(lib.resource.DLL_LoadString(id::NoticeLine, s, 257));
    EXPECT_EQ(s, repeat("a", 254) + "\xC3\xA9\xE2\x82\xAC");
}

TEST(ResourceLibraryFile, IsReadAtTheFirstStringAndAgainOnlyAfterCloseLibrary) {
    Library lib("STRINGTABLE { 515, \"Zero\" }");
    lib.write(kPath, "STRINGTABLE { 515, \"First\" }");  // nothing is read before it is needed
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "First");
    lib.write(kPath, "STRINGTABLE { 515, \"Second\" }");
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "First");
    lib.resource.CloseLibrary();
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Second");
}

TEST(ResourceLibraryFile, NewPathReplacesTheOpenLibrary) {
    Library lib("STRINGTABLE { 515, \"First\" }");
    const std::string other = "C:\\Resource.dll";
    lib.write(other, "STRINGTABLE { 515, \"Other\" }");
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "First");
    lib.resource.LibraryFilePath(kPath);  // the same path keeps what was read
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "First");
    lib.resource.CloseLibrary();
    lib.resource.LibraryFilePath(other);
    EXPECT_EQ(lib.resource.LibraryFilePath(), other);
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Other");
}

TEST(ResourceLibraryFile, MalformedFileGivesAllDefaultsAndOneReportNamingFileAndLine) {
    Library lib("// brand texts\nSTRINGTABLE\nBEGIN\n  515, \"Mine\"\n  521 Kelderon\nEND\n");
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Corvane");
    EXPECT_EQ(LoadResourceString(lib.resource, id::DataParentFolder), "Brackenfold Settings");
    EXPECT_FALSE(lib.resource.DLL_LoadBitmap(id::WizardPicture));
    ASSERT_EQ(lib.reports.size(), 1u);
    EXPECT_NE(lib.reports[0].find(kPath), std::string::npos) << lib.reports[0];
    EXPECT_NE(lib.reports[0].find("line 5"), std::string::npos) << lib.reports[0];
    EXPECT_NE(lib.reports[0].find("expected the text of string 521"), std::string::npos) << lib.reports[0];
    lib.write(kPath, "STRINGTABLE { 515, \"Mine\" }");  // not read again
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Corvane");
}

TEST(ResourceLibraryFile, UnreadableFileIsReportedOnceAndDefaultsApply) {
    Library lib;
    lib.makeUnreadable(kPath);
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Corvane");
    EXPECT_EQ(LoadResourceString(lib.resource, id::ProductName), "Corvane");
    ASSERT_EQ(lib.reports.size(), 1u);
    EXPECT_NE(lib.reports[0].find("Path/File access error"), std::string::npos) << lib.reports[0];
}

TEST(ResourceBitmaps, BitmapIsReadBesideTheLibrary) {
    Library lib("604 BITMAP \"wizard.bmp\"\n605 BITMAP C:\\logo.bmp\n");
    lib.write(World::addinFile("wizard.bmp"), "BM-wizard");
    lib.write("C:\\logo.bmp", "BM-logo");
    auto wizard = lib.resource.DLL_LoadBitmap(id::WizardPicture);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(wizard->id, 604);
    EXPECT_EQ(wizard->source, World::addinFile("wizard.bmp"));
    EXPECT_EQ(wizard->bytes, "BM-wizard");
    auto logo = lib.resource.DLL_LoadBitmap(id::AccountListLogo);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->bytes, "BM-logo");
    EXPECT_FALSE(lib.resource.DLL_LoadBitmap(700));
}

TEST(ResourceBitmaps, MissingPictureFileGivesNothingAndIsReportedOnce) {
    Library lib("STRINGTABLE { 515, \"Mine\" }\n604 BITMAP \"wizard.bmp\"\n");
    EXPECT_FALSE(lib.resource.DLL_LoadBitmap(id::WizardPicture));
    EXPECT_FALSE(lib.resource.DLL_LoadBitmap(id::WizardPicture));
    ASSERT_EQ(lib.reports.size(), 1u);
    EXPECT_NE(lib.reports[0].find("line 2"), std::string::npos) << lib.reports[0];
    EXPECT_NE(lib.reports[0].find("wizard.bmp\" does not exist"), std::string::npos) << lib.reports[0];
    // The strings of the library are still good.
    EXPECT_EQ(LoadResourceString(lib.resource, id::ApplicationTitle), "Mine");
}
