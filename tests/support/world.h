#pragma once
// The one world the tests run in: a simulated host on a temporary profile folder (its
// registry, disk, scripted Ui, shell, internet, machine and clock) and an Outlook built on
// it from a profile written as scenarios write theirs (docs/profiles.md); and, for the
// tests that need it, the add-in process on that host with the access component on
// Outlook's simulated MAPI subsystem.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/core/addin_process.h"
#include "corvane/platform/ui_services.h"
#include "corvane/profile/profile.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/item_spec.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::testing {

// John Smith's Exchange mailbox: John with a secondary, a primary and an X.400 proxy,
// Carol on Exchange, Ann, Bob and Bea outside, an Exchange list (Carol, John) and a
// personal one (Ann, Bob), and a work (Exchange) and a home (POP3) account.
inline constexpr const char* Mailbox = R"(
address_book:
  - {name: John Smith, type: EX, smtp: john@kelderon.example, alias: jsmith,
     proxies: ["smtp:js@kelderon.example", "SMTP:john@kelderon.example", "X400:c=US;s=Smith"]}
  - {name: Carol Diaz, type: EX, smtp: carol@kelderon.example, alias: cdiaz}
  - {name: Team, type: EX, smtp: team@kelderon.example, members: [Carol Diaz, John Smith]}
  - {name: Ann Lee, smtp: ann@example.com}
  - {name: Bob Ray, smtp: bob@example.org}
  - {name: Bea Boss, smtp: bea@example.com}
  - {name: Friends, type: MAPIPDL, members: [Ann Lee, Bob Ray]}
user: john@kelderon.example
accounts:
  - {name: Kelderon, smtp: john@kelderon.example, type: exchange, user_name: John Smith}
  - {name: Home, smtp: john@home.example, type: pop3, user_name: John at home}
)";

struct OutlookSetup {
    std::string version = "11.0.0.8010";
    bool wordEditor = false;
    platform::DateTime now = platform::DateTime::fromCivil(2026, 3, 2, 9, 30);
};

// A profile written in YAML, named "profile.yaml" in messages.
profile::Profile ReadProfile(std::string_view yaml);

class World {
public:
    explicit World(std::string_view profileYaml = Mailbox, OutlookSetup outlook = {});
    explicit World(OutlookSetup outlook) : World(Mailbox, std::move(outlook)) {}
    World(const profile::Profile& profile, OutlookSetup outlook);
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    virtual ~World();

    simhost::SimHost& host() { return *host_; }
    simhost::ScriptedUi& ui() { return host_->ui(); }
    platform::FixedClock& clock() { return host_->clock(); }

    // An address book entry by its SMTP address or its name; fails the test when none is.
    std::shared_ptr<sim::SimAddressEntry> entry(std::string_view ref) const;
    std::shared_ptr<sim::SimFolder> folder(int defaultFolder) const;
    // A message being written, in Drafts.
    std::shared_ptr<sim::SimMailItem> draft(sim::ItemSpec spec) const;
    // A message in the Inbox, received an hour ago unless the item says when.
    std::shared_ptr<sim::SimMailItem> received(sim::ItemSpec spec) const;
    // A Windows path in the add-in's folder.
    static std::string addinFile(std::string_view name);
    // Reading the file fails from now on (a folder stands in its place).
    void makeUnreadable(std::string_view path);

    // The user's settings, as the add-in stores them.
    void set(std::string_view key, std::string_view value);
    std::string setting(std::string_view key);  // "<missing>" when not stored

    // Prompts the scripted Ui must see next, in order.
    void expectBox(std::string title, std::string text, int buttons, int answer = platform::mb::IdOk);
    void expectBoxContaining(std::string title, std::string textPart, int buttons, int answer = platform::mb::IdOk);
    void expectForm(std::string form, std::vector<simhost::FormAction> actions);
    std::string transcript() const { return host_->ui().transcriptText(); }
    bool shows(std::string_view part) const { return transcript().find(part) != std::string::npos; }

    // The add-in process on this host and this Outlook, made at first use.
    core::AddinProcess& process();

private:
    std::unique_ptr<simhost::SimHost> host_;

public:
    std::shared_ptr<sim::SimApplication> app;

private:
    std::shared_ptr<core::AddinProcess> process_;
};

// A test in the world; at its end every scripted prompt must have come, and nothing else.
class WorldTest : public ::testing::Test, protected World {
protected:
    using World::World;
    void TearDown() override;
};

}  // namespace corvane::testing
