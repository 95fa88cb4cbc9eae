// Tracking of Explorers and message windows where the scenarios cannot look: the wrapper
// registries and their keys, the sink's shut-down and revival while Outlook runs on, and
// the error paths of the selection handler.
#include "addin_fixture.h"
#include "corvane/addin/explorer_wrap.h"
#include "corvane/addin/insp_wrap.h"
#include "corvane/addin/out_addin.h"
#include "corvane/addin/window_registry.h"
#include "corvane/outlook/errors.h"

namespace corvane::addin::testing {
namespace {

class WindowTracking : public AddinTest {
protected:
    void start() {
        explorer = openExplorer();
        connectAddin();
    }
    std::shared_ptr<sim::SimExplorer> explorer;
};

TEST_F(WindowTracking, WrappersLeaveWithTheirWindowsAndKeysAreNeverReused) {
    start();
    openExplorer()->Close();
    openExplorer();
    EXPECT_EQ(explorerWrappers(), 2);
    EXPECT_TRUE(process->gcolExplWrap->Contains("0"));
    EXPECT_TRUE(process->gcolExplWrap->Contains("2"));
    EXPECT_EQ(process->gintExplKey, 3);

    auto inspector = app->openItem(received());
    ASSERT_EQ(inspectorWrappers(), 1);
    EXPECT_TRUE(inspector->clickClose());
    EXPECT_EQ(inspectorWrappers(), 0);
}

TEST_F(WindowTracking, TheCountersStopAt32767AndLaterWindowsGoUntracked) {
    start();
    process->gintExplKey = 32766;
    openExplorer();
    openExplorer();
    EXPECT_EQ(process->gintExplKey, 32767);
    EXPECT_TRUE(process->gcolExplWrap->Contains("32767"));
    const int before = explorerWrappers();
    openExplorer();  // collides with "32767"
    openExplorer();
    EXPECT_EQ(explorerWrappers(), before);
    EXPECT_EQ(process->gintExplKey, 32767);

    process->gintInspKey = 32767;
    app->openItem(received("one"));
    app->openItem(received("two"));
    EXPECT_EQ(inspectorWrappers(), 1);
    EXPECT_EQ(process->gintInspKey, 32767);
}

TEST_F(WindowTracking, OnlyTheWrapperStoredUnderAKeyIsRemoved) {
    start();
    app->openItem(received());
    auto strangeExplorer = ExplorerWrap::Create(*process);
    try {
        KillExpl(*process, 0, strangeExplorer.get());
        FAIL() << "no error";
    } catch (const platform::PlatformError& e) {
        EXPECT_EQ(e.number(), 1);
        EXPECT_EQ(e.description(), "Unexpected Error in KillExpl");
    }
    auto strangeInspector = clsInspWrap::Create(*process);
    KillInsp(*process, 0, strangeInspector.get());  // silently
    KillInsp(*process, 99, strangeInspector.get());
    EXPECT_EQ(explorerWrappers(), 1);
    EXPECT_EQ(inspectorWrappers(), 1);
}

TEST_F(WindowTracking, OnlyMailWindowsGetWrappers) {
    start();
    sim::ItemSpec contact;
    contact.objectClass = ol::olclass::Contact;
    contact.fullName = "Ann Lee";
    app->openItem(app->profile()->defaultFolder(ol::olfolder::Contacts)->addItem(contact));
    sim::ItemSpec note;
    note.objectClass = ol::olclass::Note;
    app->openItem(app->profile()->defaultFolder(ol::olfolder::Notes)->addItem(note));
    EXPECT_EQ(inspectorWrappers(), 0);
    app->openItem(received());
    EXPECT_EQ(inspectorWrappers(), 1);
}

// Outlook keeps running here when its last window closes (another program holds it).
TEST_F(WindowTracking, TheSinkLivesWhileAWindowIsOpenAndANewWindowRevivesIt) {
    start();
    auto inspector = app->openItem(received());
    explorer->Close();
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_EQ(inspectorWrappers(), 1);

    inspector->clickClose();
    EXPECT_FALSE(connect->outAddIn()->Initialized());
    EXPECT_EQ(process->gOutlook, nullptr);
    EXPECT_EQ(process->gcolExplWrap, nullptr);
    EXPECT_EQ(process->gcolInspWrap, nullptr);
    EXPECT_EQ(process->gSendAcct, nullptr);

    auto revived = app->openItem(received("Back again"));
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_EQ(process->gOutlook, app);
    EXPECT_NE(process->gSendAcct, nullptr);
    EXPECT_EQ(inspectorWrappers(), 1);
    hooks->log.clear();
    revived->clickSend();
    EXPECT_EQ(hooks->count("ConfirmSend"), 1);  // the send event reaches the revived sink
}

TEST_F(WindowTracking, AClosedExplorerFailureIsSilentOthersAreReported) {
    start();
    explorer->failSelection(platform::PlatformError(platform::errors::OperationFailed.number,
                                                    std::string(platform::errors::OperationFailed.description)));
    explorer->select({received()});
    EXPECT_NO_THROW(ui.finish()) << ui.transcriptText();

    explorer->failSelection(platform::PlatformError(5, "Invalid procedure call or argument"));
    ui.addStep(simhost::MessageBoxStep{"m_objExpl_SelectionChange - Corvane",
                                       "Error 5 Invalid procedure call or argument", std::nullopt, 48,
                                       platform::mb::IdOk});
    explorer->select({received("other")});
    EXPECT_NO_THROW(ui.finish()) << ui.transcriptText();
}

}  // namespace
}  // namespace corvane::addin::testing
