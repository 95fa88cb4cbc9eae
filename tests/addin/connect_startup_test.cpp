// Start-up decisions the scenarios cannot reach: the Google Apps store test, the update
// reminder's day boundary (its dialog is not built yet) and a folder move that fails.
#include "addin_fixture.h"
#include "corvane/outlook/folders.h"

namespace corvane::addin::testing {
namespace {

class Startup : public AddinTest {
protected:
    void start() {
        openExplorer();
        connectAddin();
    }
};

TEST_F(Startup, AGoogleAppsStoreIsFoundAmongTheStores) {
    start();
    EXPECT_FALSE(process->gIsGoogleApps);
    disconnectAddin();
    app->profile()->addStore({"Google Apps - john", mapi::storekind::PstUnicode, nullptr, false});
    connectAddin();
    EXPECT_TRUE(process->gIsGoogleApps);
}

TEST_F(Startup, TheUpdateReminderComesOnceADayBoundaryHasPassed) {
    clock.set(platform::DateTime::fromCivil(2026, 3, 2, 0, 5));
    setSetting(settings::keys::LastCheckUpdateDate, "2026-03-01 23:59:00");
    start();
    EXPECT_EQ(hooks->count("ShowConfirmCheckUpdate"), 1);
}

TEST_F(Startup, AFailedFolderMoveIsNotRetriedNorAnnounced) {
    removeSetting("blnMoveCV");
    auto old = inbox()->parentFolder()->addFolder("Brackenfold Settings")->addFolder("Corvane");
    sim::ItemSpec list;
    list.subject = "Email Address";
    old->addMail(list);
    hooks->moveWorks = false;
    start();
    EXPECT_NO_THROW(ui.finish()) << ui.transcriptText();
    EXPECT_EQ(setting(settings::keys::blnMoveCV), "1");
    EXPECT_NE(inbox()->parentFolder()->child("Brackenfold Settings"), nullptr);
}

}  // namespace
}  // namespace corvane::addin::testing
