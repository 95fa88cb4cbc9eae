// Tracking of Explorers and message windows: registration, removal, the sink's shut-down
// and revival, the followed selection and the reply handlers.
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
    std::shared_ptr<ExplorerWrap> explorerWrap(const std::string& key) { return process->gcolExplWrap->Item(key); }
    std::shared_ptr<sim::SimExplorer> explorer;
};

TEST_F(WindowTracking, ClosingAnExplorerRemovesItsWrapper) {
    start();
    auto second = openExplorer();
    ASSERT_EQ(explorerWrappers(), 2);
    second->Close();
    EXPECT_EQ(explorerWrappers(), 1);
    EXPECT_TRUE(process->gcolExplWrap->Contains("0"));
}

TEST_F(WindowTracking, KeysAreNeverReused) {
    start();
    openExplorer()->Close();
    openExplorer();
    EXPECT_TRUE(process->gcolExplWrap->Contains("2"));
    EXPECT_EQ(process->gintExplKey, 3);
}

TEST_F(WindowTracking, TheCounterStopsAt32767AndLaterExplorersGoUntracked) {
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
}

TEST_F(WindowTracking, TheInspectorCounterOverflowsTheSameWay) {
    start();
    process->gintInspKey = 32767;
    app->openItem(received("one"));
    app->openItem(received("two"));
    EXPECT_EQ(inspectorWrappers(), 1);
    EXPECT_EQ(process->gintInspKey, 32767);
}

TEST_F(WindowTracking, KillExplRefusesAWrapperThatIsNotStoredUnderTheKey) {
    start();
    auto stranger = ExplorerWrap::Create(*process);
    try {
        KillExpl(*process, 0, stranger.get());
        FAIL() << "no error";
    } catch (const platform::PlatformError& e) {
        EXPECT_EQ(e.number(), 1);
        EXPECT_EQ(e.description(), "Unexpected Error in KillExpl");
    }
    EXPECT_EQ(explorerWrappers(), 1);
}

TEST_F(WindowTracking, KillInspIgnoresAStrangerAndAMissingKey) {
    start();
    app->openItem(received());
    auto stranger = clsInspWrap::Create(*process);
    KillInsp(*process, 0, stranger.get());
    KillInsp(*process, 99, stranger.get());
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

TEST_F(WindowTracking, ClosingAMessageWindowRemovesItsWrapper) {
    start();
    auto inspector = app->openItem(received());
    ASSERT_EQ(inspectorWrappers(), 1);
    EXPECT_TRUE(inspector->clickClose());
    EXPECT_EQ(inspectorWrappers(), 0);
}

TEST_F(WindowTracking, ClosingTheLastExplorerWithAMessageWindowOpenKeepsTheSink) {
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
}

TEST_F(WindowTracking, ClosingTheLastExplorerShutsTheSinkDownAndANewWindowRevivesIt) {
    start();
    explorer->Close();
    EXPECT_FALSE(connect->outAddIn()->Initialized());

    auto inspector = app->openItem(received());
    EXPECT_TRUE(connect->outAddIn()->Initialized());
    EXPECT_EQ(process->gOutlook, app);
    EXPECT_NE(process->gSendAcct, nullptr);
    EXPECT_EQ(inspectorWrappers(), 1);
    // The revived sink receives the send event again.
    inspector->item()->setSubject("Back again");
    hooks->log.clear();
    inspector->clickSend();
    EXPECT_EQ(hooks->count("ConfirmSend"), 1);
}

// The Explorer wrapper follows the first selected mail item.
TEST_F(WindowTracking, FollowsTheFirstSelectedMailItem) {
    start();
    auto mail = received();
    explorer->select({mail});
    EXPECT_EQ(explorerWrap("0")->MailItem(), mail->asItem());
    explorer->select({});
    EXPECT_EQ(explorerWrap("0")->MailItem(), nullptr);
}

TEST_F(WindowTracking, AMeetingRequestFirstInTheSelectionIsNotFollowed) {
    start();
    sim::ItemSpec meeting;
    meeting.objectClass = ol::olclass::MeetingRequest;
    meeting.subject = "Review";
    meeting.from = ann;
    meeting.to = {me};
    auto request = inbox()->addItem(meeting);
    explorer->select({request, received()});
    EXPECT_EQ(explorerWrap("0")->MailItem(), nullptr);
}

TEST_F(WindowTracking, NothingIsFollowedInTheOutbox) {
    start();
    auto outbox = app->profile()->defaultFolder(ol::olfolder::Outbox);
    sim::ItemSpec pending;
    pending.subject = "Waiting";
    pending.to = {ann};
    pending.sent = false;
    auto item = outbox->addMail(pending);
    explorer->SetCurrentFolder(outbox);
    explorer->select({item});
    EXPECT_EQ(explorerWrap("0")->MailItem(), nullptr);
}

TEST_F(WindowTracking, AClosedExplorerFailureIsSilentOthersAreReported) {
    start();
    explorer->failSelection(platform::PlatformError(ol::errors::OperationFailed.number,
                                                    std::string(ol::errors::OperationFailed.description)));
    explorer->select({received()});
    EXPECT_TRUE(ui.boxes.empty());

    explorer->failSelection(platform::PlatformError(5, "Invalid procedure call or argument"));
    explorer->select({received("other")});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error 5 Invalid procedure call or argument");
    EXPECT_EQ(ui.boxes[0].title, "m_objExpl_SelectionChange - Corvane");
    EXPECT_EQ(ui.boxes[0].buttons, 48);
}

TEST_F(WindowTracking, ReplyFromTheListRunsTheReplyChecksInOrder) {
    start();
    explorer->select({received()});
    explorer->clickReply();
    const std::vector<std::string> expected{"cvOldSubject", "cvRemoveSpamMarks", "cvReplyCheck RE: cleaned"};
    std::vector<std::string> checks;
    for (const auto& e : hooks->log)
        if (e.rfind("cv", 0) == 0) checks.push_back(e);
    EXPECT_EQ(checks, expected);
}

TEST_F(WindowTracking, ReplyToAllCancelledByTheCheckOpensNothing) {
    start();
    hooks->cancelReplyAll = true;
    explorer->select({received()});
    EXPECT_EQ(explorer->clickReplyAll(), nullptr);
    EXPECT_EQ(hooks->count("cvReplyAllCheck"), 1);
}

TEST_F(WindowTracking, ForwardOnlyCleansTheSubject) {
    start();
    explorer->select({received()});
    explorer->clickForward();
    EXPECT_EQ(hooks->count("cvRemoveSpamMarks"), 1);
    EXPECT_EQ(hooks->count("cvOldSubject"), 0);
}

TEST_F(WindowTracking, ReplyInAnOpenMessageWindowRunsTheChecksOnce) {
    start();
    auto mail = received();
    explorer->select({mail});
    auto inspector = app->openItem(mail);
    inspector->clickReply();
    EXPECT_EQ(hooks->count("cvReplyCheck RE: cleaned"), 1);
}

TEST_F(WindowTracking, RightClickSettlesTheSelectionOfTheActiveExplorer) {
    start();
    auto mail = received();
    explorer->select({mail});
    process->gcolExplWrap->Item("0")->SetCorrectItemSelection();
    connect->outAddIn()->objOutlook_ItemContextMenuDisplay(nullptr, nullptr);
    EXPECT_EQ(explorerWrap("0")->MailItem(), mail->asItem());
}

// The removals a reply-to-all check leaves on the reply, applied when its window opens.
class PendingRemovals : public WindowTracking {
protected:
    std::shared_ptr<sim::SimMailItem> reply(std::vector<std::pair<std::string, std::string>> properties) {
        sim::ItemSpec spec;
        spec.subject = "RE: Plans";
        spec.sent = false;
        spec.to = {ann, carol, me, bob};
        spec.userProperties = std::move(properties);
        return app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    }
    std::vector<std::string> names(const std::shared_ptr<sim::SimMailItem>& item) {
        auto mail = std::dynamic_pointer_cast<ol::MailItem>(item->asItem());
        std::vector<std::string> out;
        for (int i = 1; i <= mail->Recipients()->Count(); ++i) out.push_back(mail->Recipients()->Item(i)->Name());
        return out;
    }
    bool hasProperty(const std::shared_ptr<sim::SimMailItem>& item, const char* name) {
        return item->asItem()->UserProperties()->Find(name) != nullptr;
    }
};

TEST_F(PendingRemovals, RemovesThePositionsInTheirOrderAndSkipsTheEmptyPart) {
    start();
    auto item = reply({{"ReplyToAllRemoveReciptAt", "3;1;"}});
    app->openItem(item);
    EXPECT_EQ(names(item), (std::vector<std::string>{"Carol Diaz", "Bob Ray"}));
    EXPECT_FALSE(hasProperty(item, "ReplyToAllRemoveReciptAt"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PendingRemovals, RemovesTheUsersOwnAddresses) {
    start();
    setSetting(settings::keys::UseOutlookSettings, "False");
    setSetting(settings::keys::EmailList, "JOHN@kelderon.example;john@home.example");
    auto item = reply({{"ReplyToAllCLearMyEmail", "Yes"}});
    app->openItem(item);
    EXPECT_EQ(names(item), (std::vector<std::string>{"Ann Lee", "Carol Diaz", "Bob Ray"}));
    EXPECT_FALSE(hasProperty(item, "ReplyToAllCLearMyEmail"));
}

TEST_F(PendingRemovals, ABlankEmailListRemovesNobodyButClearsTheMark) {
    start();
    setSetting(settings::keys::UseOutlookSettings, "False");
    setSetting(settings::keys::EmailList, "   ");
    auto item = reply({{"ReplyToAllCLearMyEmail", "Yes"}});
    app->openItem(item);
    EXPECT_EQ(names(item).size(), 4u);
    EXPECT_FALSE(hasProperty(item, "ReplyToAllCLearMyEmail"));
}

TEST_F(PendingRemovals, APositionThatNoLongerExistsIsReportedAndKeepsTheMark) {
    start();
    auto item = reply({{"ReplyToAllRemoveReciptAt", "9"}});
    app->openItem(item);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Error:" + std::to_string(ol::errors::IndexOutOfBounds.number) + " " +
                                      std::string(ol::errors::IndexOutOfBounds.description));
    EXPECT_EQ(ui.boxes[0].buttons, 16);
    EXPECT_EQ(ui.boxes[0].title, "Corvane");
    EXPECT_TRUE(hasProperty(item, "ReplyToAllRemoveReciptAt"));
}

TEST_F(PendingRemovals, AreAppliedOnlyOnce) {
    start();
    auto item = reply({{"ReplyToAllRemoveReciptAt", "1"}});
    auto inspector = app->openItem(item);
    openExplorer();
    inspector->Activate();
    EXPECT_EQ(names(item).size(), 3u);
}

}  // namespace
}  // namespace corvane::addin::testing
