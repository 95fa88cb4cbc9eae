#pragma once
// Left for tests/addin until it moves to the world (support/world.h);
// nothing else uses it.
// A simulated Outlook for the send-time checks: John's Exchange mailbox, SMTP
// correspondents, an Exchange and a personal distribution list, the host with an
// in-memory registry and a scripted Ui that must see exactly the prompts a test expects.
// Header-only: the test executables that use it link the sim and the settings.
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/registry.h"
#include "corvane/simhost/sim_ui.h"
#include "support/memory_file_system.h"

namespace corvane::testing {

struct SendScene {
    struct StubShell final : platform::Shell {
        void openAddress(std::string_view) override {}
        void openHelp(std::string_view, std::string_view) override {}
    };
    struct StubHttp final : platform::Http {
        platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
    };
    struct StubSystem final : platform::SystemInfo {
        platform::WindowsVersion windowsVersion() override { return {}; }
        std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
        std::string addinFolder() override { return "C:\\Program Files\\Corvane"; }
        platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
        unsigned ansiCodePage() override { return 1252; }
    };

    explicit SendScene(std::string version = "11.0.0.8010", bool wordEditor = false) {
        sim::OutlookOptions options;
        options.version = std::move(version);
        options.wordEditor = wordEditor;
        options.files = &files;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto profile = app->profile();
        auto& book = profile->addressBook();
        john = book.addExchangeUser(
            {"John Smith", "jsmith", "john@kelderon.example", {"SMTP:john@kelderon.example"}, ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        bob = book.addSmtp("Bob Ray", "bob@example.org");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {john, ann, bob});
        friends = book.addPersonalList("Friends", {ann, bob});
        profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, john, true});
        profile->setCurrentUser(john);
        profile->addAccount({"Kelderon", "john@kelderon.example", outlook::olaccount::Exchange, "John Smith"});
    }

    void set(std::string_view key, std::string_view value) {
        settings::SettingStore(registry).SaveSetting(key, value);
    }
    std::string setting(std::string_view key) { return settings::SettingStore(registry).GetSetting(key, "<missing>"); }
    std::shared_ptr<sim::SimFolder> folder(int which) const { return app->profile()->defaultFolder(which); }

    // A message being written, not sent yet.
    std::shared_ptr<sim::SimMailItem> draft(std::vector<sim::RecipientSpec> to,
                                            std::vector<sim::RecipientSpec> cc = {},
                                            std::vector<sim::RecipientSpec> bcc = {}) {
        sim::ItemSpec spec;
        spec.subject = "Hello";
        spec.sent = false;
        spec.to = std::move(to);
        spec.cc = std::move(cc);
        spec.bcc = std::move(bcc);
        return folder(outlook::olfolder::Drafts)->addMail(spec);
    }
    // n correspondents of the address book, "person1" to "person<n>".
    std::vector<sim::RecipientSpec> people(int n) {
        std::vector<sim::RecipientSpec> to;
        for (int i = 1; i <= n; ++i) {
            const std::string name = "person" + std::to_string(i);
            to.emplace_back(app->profile()->addressBook().addSmtp(name, name + "@example.com"));
        }
        return to;
    }

    // The confirmation box, answered Yes (6) or No (7).
    void expectConfirmation(const std::string& question, int answer) {
        simhost::MessageBoxStep step;
        step.title = "Confirm Email Send - Corvane";
        step.text = question +
                    "\r\n\r\n(If you do not wish to see this message please go to the Corvane settings screen and "
                    "click Send-Confirm)";
        step.buttons = platform::mb::InformationYesNo;
        step.answer = answer;
        ui.addStep(step);
    }
    void expectBox(std::string title, std::string text, int buttons) {
        simhost::MessageBoxStep step;
        step.title = std::move(title);
        step.text = std::move(text);
        step.buttons = buttons;
        ui.addStep(step);
    }
    // The question before delaying, and what the user does in it.
    void expectDelayPrompt(std::vector<simhost::FormAction> actions) {
        simhost::UiStep step{std::in_place_type<simhost::FormStep>};
        std::get<simhost::FormStep>(step).form = "frmNotifyB4Delay";
        std::get<simhost::FormStep>(step).actions = std::move(actions);
        ui.addStep(std::move(step));
    }
    // What the last delay question said is delayed.
    std::string delayStatus() const {
        const std::string label = "label lblDelayStatus \"";
        const std::string text = ui.transcriptText();
        const auto at = text.rfind(label);
        if (at == std::string::npos) return "<no question>";
        const auto from = at + label.size();
        return text.substr(from, text.find('"', from) - from);
    }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    MemoryFileSystem files;
    simhost::SimRegistry registry;
    simhost::ScriptedUi ui;
    StubShell shell;
    StubHttp http;
    StubSystem system;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> john, ann, bob, team, friends;
};

}  // namespace corvane::testing
