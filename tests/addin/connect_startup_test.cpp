// Start-up: what the connection sets up, depending on the windows Outlook has open.
#include "addin_fixture.h"
#include "corvane/addin/out_addin.h"
#include "corvane/outlook/folders.h"

namespace corvane::addin::testing {
namespace {

using StartWithoutWindows = AddinTest;

TEST_F(StartWithoutWindows, SetsUpNothingAndStaysStartingUp) {
    setSetting(settings::keys::ShowStartupWizard, "");
    connectAddin();
    EXPECT_TRUE(process->gStartingUp);
    EXPECT_EQ(connect->outAddIn(), nullptr);
    EXPECT_EQ(explorerWrappers(), 0);
    EXPECT_EQ(hooks->count("NewSendAcct"), 0);
    EXPECT_EQ(hooks->count("ShowStartupWizard"), 0);
    EXPECT_EQ(process->gOutlook, app);  // kept before the windows are counted
}

TEST_F(StartWithoutWindows, LaterMessageWindowBringsTheSinkUpButLaterExplorerIsNotWrapped) {
    connectAddin();
    app->openItem(received());
    ASSERT_NE(connect->outAddIn(), nullptr);
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_EQ(inspectorWrappers(), 1);
    openExplorer();
    EXPECT_EQ(explorerWrappers(), 0);
}

using StartWithMessageWindowsOnly = AddinTest;

TEST_F(StartWithMessageWindowsOnly, CreatesTheSinkButSkipsMoveAndWizard) {
    setSetting(settings::keys::ShowStartupWizard, "");
    removeSetting("blnMoveCV");
    auto old = inbox()->parentFolder()->addFolder("Brackenfold Settings")->addFolder("Corvane");
    sim::ItemSpec list;
    list.subject = "Email Address";
    old->addMail(list);
    app->start(false);
    app->openItem(received());
    connectAddin();

    ASSERT_NE(connect->outAddIn(), nullptr);
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_EQ(process->gProgId, "Corvane.Connect");
    EXPECT_EQ(explorerWrappers(), 0);
    EXPECT_EQ(inspectorWrappers(), 0);  // windows open at connection get no wrapper
    EXPECT_EQ(hooks->count("MoveCorvaneDataFolder Corvane"), 0);
    EXPECT_EQ(hooks->count("ShowStartupWizard"), 0);
    EXPECT_FALSE(process->gStartingUp);
    // The list object is made all the same, so that sending finds it.
    EXPECT_NE(process->gSendAcct, nullptr);
}

using StartWithExplorers = AddinTest;

TEST_F(StartWithExplorers, WrapsEveryExplorerAndLoadsTheList) {
    openExplorer();
    openExplorer();
    connectAddin();
    EXPECT_EQ(explorerWrappers(), 2);
    EXPECT_EQ(process->gintExplKey, 2);
    EXPECT_EQ(hooks->count("BuildExplorerMenu"), 2);
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_FALSE(process->gStartingUp);
    EXPECT_EQ(process->helpFile, std::string(AddinFolder) + "\\Corvane.chm");
    // The list: created, its folder made sure of, its path set, then loaded.
    const std::vector<std::string> expected{"NewSendAcct", "CreateQuenlowFolder", "LoadList"};
    std::vector<std::string> listCalls;
    for (const auto& e : hooks->log)
        if (e == "NewSendAcct" || e == "CreateQuenlowFolder" || e == "LoadList") listCalls.push_back(e);
    EXPECT_EQ(listCalls, expected);
}

TEST_F(StartWithExplorers, NewExplorersAreWrappedOnceStarted) {
    openExplorer();
    connectAddin();
    openExplorer();
    EXPECT_EQ(explorerWrappers(), 2);
}

TEST_F(StartWithExplorers, StoresTheAccountAddressesAsEmailList) {
    openExplorer();
    connectAddin();
    EXPECT_EQ(setting(settings::keys::EmailList), "john@kelderon.example;john@home.example");
}

TEST_F(StartWithExplorers, KeepsEmailListWhenOutlookSettingsAreNotUsed) {
    setSetting(settings::keys::UseOutlookSettings, "False");
    setSetting(settings::keys::EmailList, "me@x.example");
    openExplorer();
    connectAddin();
    EXPECT_EQ(setting(settings::keys::EmailList), "me@x.example");
}

TEST_F(StartWithExplorers, TitleDefaultsWithoutResourceLibraryAndComesFromIt) {
    openExplorer();
    connectAddin();
    EXPECT_EQ(process->appTitle, "Corvane");

    files.files[std::string(AddinFolder) + "\\Resource.dll"] = "STRINGTABLE\nBEGIN\n515, \"Acme Guard\"\nEND\n";
    auto second = std::make_shared<core::AddinProcess>(host, hooks);
    Connect::Create(second)->AddinInstance_OnConnection(app, ol::extconnect::Startup, nullptr);
    EXPECT_EQ(second->appTitle, "Acme Guard");
}

TEST_F(StartWithExplorers, FindsAGoogleAppsStore) {
    app->profile()->addStore({"Google Apps - john", mapi::storekind::PstUnicode, nullptr, false});
    openExplorer();
    connectAddin();
    EXPECT_TRUE(process->gIsGoogleApps);
}

TEST_F(StartWithExplorers, AnOrdinaryProfileIsNotGoogleApps) {
    openExplorer();
    connectAddin();
    EXPECT_FALSE(process->gIsGoogleApps);
}

// The first-run wizard.
class FirstRunWizard : public AddinTest {
protected:
    bool shownWith(const char* stored) {
        if (stored)
            setSetting(settings::keys::ShowStartupWizard, stored);
        else
            removeSetting("ShowStartupWizard");
        openExplorer();
        connectAddin();
        return hooks->count("ShowStartupWizard") == 1;
    }
};

TEST_F(FirstRunWizard, ShowsWhenMissingAndStoresFalse) {
    EXPECT_TRUE(shownWith(nullptr));
    EXPECT_EQ(setting(settings::keys::ShowStartupWizard), "False");
}
TEST_F(FirstRunWizard, ShowsWhenEmpty) { EXPECT_TRUE(shownWith("")); }
TEST_F(FirstRunWizard, ShowsForExactTrue) { EXPECT_TRUE(shownWith("True")); }
TEST_F(FirstRunWizard, LowerCaseTrueDoesNotShow) {
    EXPECT_FALSE(shownWith("true"));
    EXPECT_EQ(setting(settings::keys::ShowStartupWizard), "true");
}

// The update reminder's date.
class UpdateReminder : public AddinTest {
protected:
    bool askedWith(const std::string& stored) {
        setSetting(settings::keys::LastCheckUpdateDate, stored);
        openExplorer();
        connectAddin();
        return hooks->count("ShowConfirmCheckUpdate") == 1;
    }
};

TEST_F(UpdateReminder, AsksWhenTheDateWasYesterday) { EXPECT_TRUE(askedWith("2026-03-01")); }
TEST_F(UpdateReminder, AsksAfterMidnightEvenWithinADay) {
    clock.set(platform::DateTime::fromCivil(2026, 3, 2, 0, 5));
    EXPECT_TRUE(askedWith("2026-03-01 23:59:00"));
}
TEST_F(UpdateReminder, DoesNotAskWhenTheDateIsToday) { EXPECT_FALSE(askedWith(" 2026-03-02 ")); }
TEST_F(UpdateReminder, NeverAsksWithDoNotCheck) { EXPECT_FALSE(askedWith("DoNotCheck")); }
TEST_F(UpdateReminder, StoresYesterdayWhenNotADate) {
    EXPECT_FALSE(askedWith("soon"));
    EXPECT_EQ(setting(settings::keys::LastCheckUpdateDate), "2026-03-01");
}

// The one-time move of the settings mail folder.
class DataFolderMove : public AddinTest {
protected:
    DataFolderMove() {
        removeSetting("blnMoveCV");
    }
    std::shared_ptr<sim::SimFolder> root() { return inbox()->parentFolder(); }
    std::shared_ptr<sim::SimFolder> oldFolder(bool withList) {
        auto folder = root()->addFolder("Brackenfold Settings")->addFolder("Corvane");
        sim::ItemSpec item;
        item.subject = withList ? "  email address " : "Something else";
        folder->addMail(item);
        return folder;
    }
    void start() {
        openExplorer();
        connectAddin();
    }
};

TEST_F(DataFolderMove, MovesTellsOnceAndDeletesTheEmptiedFolder) {
    oldFolder(true);
    start();
    EXPECT_EQ(hooks->count("MoveCorvaneDataFolder Corvane"), 1);
    EXPECT_EQ(setting(settings::keys::blnMoveCV), "1");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Move Corvane Settings - Corvane");
    EXPECT_EQ(ui.boxes[0].buttons, 64);
    EXPECT_EQ(ui.boxes[0].prompt,
              "We have made a small change on how Corvane saves its data. This will make no difference to the way "
              "you use Corvane.\r\n\r\nYour settings have been now moved from the 'Brackenfold Settings\\Corvane' "
              "email folder to the 'Kelderon Settings\\Corvane' email folder.\r\nThis message will not be displayed "
              "again.");
    EXPECT_EQ(root()->child("Brackenfold Settings"), nullptr);
    ASSERT_NE(root()->child("Kelderon Settings"), nullptr);
    EXPECT_NE(root()->child("Kelderon Settings")->child("Corvane"), nullptr);
}

TEST_F(DataFolderMove, KeepsTheOldParentWhenItStillHoldsSomething) {
    oldFolder(true);
    root()->child("Brackenfold Settings")->addFolder("Other");
    start();
    EXPECT_NE(root()->child("Brackenfold Settings"), nullptr);
}

TEST_F(DataFolderMove, WithoutTheListMessageOnlySetsTheFlag) {
    oldFolder(false);
    start();
    EXPECT_EQ(hooks->count("MoveCorvaneDataFolder Corvane"), 0);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(setting(settings::keys::blnMoveCV), "1");
}

TEST_F(DataFolderMove, WithoutTheOldFolderTriesAgainNextTime) {
    start();
    EXPECT_EQ(setting(settings::keys::blnMoveCV), "<missing>");
}

TEST_F(DataFolderMove, AFailedMoveIsNotRetriedNorAnnounced) {
    oldFolder(true);
    hooks->moveWorks = false;
    start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(setting(settings::keys::blnMoveCV), "1");
    EXPECT_NE(root()->child("Brackenfold Settings"), nullptr);
}

TEST_F(DataFolderMove, IsDoneOnlyOnce) {
    setSetting(settings::keys::blnMoveCV, "1");
    oldFolder(true);
    start();
    EXPECT_EQ(hooks->count("MoveCorvaneDataFolder Corvane"), 0);
}

}  // namespace
}  // namespace corvane::addin::testing
