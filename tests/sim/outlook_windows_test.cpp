// Windows of the simulated Outlook: Outlook's events in Outlook's order, the active
// window, closing, and the failures of closed windows.
#include <gtest/gtest.h>

#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

struct Windows : ::testing::Test {
    Profile p;
    Log log;
    std::shared_ptr<AppSink> appSink = std::make_shared<AppSink>(log);
    std::shared_ptr<WindowSinks> collections = std::make_shared<WindowSinks>(log, "");
    std::vector<ol::Connection> connections;
    std::vector<std::shared_ptr<void>> sinks;  // the source holds its sinks only weakly

    void SetUp() override {
        connections.push_back(p.app->Advise(appSink));
        connections.push_back(p.app->Explorers()->Advise(collections));
        connections.push_back(p.app->Inspectors()->Advise(collections));
    }
    std::shared_ptr<WindowSinks> watch(const std::shared_ptr<ol::Explorer>& e, std::string name) {
        auto sink = std::make_shared<WindowSinks>(log, std::move(name));
        connections.push_back(e->Advise(sink));
        sinks.push_back(sink);
        return sink;
    }
    std::shared_ptr<WindowSinks> watch(const std::shared_ptr<ol::Inspector>& i, std::string name) {
        auto sink = std::make_shared<WindowSinks>(log, std::move(name));
        connections.push_back(i->Advise(sink));
        sinks.push_back(sink);
        return sink;
    }
    std::shared_ptr<ItemSink> watch(const std::shared_ptr<SimItem>& item) {
        auto sink = std::make_shared<ItemSink>(log);
        connections.push_back(item->asItem()->Advise(sink));
        sinks.push_back(sink);
        return sink;
    }
};

// An Inspector sink that watches every new Inspector and its item, as an add-in does.
struct Tracker : ol::InspectorsEvents {
    explicit Tracker(Windows& t) : test(t) {}
    void NewInspector(const std::shared_ptr<ol::Inspector>& inspector) override {
        test.watch(inspector, "Insp");
        test.watch(AsSimItem(inspector->CurrentItem()));
    }
    Windows& test;
};

TEST_F(Windows, OpeningAnItemRaisesNewInspectorThenOpenThenActivate) {
    p.app->start();
    auto explorer = p.app->explorers().front();
    watch(explorer, "Expl");
    auto tracker = std::make_shared<Tracker>(*this);
    connections.push_back(p.app->Inspectors()->Advise(tracker));
    log.clear();

    auto inspector = p.app->openItem(p.received());

    EXPECT_EQ(log, (Log{"Inspectors.NewInspector", "Item.Open", "Expl.Deactivate", "Insp.Activate"}));
    EXPECT_EQ(p.app->ActiveInspector(), inspector);
    EXPECT_EQ(p.app->Inspectors()->Item(1), inspector);
    EXPECT_EQ(p.app->ActiveExplorer(), explorer);
}

TEST_F(Windows, CancelledOpenShowsNoWindow) {
    p.app->start();
    auto item = p.received();
    watch(item)->cancelOpen = true;

    EXPECT_EQ(p.app->openItem(item), nullptr);
    EXPECT_EQ(p.app->Inspectors()->Count(), 0);
    EXPECT_EQ(p.app->ActiveInspector(), nullptr);
}

TEST_F(Windows, ClosingAnInspectorRaisesItemCloseThenInspectorCloseWhileItStillCounts) {
    p.app->start();
    auto item = p.received();
    auto inspector = p.app->openItem(item);
    watch(item);
    struct Counting : ol::InspectorEvents {
        Counting(std::shared_ptr<SimApplication> a, Log& l) : app(std::move(a)), log(l) {}
        void Close() override {
            log.push_back("Insp.Close count=" + std::to_string(app->Inspectors()->Count()) +
                          " active=" + (app->ActiveInspector() ? "yes" : "none"));
        }
        std::shared_ptr<SimApplication> app;
        Log& log;
    };
    auto counting = std::make_shared<Counting>(p.app, log);
    auto c = inspector->Advise(counting);
    log.clear();

    EXPECT_TRUE(inspector->clickClose());

    EXPECT_EQ(log, (Log{"Item.Close", "Insp.Close count=1 active=none"}));
    EXPECT_EQ(p.app->Inspectors()->Count(), 0);
}

TEST_F(Windows, CancelledItemCloseKeepsTheWindowOpen) {
    p.app->start();
    auto item = p.received();
    auto inspector = p.app->openItem(item);
    watch(item)->cancelClose = true;

    EXPECT_FALSE(inspector->clickClose());
    EXPECT_FALSE(inspector->closed());
    EXPECT_EQ(p.app->ActiveInspector(), inspector);
}

TEST_F(Windows, ClosedWindowsFailWithOutlooksText) {
    p.app->start();
    auto second = p.app->openExplorer(p.inbox());
    auto inspector = p.app->openItem(p.received());
    second->Close();
    inspector->Close(ol::olsave::Discard);

    EXPECT_THAT([&] { second->Caption(); }, FailsWith(platform::errors::ExplorerClosed));
    EXPECT_THAT([&] { inspector->CurrentItem(); }, FailsWith(platform::errors::InspectorClosed));
}

TEST_F(Windows, ActivatingAnotherWindowDeactivatesThePreviousOne) {
    p.app->start();
    auto first = p.app->explorers().front();
    auto second = p.app->openExplorer(p.folder(ol::olfolder::SentMail));
    watch(first, "First");
    watch(second, "Second");
    log.clear();

    first->Activate();

    EXPECT_EQ(log, (Log{"Second.Deactivate", "First.Activate"}));
    EXPECT_EQ(p.app->ActiveExplorer(), first);
}

TEST_F(Windows, ExplorersAddRaisesNewExplorerBeforeTheWindowShows) {
    p.app->start();
    log.clear();
    auto explorer = p.app->Explorers()->Add(p.inbox(), 0);
    EXPECT_EQ(log, (Log{"Explorers.NewExplorer"}));
    EXPECT_NE(p.app->ActiveExplorer(), explorer);
    explorer->Display();
    EXPECT_EQ(p.app->ActiveExplorer(), explorer);
}

TEST_F(Windows, FolderSwitchRaisesBeforeFolderSwitchFolderSwitchAndSelectionChange) {
    p.app->start();
    auto explorer = p.app->explorers().front();
    auto sink = watch(explorer, "Expl");
    auto sent = p.folder(ol::olfolder::SentMail);

    sink->cancelSwitch = true;
    explorer->SetCurrentFolder(sent);
    EXPECT_EQ(explorer->CurrentFolder(), p.inbox());
    sink->cancelSwitch = false;
    log.clear();
    explorer->SetCurrentFolder(sent);

    EXPECT_EQ(log, (Log{"Expl.BeforeFolderSwitch", "Expl.FolderSwitch", "Expl.SelectionChange"}));
    EXPECT_EQ(explorer->CurrentFolder(), sent);
    EXPECT_EQ(explorer->Caption(), "Sent Items - Microsoft Outlook");
}

TEST_F(Windows, SelectionFollowsTheUserAndDropsDeletedItems) {
    p.app->start();
    auto explorer = p.app->explorers().front();
    auto a = p.received("A");
    auto b = p.received("B");
    watch(explorer, "Expl");
    explorer->select({a, b});
    ASSERT_EQ(explorer->Selection()->Count(), 2);
    EXPECT_EQ(explorer->Selection()->Item(1), a->asItem());
    log.clear();

    a->asItem()->Delete();

    EXPECT_EQ(log, (Log{"Expl.SelectionChange"}));
    EXPECT_EQ(explorer->Selection()->Count(), 1);
    EXPECT_THAT([&] { explorer->Selection()->Item(2); }, FailsWith(platform::errors::IndexOutOfBounds));
}

TEST_F(Windows, SelectionCanBeMadeToFailAsOutlookSometimesDoes) {
    p.app->start();
    auto explorer = p.app->explorers().front();
    explorer->failSelection(
        platform::PlatformError(platform::errors::OperationFailed.number, "The operation failed."));
    EXPECT_THAT([&] { explorer->Selection(); }, FailsWith(platform::errors::OperationFailed));
    EXPECT_NO_THROW(explorer->Selection());
}

TEST_F(Windows, ItemContextMenuDisplayIsRaisedByOutlook2007Only) {
    for (const char* version : {"9.0.0.2711", "12.0.0.6504", "14.0.0.7015"}) {
        Profile q(version);
        Log events;
        auto sink = std::make_shared<AppSink>(events);
        auto c = q.app->Advise(sink);
        q.app->start();
        auto explorer = q.app->explorers().front();
        explorer->select({q.received()});
        explorer->rightClickSelection();
        bool raised = std::find(events.begin(), events.end(), "App.ItemContextMenuDisplay 1") != events.end();
        EXPECT_EQ(raised, std::string(version).starts_with("12")) << version;
    }
}

TEST_F(Windows, AHandlerMayDropTheLastReferenceToItsOwnSink) {
    // A wrapper that removes itself from its registry inside its Close handler.
    struct SelfRemoving : ol::InspectorEvents {
        void Close() override {
            auto keep = registry->back();
            registry->clear();  // the registry held the only other reference
            closedName = name;  // still alive: the source holds it for the call
        }
        std::vector<std::shared_ptr<SelfRemoving>>* registry = nullptr;
        std::string name = "wrapper";
        std::string closedName;
    };
    p.app->start();
    auto inspector = p.app->openItem(p.received());
    std::vector<std::shared_ptr<SelfRemoving>> registry{std::make_shared<SelfRemoving>()};
    registry.back()->registry = &registry;
    std::weak_ptr<SelfRemoving> watched = registry.back();
    auto c = inspector->Advise(registry.back());

    inspector->Close(ol::olsave::Discard);

    EXPECT_TRUE(registry.empty());
    EXPECT_TRUE(watched.expired());
}

TEST_F(Windows, ADisconnectedSinkHearsNothingMore) {
    p.app->start();
    appSink.reset();  // the application's sink goes with its last reference
    auto explorer = p.app->explorers().front();
    auto sink = std::make_shared<WindowSinks>(log, "Expl");
    auto connection = explorer->Advise(sink);
    connection.disconnect();
    log.clear();
    explorer->select({p.received()});
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace corvane::sim::testing

namespace corvane::sim::testing {
namespace {

TEST(OutlookLifetime, AnAddinHoldingOutlookLetsItGoAtShutdown) {
    struct Holder : ol::ComAddin {
        void OnConnection(const std::shared_ptr<ol::Application>& a, int,
                          const std::shared_ptr<ol::AddInInstance>&) override {
            app = a;
            explorer = a->ActiveExplorer();
        }
        void OnDisconnection(int) override { app.reset(); }
        std::shared_ptr<ol::Application> app;
        std::shared_ptr<ol::Explorer> explorer;  // kept on purpose: windows do not hold Outlook
    };
    std::weak_ptr<SimApplication> watched;
    auto holder = std::make_shared<Holder>();
    {
        Profile p;
        watched = p.app;
        p.app->registerAddin("Corvane.Connect", holder);
        p.app->start();
        p.app->explorers().front()->Close();  // the last window: Outlook quits
        EXPECT_EQ(holder->app, nullptr);
    }
    EXPECT_TRUE(watched.expired());
    EXPECT_THAT([&] { holder->explorer->Display(); }, FailsWith(platform::errors::ExplorerClosed));
}

}  // namespace
}  // namespace corvane::sim::testing
