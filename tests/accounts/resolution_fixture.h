#pragma once
// Address resolution on a simulated Outlook: an Exchange mailbox owned by John (proxy
// addresses: a secondary, the primary and an X.400 one), SMTP correspondents, an Exchange
// and a personal distribution list, the add-in process with its access component, and a
// recording Ui.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "corvane/access/factory.h"
#include "corvane/addin/addin_process.h"
#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/sim/outlook/address_book.h"
#include "corvane/sim/outlook/application.h"
#include "corvane/sim/outlook/folder.h"
#include "corvane/sim/outlook/item_types.h"
#include "corvane/sim/outlook/mapi_views.h"
#include "corvane/sim/outlook/name_space.h"
#include "corvane/sim/registry.h"
#include "support/fake_ui.h"
#include "support/memory_file_system.h"

namespace corvane::accounts::testing {

namespace ol = outlook;

class StubShell final : public platform::Shell {
public:
    void openAddress(std::string_view) override {}
    void openHelp(std::string_view, std::string_view) override {}
};
class StubHttp final : public platform::Http {
public:
    platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
};
class StubSystem final : public platform::SystemInfo {
public:
    platform::WindowsVersion windowsVersion() override { return {}; }
    std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
    std::string addinFolder() override { return "C:\\Corvane"; }
    platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
};

struct OutlookSetup {
    std::string version = "11.0.0.8010";
    bool wordEditor = false;
};

class ResolutionTest : public ::testing::Test {
protected:
    explicit ResolutionTest(OutlookSetup setup = {}) {
        sim::OutlookOptions options;
        options.version = setup.version;
        options.wordEditor = setup.wordEditor;
        options.files = &files;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto& book = app->profile()->addressBook();
        john = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example",
                                     {"smtp:js@kelderon.example", "SMTP:john@kelderon.example", "X400:c=US;s=Smith"},
                                     ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        bea = book.addSmtp("Bea Boss", "bea@example.com");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {john, ann});
        friends = book.addPersonalList("Friends", {ann, bea});
        app->profile()->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, john, true});
        app->profile()->setCurrentUser(john);
        access = std::make_shared<access::ComponentFactory>(std::make_shared<sim::SimMapiSubsystem>(app));
        process = std::make_unique<addin::AddinProcess>(host, nullptr, access);
        process->gOutlook = app;
    }

    sim::AddressBook& book() { return app->profile()->addressBook(); }
    std::shared_ptr<sim::SimFolder> inbox() const { return app->profile()->defaultFolder(ol::olfolder::Inbox); }
    // A received message from `from` to the recipients (John when none are named).
    std::shared_ptr<sim::SimMailItem> received(std::shared_ptr<sim::SimAddressEntry> from,
                                               std::vector<sim::RecipientSpec> to = {}) {
        sim::ItemSpec spec;
        spec.subject = "Plans";
        spec.from = std::move(from);
        spec.to = to.empty() ? std::vector<sim::RecipientSpec>{john} : std::move(to);
        return inbox()->addMail(spec);
    }
    std::shared_ptr<ol::Item> itemOfClass(int objectClass, std::shared_ptr<sim::SimAddressEntry> from) {
        sim::ItemSpec spec;
        spec.objectClass = objectClass;
        spec.subject = "Notice";
        spec.from = std::move(from);
        return inbox()->addItem(spec)->asItem();
    }
    int cleanUps() const { return access->State().cleanUps; }

    platform::FixedClock clock{platform::DateTime::fromCivil(2013, 5, 2, 9, 30)};
    corvane::testing::MemoryFileSystem files;
    sim::SimRegistry registry;
    corvane::testing::FakeUi ui;
    StubShell shell;
    StubHttp http;
    StubSystem system;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> john, ann, bea, team, friends;
    std::shared_ptr<access::ComponentFactory> access;
    std::unique_ptr<addin::AddinProcess> process;
};

// The message every failed resolution shows when asked to.
inline constexpr const char* UnresolvedPrompt = "E-mail address cannot be resolved. Please check e-mail address.";

}  // namespace corvane::accounts::testing
