// Shut-down, and Outlook loading the add-in from its registry entry.
#include "addin_fixture.h"
#include "corvane/addin/out_addin.h"
#include "corvane/sim/addin_loader.h"

namespace corvane::addin::testing {
namespace {

class Disconnect : public AddinTest {
protected:
    void start() {
        explorer = openExplorer();
        connectAddin();
        app->openItem(received());
    }
    std::shared_ptr<sim::SimExplorer> explorer;
};

TEST_F(Disconnect, ReleasesEverythingInOrder) {
    start();
    disconnectAddin();
    EXPECT_EQ(process->gSendAcct, nullptr);
    EXPECT_EQ(connect->outAddIn(), nullptr);
    EXPECT_EQ(process->gOutlook, nullptr);
    EXPECT_EQ(process->gcolExplWrap, nullptr);
    EXPECT_EQ(process->gcolInspWrap, nullptr);
    EXPECT_EQ(process->gResource, nullptr);
    EXPECT_EQ(hooks->count("SendTo_RemoveExplMenu Corvane"), 0);
}

TEST_F(Disconnect, SwitchedOffByTheUserRemovesTheMenuWhileTheWrappersStillExist) {
    start();
    disconnectAddin(ol::extdisconnect::UserClosed);
    EXPECT_EQ(hooks->count("SendTo_RemoveExplMenu Corvane"), 1);
    EXPECT_EQ(hooks->wrappersAtMenuRemoval, 1);
    EXPECT_EQ(process->gSendAcct, nullptr);
}

class Loading : public AddinTest {
protected:
    Loading() {
        app->registerClass(ConnectProgId, [this] { return std::shared_ptr<ol::Dispatch>(connect); });
    }
    void listAddin(std::uint32_t loadBehavior) {
        registry.setDword(platform::Hive::CurrentUser, std::string(sim::OutlookAddinsKey) + "\\Corvane.Connect",
                          "LoadBehavior", loadBehavior);
    }
    sim::AddinLoader loader{registry, app};
};

TEST_F(Loading, OutlookConnectsAnAddinListedToLoadAtStartUp) {
    listAddin(3);
    EXPECT_EQ(loader.loadStartupAddins(), std::vector<std::string>{"Corvane.Connect"});
    app->start();
    EXPECT_TRUE(app->isConnected(ConnectProgId));
    EXPECT_EQ(process->gProgId, "Corvane.Connect");
    EXPECT_EQ(explorerWrappers(), 1);
}

TEST_F(Loading, AnAddinThatIsNotSetToLoadStaysOut) {
    listAddin(2);
    EXPECT_TRUE(loader.loadStartupAddins().empty());
    app->start();
    EXPECT_FALSE(app->isConnected(ConnectProgId));
}

TEST_F(Loading, SwitchingOffDisconnectsWithRemoveModeOneAndStoresLoadBehaviorTwo) {
    listAddin(3);
    loader.loadStartupAddins();
    app->start();
    loader.switchOff(ConnectProgId);
    EXPECT_FALSE(app->isConnected(ConnectProgId));
    EXPECT_EQ(hooks->count("SendTo_RemoveExplMenu Corvane"), 1);
    EXPECT_EQ(loader.loadBehavior(ConnectProgId), 2u);
}

TEST_F(Loading, AProgIdOutlookCannotCreateIsSkipped) {
    registry.setDword(platform::Hive::LocalMachine, std::string(sim::OutlookAddinsKey) + "\\Other.Addin",
                      "LoadBehavior", 3);
    EXPECT_TRUE(loader.loadStartupAddins().empty());
}

}  // namespace
}  // namespace corvane::addin::testing
