// What a scenario would not pinpoint: the ribbon XML to the letter, the help topics the
// product opens being part of the help, and which addresses may reach the shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "corvane/menus/menus.h"
#include "corvane/menus/ribbon.h"
#include "corvane/outlook/command_bars.h"
#include "corvane/outlook/explorer.h"
#include "corvane/platform/desktop_shell.h"
#include "corvane/sim/command_bars.h"
#include "corvane/support/help.h"
#include "support/world.h"

namespace corvane::menus::testing {
namespace {

TEST(Ribbon, ExplorerTabIsOneStringWithAttributesInTheirOrder) {
    EXPECT_EQ(
        RibbonXml(),
        R"(<customUI xmlns="http://schemas.microsoft.com/office/2009/07/customui" onLoad="Ribbon_OnLoad" xmlns:nsKelderon="Kelderon Outlook Addins"><ribbon startFromScratch="false"><tabs><tab idQ="nsKelderon:tbKelderon" label="Kelderon Outlook Addins" visible="true"><group id="cgCorvane" label="Corvane"><menu id="CVMnuMore_kelderontab" label="Corvane" size="large" imageMso="ApplicationOptionsDialog"><menuSeparator id="cbbS_kelderontab"/><button id="cmdCVQuenlow_kelderontab" onAction="cbbCVQuenlow_Click" label="Quenlow (Preferred) List..."/><button id="cmdCVSettings_kelderontab" onAction="cbbCVSettings_Click" label="Settings..."/><menuSeparator id="cbbCVS2_kelderontab"/><button id="cmdCVCheckForUpdates_kelderontab" onAction="cmdCheckForUpdatesRibbon_Click" label="Check for Updates..."/><button id="cmdCVContactSupport_kelderontab" onAction="cbbCVContactSupport_Click" label="Contact Support"/><button id="cmdCVHelp_kelderontab" onAction="cmdCVHelp_Click" label="&amp;Help" imageMso="Help"/><menuSeparator id="cbbCVS3_kelderontab"/><button id="cmdCVAbout_kelderontab" onAction="cmdCVAboutCorvane_Click" label="About Corvane for Outlook"/></menu><dialogBoxLauncher><button id="CVSettings_kelderontab" screentip="Corvane Settings" onAction="cbbCVSettings_Click"/></dialogBoxLauncher></group></tab></tabs></ribbon></customUI>)");
}

TEST(Help, EveryTopicTheProductOpensIsAPageOfTheHelp) {
    const char* source = std::getenv("CORVANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string helpFile = std::string(source) + "\\Corvane.chm";
    for (auto topic : {support::topic::Introduction, support::topic::Settings}) {
        const auto page = platform::HelpPagePath(helpFile, topic);
        EXPECT_TRUE(std::filesystem::is_regular_file(page)) << page;
    }
    EXPECT_EQ(platform::HelpPagePath("C:\\A\\Corvane.chm", "Getting%20Started/a%2"), "C:\\A/help/Getting Started/a%2");
}

TEST(Help, OnlyWebAddressesReachTheShell) {
    for (const char* yes : {"https://www.kelderon.example/", "HTTP://kelderon.example/x?a=1"})
        EXPECT_TRUE(support::IsWebAddress(yes)) << yes;
    for (const char* no :
         {"file:///C:/Windows/notepad.exe", "javascript:alert(1)", "C:\\Windows\\notepad.exe", "https://",
          "http:///etc/passwd", "mailto:support@kelderon.example", "https://a.example/\" & calc"})
        EXPECT_FALSE(support::IsWebAddress(no)) << no;
}

TEST(ExplorerMenu, AMenuBarWithoutHelpGetsTheBrandMenuBeforeItsLastMenu) {
    corvane::testing::World world;
    world.app->start();
    auto& process = world.process();
    process.gResource = std::make_unique<resources::clsResource>(world.host().files());
    auto explorer = world.app->ActiveExplorer();
    explorer->CommandBars()->Item("Menu Bar")->Controls()->Item("Help")->Delete();

    Menus menus;
    auto buttons = menus.BuildExplorerMenu(process, explorer);

    const auto bar = world.app->commandBarLayout().describe("Menu Bar");
    ASSERT_GE(bar.size(), 8u);
    EXPECT_EQ(bar[5], "Brackenfold");
    EXPECT_EQ(bar.back(), "Actions");
    const auto& help = buttons->Get(ExplorerButtons::Slot::Help);
    EXPECT_EQ(help->Style(), outlook::msostyle::IconAndCaption);
    EXPECT_EQ(help->FaceId(), 49);
    EXPECT_EQ(buttons->Get(ExplorerButtons::Slot::Settings)->FaceId(), 0);
}

}  // namespace
}  // namespace corvane::menus::testing
