#pragma once
// A simulated Outlook profile for the access component's tests: an Exchange mailbox
// owned by John (proxy addresses with a secondary, the primary and an X.400 address), an
// SMTP correspondent, an on-behalf pair, an Exchange and a personal distribution list, and
// two accounts.
#include <memory>
#include <string>
#include <vector>

#include "corvane/access/factory.h"
#include "corvane/platform/clock.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/sim/name_space.h"
#include "support/memory_file_system.h"

namespace corvane::testing {

struct AccessProfile {
    explicit AccessProfile(std::string version = "11.0.0.8010", bool wordEditor = false) {
        sim::OutlookOptions options;
        options.version = std::move(version);
        options.wordEditor = wordEditor;
        options.files = &files;
        app = sim::SimApplication::Create(clock, options);
        auto& book = app->profile()->addressBook();
        john = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example",
                                     {"smtp:js@kelderon.example", "SMTP:john@kelderon.example", "X400:c=US;s=Smith"},
                                     ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        boss = book.addSmtp("Bea Boss", "bea@example.com");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {john, ann});
        friends = book.addPersonalList("Friends", {ann, boss});
        store = app->profile()->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, john, true});
        app->profile()->setCurrentUser(john);
        app->profile()->addAccount({"Kelderon", "john@kelderon.example", outlook::olaccount::Exchange, "John Smith"});
        app->profile()->addAccount({"Home", "john@home.example", outlook::olaccount::Pop3, "John at home"});
        subsystem = std::make_shared<sim::SimMapiSubsystem>(app);
    }

    // A received message from one entry to others (John when none are named).
    sim::ItemSpec message(std::shared_ptr<sim::SimAddressEntry> from, std::vector<sim::RecipientSpec> to = {}) const {
        sim::ItemSpec m;
        m.from = std::move(from);
        m.to = to.empty() ? std::vector<sim::RecipientSpec>{john} : std::move(to);
        return m;
    }
    std::shared_ptr<sim::SimFolder> inbox() const { return app->profile()->defaultFolder(outlook::olfolder::Inbox); }
    std::shared_ptr<sim::SimMailItem> mail(const sim::ItemSpec& spec) const { return inbox()->addMail(spec); }
    std::shared_ptr<mapi::Session> outlookSession() const { return app->Session()->MAPIOBJECT(); }

    platform::FixedClock clock{platform::DateTime::fromCivil(2013, 5, 2, 9, 30)};
    MemoryFileSystem files;
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> john, ann, boss, team, friends;
    std::shared_ptr<sim::SimStore> store;
    std::shared_ptr<mapi::Subsystem> subsystem;
};

}  // namespace corvane::testing
