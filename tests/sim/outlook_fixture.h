#pragma once
// A small simulated Outlook profile for the host's own tests: one Exchange mailbox, an
// address book with SMTP, Exchange and list entries, two accounts, and recording sinks
// that write every event they receive into one log.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/clock.h"
#include "corvane/platform/file_system.h"
#include "corvane/sim/application.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim::testing {

namespace ol = outlook;

class MemoryFiles final : public platform::FileSystem {
public:
    std::optional<std::string> readFile(std::string_view path) override {
        auto it = files.find(std::string(path));
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    void writeFile(std::string_view path, std::string_view data) override { files[std::string(path)] = data; }
    bool fileExists(std::string_view path) override { return files.count(std::string(path)) > 0; }
    void removeFile(std::string_view path) override { files.erase(std::string(path)); }
    std::map<std::string, std::string> files;
};

struct Profile {
    explicit Profile(std::string version = "11.0.0.8010", bool wordEditor = false) {
        OutlookOptions options;
        options.version = std::move(version);
        options.wordEditor = wordEditor;
        options.files = &files;
        app = SimApplication::Create(clock, options);
        auto& book = app->profile()->addressBook();
        me = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example",
                                   {"smtp:js@kelderon.example", "SMTP:john@kelderon.example", "X400:c=US;s=Smith"},
                                   ""});
        carol = book.addExchangeUser({"Carol Diaz", "cdiaz", "carol@kelderon.example", {}, ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        bob = book.addSmtp("Bob Ray", "bob@example.org");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {carol, me});
        friends = book.addPersonalList("Friends", {ann, bob});
        store = app->profile()->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
        app->profile()->setCurrentUser(me);
        work = app->profile()->addAccount({"Kelderon", "john@kelderon.example", ol::olaccount::Exchange, "John Smith"});
        home = app->profile()->addAccount({"Home", "john@home.example", ol::olaccount::Pop3, "John at home"});
    }

    std::shared_ptr<SimFolder> folder(int type) const { return app->profile()->defaultFolder(type); }
    std::shared_ptr<SimFolder> inbox() const { return folder(ol::olfolder::Inbox); }

    // A message from Ann to John, Carol and (cc) Bob, received an hour ago.
    std::shared_ptr<SimMailItem> received(std::string subject = "Plans") {
        ItemSpec spec;
        spec.subject = std::move(subject);
        spec.body = "Let us meet.";
        spec.from = ann;
        spec.to = {me, carol};
        spec.cc = {bob};
        spec.received = clock.now().addSeconds(-3600);
        return inbox()->addMail(spec);
    }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    MemoryFiles files;
    std::shared_ptr<SimApplication> app;
    std::shared_ptr<SimAddressEntry> me, carol, ann, bob, team, friends;
    std::shared_ptr<SimStore> store;
    std::shared_ptr<SimAccount> work, home;
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

// Runs a call that must fail and returns the failure.
template <class F>
platform::PlatformError FailureOf(F&& f) {
    try {
        f();
    } catch (const platform::PlatformError& e) {
        return e;
    }
    return platform::PlatformError(0, "no failure");
}

}  // namespace corvane::sim::testing
