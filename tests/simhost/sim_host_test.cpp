// The host's scripted services write one transcript in the order things happen, and its
// profile folder holds the registry, the add-in's folder and the disk apart.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/simhost/sim_host.h"
#include "support/platform_error.h"
#include "support/temp_dir.h"

namespace corvane::simhost {
namespace {

TEST(SimHost, ShellHttpAndUiLinesShareOneTranscriptInOrder) {
    auto host = SimHost::Temporary(platform::DateTime::fromCivil(2026, 3, 2, 9));
    auto h = host->host();
    MessageBoxStep done;
    done.title = "T";
    done.text = "Done.";
    host->ui().addStep(done);
    h.ui.beep();
    h.shell.openAddress("mailto:support@kelderon.example");
    h.ui.messageBox("Done.", 64, "T", 0);
    h.shell.openHelp("C:\\A\\Corvane.chm", "Getting%20Started/Introduction.htm");
    const std::vector<std::string> expected = {
        "beep",
        "open \"mailto:support@kelderon.example\"",
        "message box \"T\" buttons 64 (OK, information)",
        "  | Done.",
        "  answer OK",
        "help \"C:\\\\A\\\\Corvane.chm\" topic \"Getting%20Started/Introduction.htm\"",
    };
    EXPECT_EQ(host->transcript().lines(), expected);
}

TEST(SimHost, HttpRepliesComeInOrderAndAnUnscriptedRequestIsAFailure) {
    auto host = SimHost::Temporary(platform::DateTime::fromCivil(2026, 3, 2, 9));
    auto& http = host->http();
    http.addReply({std::string("a=1"), 200, "first", false});
    http.addReply({std::nullopt, 0, "", true});
    EXPECT_EQ(http.get("https://x.example/?a=1", std::chrono::seconds(1)).body, "first");
    EXPECT_THROW(http.get("https://x.example/?b", std::chrono::seconds(1)), platform::PlatformError);
    EXPECT_FALSE(http.failure());
    EXPECT_THAT([&] { http.get("https://x.example/late", std::chrono::seconds(1)); },
                testing::FailsWith(platform::errors::HttpCannotConnect));
    EXPECT_EQ(*http.failure(), "unexpected HTTP request GET \"https://x.example/late\": no reply is scripted");
    EXPECT_EQ(host->transcript().lines().back(), "http GET \"https://x.example/late\" -> unreachable");
}

TEST(SimHost, AReplyForAnotherAddressIsAFailure) {
    auto host = SimHost::Temporary(platform::DateTime::fromCivil(2026, 3, 2, 9));
    host->http().addReply({std::string("uploadversion.asp"), 200, "x", false});
    EXPECT_THROW(host->http().get("https://other.example/", std::chrono::seconds(1)), platform::PlatformError);
    EXPECT_EQ(*host->http().failure(),
              "HTTP request GET \"https://other.example/\" does not contain "
              "\"uploadversion.asp\" as its scripted reply expects");
}

TEST(SimHost, TheAddinFolderAndTheDiskLieInTheProfileFolder) {
    testing::TempDir dir;
    {
        SimHost host(dir / "profile", platform::DateTime::fromCivil(2026, 3, 2, 9));
        EXPECT_EQ(host.host().system.addinFolder(), "C:\\Program Files\\Kelderon\\Corvane");
        host.files().writeFile("C:\\Program Files\\Kelderon\\Corvane\\Tags.txt", "RE: ");
        host.files().writeFile("C:\\Export.ini", "x");
        host.registry().setString(platform::Hive::CurrentUser, "Software\\X", "N", "v");
    }
    EXPECT_EQ(testing::readAll(dir / "profile" / "addin" / "Tags.txt"), "RE: ");
    EXPECT_EQ(testing::readAll(dir / "profile" / "drive_c" / "Export.ini"), "x");
    EXPECT_TRUE(std::filesystem::exists(dir / "profile" / "registry" / "HKCU.reg"));
}

TEST(SimHost, ATemporaryHostLeavesNothingBehind) {
    std::filesystem::path folder;
    {
        auto host = SimHost::Temporary(platform::DateTime::fromCivil(2026, 3, 2, 9));
        folder = host->folder();
        host->files().writeFile("C:\\a.txt", "x");
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace corvane::simhost
