#pragma once
// The world's Outlook for the simulated host's own tests, and recording sinks that write
// every event they receive into one log.
#include <memory>
#include <string>
#include <vector>

#include "corvane/outlook/errors.h"
#include "corvane/sim/account.h"
#include "corvane/sim/application.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "support/platform_error.h"
#include "support/world.h"

namespace corvane::sim::testing {

namespace ol = outlook;

// The world's mailbox, with the entries by name.
struct Profile : corvane::testing::World {
    explicit Profile(std::string version = "11.0.0.8010", bool wordEditor = false)
        : World(corvane::testing::OutlookSetup{std::move(version), wordEditor}) {}

    std::shared_ptr<SimFolder> inbox() const { return folder(ol::olfolder::Inbox); }
    // A message from Ann to John, Carol and (cc) Bob, received an hour ago.
    std::shared_ptr<SimMailItem> received(std::string subject = "Plans") {
        return World::received(
            {.subject = subject, .body = "Let us meet.", .from = ann, .to = {me, carol}, .cc = {bob}});
    }

    std::shared_ptr<SimAddressEntry> me = entry("John Smith"), carol = entry("Carol Diaz"), ann = entry("Ann Lee"),
                                     bob = entry("Bob Ray"), team = entry("Team"), friends = entry("Friends");
    std::shared_ptr<SimStore> store = app->profile()->defaultStore();
    std::shared_ptr<SimAccount> work = app->profile()->findAccount("Kelderon"),
                                home = app->profile()->findAccount("Home");
};

// Every event a sink receives, as "Source.Event" in order.
using Log = std::vector<std::string>;

struct AppSink : ol::ApplicationEvents {
    explicit AppSink(Log& l) : log(l) {}
    void Startup() override { log.push_back("App.Startup"); }
    void Quit() override { log.push_back("App.Quit"); }
    void ItemSend(const std::shared_ptr<ol::Item>&, bool& cancel) override {
        log.push_back("App.ItemSend");
        if (cancelSend) cancel = true;
    }
    void ItemContextMenuDisplay(const std::shared_ptr<ol::CommandBar>&,
                                const std::shared_ptr<ol::Selection>& selection) override {
        log.push_back("App.ItemContextMenuDisplay " + std::to_string(selection->Count()));
    }
    Log& log;
    bool cancelSend = false;
};

struct WindowSinks : ol::ExplorersEvents, ol::InspectorsEvents, ol::ExplorerEvents, ol::InspectorEvents {
    WindowSinks(Log& l, std::string n) : log(l), name(std::move(n)) {}
    void NewExplorer(const std::shared_ptr<ol::Explorer>&) override { log.push_back("Explorers.NewExplorer"); }
    void NewInspector(const std::shared_ptr<ol::Inspector>&) override { log.push_back("Inspectors.NewInspector"); }
    void Activate() override { log.push_back(name + ".Activate"); }
    void Deactivate() override { log.push_back(name + ".Deactivate"); }
    void Close() override { log.push_back(name + ".Close"); }
    void BeforeFolderSwitch(const std::shared_ptr<ol::Folder>&, bool& cancel) override {
        log.push_back(name + ".BeforeFolderSwitch");
        cancel = cancelSwitch;
    }
    void FolderSwitch() override { log.push_back(name + ".FolderSwitch"); }
    void SelectionChange() override { log.push_back(name + ".SelectionChange"); }
    Log& log;
    std::string name;
    bool cancelSwitch = false;
};

struct ItemSink : ol::ItemEvents {
    explicit ItemSink(Log& l) : log(l) {}
    void Open(bool& cancel) override {
        log.push_back("Item.Open");
        cancel = cancelOpen;
    }
    void Close(bool& cancel) override {
        log.push_back("Item.Close");
        cancel = cancel || cancelClose;
    }
    void Write(bool&) override { log.push_back("Item.Write"); }
    void Send(bool& cancel) override {
        log.push_back("Item.Send");
        cancel = cancel || cancelSend;
    }
    void Reply(const std::shared_ptr<ol::Item>& r, bool& cancel) override { respond("Item.Reply", r, cancel); }
    void ReplyAll(const std::shared_ptr<ol::Item>& r, bool& cancel) override { respond("Item.ReplyAll", r, cancel); }
    void Forward(const std::shared_ptr<ol::Item>& r, bool& cancel) override { respond("Item.Forward", r, cancel); }
    void respond(const char* what, const std::shared_ptr<ol::Item>& r, bool& cancel) {
        log.push_back(what);
        response = r;
        if (cancelResponse) cancel = true;
    }
    Log& log;
    bool cancelOpen = false;
    bool cancelClose = false;
    bool cancelSend = false;
    bool cancelResponse = false;
    std::shared_ptr<ol::Item> response;
};

}  // namespace corvane::sim::testing
